// The property view inside the real main dialog: rows and their kinds (colours as painted on the
// screen, indent), the marker image, copying to the clipboard, the context menu and the message
// painted while the list is empty.
#include "maindlg/MainDialogFixture.h"

#include "harness/RunningOnWine.h"
#include "harness/ScreenGrab.h"
#include "harness/WindowWatcher.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

using maindlg_test::MainDialogTest;

constexpr int kLastKind = KIND_WINDOW_LINK;

class PropertiesViewTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(OpenDialog());
        // The rows alone, as on a list control that draws its groups; the heading rows shown where
        // it does not have tests of their own.
        View().SetHeadingRows(false);
    }

    int Indent(int item) {
        LVITEMW request{};
        request.mask = LVIF_INDENT;
        request.iItem = item;
        View().SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request));
        return request.iIndent;
    }

    void Select(int item) {
        View().SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    // Puts the dialog in front, large enough, with the mouse away from it, and paints it now.
    void ShowInFront(int cx = 700, int cy = 520) {
        ::SetCursorPos(1270, 1010);
        ::SetWindowPos(Main(), HWND_TOPMOST, 0, 0, cx, cy, SWP_SHOWWINDOW);
        ::SetForegroundWindow(Main());
        ::RedrawWindow(Main(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        harness::PumpMessages();
    }
};

// ---------------------------------------------------------------------------------------------
// Rows

TEST_F(PropertiesViewTest, AddPropertyAppendsInCallOrderAndReturnsTheIndex) {
    EXPECT_EQ(View().AddProperty(GROUP_PROCESS, L"Process ID", L"42", KIND_NUMBER), 0);
    EXPECT_EQ(View().AddProperty(GROUP_GENERAL, L"Handle", L"0x00010020", KIND_HANDLE), 1);
    EXPECT_EQ(View().AddProperty(GROUP_SUMMARY, L"Text", L"", KIND_TEXT), 2);
    EXPECT_EQ(View().AddProperty(GROUP_GENERAL, L"WS_VISIBLE", L"0x10000000", KIND_WINDOW_FLAG), 3);
    ASSERT_EQ(View().GetItemCount(), 4);
    EXPECT_EQ(View().GetItemText(0, 0), L"Process ID");
    EXPECT_EQ(View().GetItemText(0, 1), L"42");
    EXPECT_EQ(View().GetItemText(1, 0), L"Handle");
    EXPECT_EQ(View().GetItemText(2, 1), L"");
    EXPECT_EQ(View().GetItemText(3, 0), L"WS_VISIBLE");
    EXPECT_EQ(View().GetItemData(0), DWORD_PTR(KIND_NUMBER));
    EXPECT_EQ(View().GetItemData(3), DWORD_PTR(KIND_WINDOW_FLAG));

    // After a refill the numbering starts again at 0.
    dialog->ShowWindowProperties(nullptr);
    EXPECT_EQ(View().GetItemCount(), 0);
    EXPECT_EQ(View().AddProperty(GROUP_CLASS, L"Name", L"Button", KIND_CLASS_NAME), 0);
}

TEST_F(PropertiesViewTest, AddPropertyReturnsTheRowsOwnIndexAfterAHeading) {
    View().SetHeadingRows(true);
    const int first = View().AddProperty(GROUP_GENERAL, L"Handle", L"0x1", KIND_HANDLE);
    const int second = View().AddProperty(GROUP_GENERAL, L"Text", L"", KIND_TEXT);
    const int third = View().AddProperty(GROUP_PROCESS, L"Process ID", L"7", KIND_NUMBER);
    EXPECT_EQ(View().GetItemText(first, 0), L"Handle");
    EXPECT_EQ(second, first + 1);
    EXPECT_EQ(View().GetItemText(third, 0), L"Process ID");
    EXPECT_EQ(View().GetItemText(third, 1), L"7");
    EXPECT_EQ(third, View().GetItemCount() - 1);
}

TEST_F(PropertiesViewTest, StyleBitRowsAreIndentedByOneImageWidth) {
    for (int kind = 0; kind <= kLastKind; ++kind)
        View().AddProperty(GROUP_STYLES, L"Row " + std::to_wstring(kind), L"value", kind);
    for (int kind = 0; kind <= kLastKind; ++kind) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(Indent(kind), kind == KIND_WINDOW_FLAG || kind == KIND_CLASS_FLAG ? 1 : 0);
    }
    // The list turns the indent into one small-image width before the name.
    RECT plain{}, indented{};
    ASSERT_TRUE(View().GetItemRect(KIND_NUMBER, &plain, CListCtrl::ItemPart::Label));
    ASSERT_TRUE(View().GetItemRect(KIND_CLASS_FLAG, &indented, CListCtrl::ItemPart::Label));
    int cx = 0, cy = 0;
    ASSERT_TRUE(::ImageList_GetIconSize(
        reinterpret_cast<HIMAGELIST>(View().SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL)), &cx, &cy));
    EXPECT_EQ(indented.left - plain.left, cx);
}

TEST_F(PropertiesViewTest, GroupsAreShownInDisplayOrderUnderTheirHeaders) {
    const struct {
        int id;
        const wchar_t* header;
    } expected[] = {
        {4, L"Summary"}, {0, L"General"},           {1, L"Styles"},  {2, L"Class"}, {3, L"Process"},
        {5, L"Windows"}, {6, L"Window Properties"}, {7, L"Display"}, {8, L"Thread"}};
    if (harness::RunningOnWine()) {
        // Wine 8's list view ignores list-view groups, so the view writes each header as a row.
        EXPECT_FALSE(View().IsGroupViewEnabled());
        View().SetHeadingRows(true);
        for (const auto& group : expected)
            View().AddProperty(group.id, L"Row", L"", KIND_TEXT);
        for (int index = 0; index < 9; ++index) {
            EXPECT_TRUE(View().IsHeadingRow(2 * index)) << index;
            EXPECT_EQ(View().GetItemText(2 * index, 0), expected[index].header);
        }
        return;
    }
    ASSERT_EQ(View().GetGroupCount(), 9);
    for (int index = 0; index < 9; ++index) {
        wchar_t header[64] = {};
        LVGROUP group{};
        group.cbSize = sizeof(group);
        group.mask = LVGF_HEADER | LVGF_GROUPID;
        group.pszHeader = header;
        group.cchHeader = 64;
        View().SendMessage(LVM_GETGROUPINFOBYINDEX, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&group));
        EXPECT_EQ(group.iGroupId, expected[index].id);
        EXPECT_STREQ(header, expected[index].header);
    }
    View().AddProperty(GROUP_CLASS, L"Name", L"Button", KIND_CLASS_NAME);
    LVITEMW item{};
    item.mask = LVIF_GROUPID;
    View().SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iGroupId, GROUP_CLASS);
}

TEST_F(PropertiesViewTest, RowsStartAtTheTopInTwoColumnsAndArePickedWholeOneAtATime) {
    for (int column = 0; column < 2; ++column) {
        wchar_t title[32] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT;
        info.pszText = title;
        info.cchTextMax = 32;
        ASSERT_TRUE(View().SendMessage(LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info)));
        EXPECT_STREQ(title, column == 0 ? L"Property" : L"Value");
    }
    LVCOLUMNW third{};
    third.mask = LVCF_WIDTH;
    EXPECT_FALSE(View().SendMessage(LVM_GETCOLUMNW, 2, reinterpret_cast<LPARAM>(&third)));

    View().AddProperty(GROUP_GENERAL, L"Handle", L"0x1", KIND_HANDLE);
    View().AddProperty(GROUP_GENERAL, L"Text", L"hello", KIND_TEXT);
    RECT first{};
    ASSERT_TRUE(View().GetItemRect(0, &first, CListCtrl::ItemPart::Bounds));
    EXPECT_EQ(first.top, 0) << "no column header above the rows";

    // A point in the value column, right of the value's text, still hits the row.
    RECT value{};
    value.top = 1; // LVM_GETSUBITEMRECT: the sub-item in `top`
    value.left = LVIR_BOUNDS;
    ASSERT_TRUE(View().SendMessage(LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&value)));
    LVHITTESTINFO hit{};
    hit.pt = {value.right - 4, (value.top + value.bottom) / 2};
    EXPECT_EQ(View().SendMessage(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);

    Select(0);
    Select(1);
    EXPECT_EQ(View().SendMessage(LVM_GETSELECTEDCOUNT), 1);
    EXPECT_EQ(View().GetNextItem(-1, LVNI_SELECTED), 1);
}

TEST_F(PropertiesViewTest, MarkerIsALightGreyTriangleOnATransparentGround) {
    auto images = reinterpret_cast<HIMAGELIST>(View().SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
    ASSERT_NE(images, nullptr);
    ASSERT_EQ(::ImageList_GetImageCount(images), 1);
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(images, &cx, &cy);
    ASSERT_EQ(cx, 16);
    ASSERT_EQ(cy, 16);

    // Drawn masked on white: the triangle and white around it (the red ground is the mask).
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    fw::UniqueMemoryDC dc(::CreateCompatibleDC(nullptr));
    fw::UniqueBitmap bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(bits);
    {
        fw::SelectedObject selected(dc.get(), bitmap.get());
        RECT all{0, 0, 16, 16};
        ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ASSERT_TRUE(::ImageList_Draw(images, 0, dc.get(), 0, 0, ILD_NORMAL));
        ::GdiFlush();
    }
    const auto* pixels = static_cast<const DWORD*>(bits);
    const int widths[16] = {0, 0, 0, 0, 1, 2, 3, 4, 3, 2, 1, 0, 0, 0, 0, 0}; // rows 4 to 10
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool inTriangle = x >= 5 && x < 5 + widths[y];
            const DWORD expected = inTriangle ? 0xC0C0C0u : 0xFFFFFFu;
            EXPECT_EQ(pixels[y * 16 + x] & 0xFFFFFFu, expected) << "pixel (" << x << ", " << y << ")";
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Colours

COLORREF AsColorRef(DWORD pixel) {
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Distance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// A window's client rectangle in screen coordinates.
RECT ClientOnScreen(HWND hwnd) {
    RECT rect{};
    ::GetClientRect(hwnd, &rect);
    ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The colour of the strongest ink in a rectangle (screen coordinates): the pixel farthest from
// the background. Glyph stems carry the pure text colour; smoothed edges lie between it and the
// background.
COLORREF StrongestInk(const harness::ScreenGrab& grab, const RECT& area, COLORREF background) {
    COLORREF best = background;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Distance(AsColorRef(grab.At(x, y)), background) > Distance(best, background))
                best = AsColorRef(grab.At(x, y));
    return best;
}

std::string Rgb(COLORREF c) {
    char text[32];
    std::snprintf(text, sizeof(text), "(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// Each row is painted in the colours the view gives its kind, a kind it does not know as plain
// text; and the kinds a reader tells apart at a glance really are apart: every value kind other
// than text, and the two kinds of style-bit names, stand out from plain rows.
TEST_F(PropertiesViewTest, PaintedRowsShowTheKindColours) {
    // A large bold font gives glyph stems wide enough to hold pixels of the pure text colour;
    // smoothing only touches their edges.
    fw::UniqueFont font(::CreateFontW(-26, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                      NONANTIALIASED_QUALITY, 0, L"Tahoma"));
    ASSERT_TRUE(font);
    View().SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    constexpr int kUnknownKind = kLastKind + 1;
    for (int kind = 0; kind <= kUnknownKind; ++kind)
        View().AddProperty(GROUP_GENERAL, L"IIIIIIII", L"IIIIIIIIIIII", kind);
    View().SetColumnWidth(0, 250);
    View().SetColumnWidth(1, 300);
    ShowInFront(760, 800);

    const RECT screen = ClientOnScreen(View().m_hWnd);
    const harness::ScreenGrab grab(screen);
    const COLORREF background = AsColorRef(grab.At(screen.right - 2, screen.bottom - 2));

    std::vector<std::pair<COLORREF, COLORREF>> painted; // name and value ink, by kind
    for (int kind = 0; kind <= kUnknownKind; ++kind) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        RECT name{}, value{};
        ASSERT_TRUE(View().GetItemRect(kind, &name, CListCtrl::ItemPart::Label));
        value.top = 1; // LVM_GETSUBITEMRECT: the sub-item in `top`
        value.left = LVIR_LABEL;
        ASSERT_TRUE(View().SendMessage(LVM_GETSUBITEMRECT, kind, reinterpret_cast<LPARAM>(&value)));
        ::MapWindowPoints(View().m_hWnd, nullptr, reinterpret_cast<POINT*>(&name), 2);
        ::MapWindowPoints(View().m_hWnd, nullptr, reinterpret_cast<POINT*>(&value), 2);
        painted.emplace_back(StrongestInk(grab, name, background), StrongestInk(grab, value, background));
        const int shownAs = kind == kUnknownKind ? KIND_TEXT : kind;
        EXPECT_EQ(Rgb(painted.back().first), Rgb(CPropertiesView::GetKindNameColor(shownAs)));
        EXPECT_EQ(Rgb(painted.back().second), Rgb(CPropertiesView::GetKindColor(shownAs)));
    }
    View().SendMessage(WM_SETFONT, 0, FALSE); // the font goes away with this test

    for (int kind = 0; kind <= kLastKind; ++kind) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        if (kind != KIND_TEXT) {
            EXPECT_GT(Distance(painted[kind].second, painted[KIND_TEXT].second), 60);
        }
        const bool flag = kind == KIND_WINDOW_FLAG || kind == KIND_CLASS_FLAG;
        EXPECT_EQ(Distance(painted[kind].first, painted[KIND_TEXT].first) > 60, flag);
    }
    EXPECT_GT(Distance(painted[KIND_WINDOW_FLAG].first, painted[KIND_CLASS_FLAG].first), 60);
}

// ---------------------------------------------------------------------------------------------
// Clipboard

std::optional<std::wstring> ClipboardText() {
    std::optional<std::wstring> text;
    harness::WaitUntil([] { return ::OpenClipboard(nullptr) != FALSE; }, 5000);
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (auto* chars = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = chars;
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

bool SetClipboardText(const std::wstring& text) {
    if (!harness::WaitUntil([] { return ::OpenClipboard(nullptr) != FALSE; }, 5000))
        return false;
    ::EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    const bool ok = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    ::CloseClipboard();
    return ok;
}

// Holds the Control key down through real (injected) input while alive.
class ControlKeyHeld {
public:
    ControlKeyHeld() { Send(0); }
    ~ControlKeyHeld() {
        Send(KEYEVENTF_KEYUP);
        harness::WaitUntil([] { return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) == 0; }, 3000);
    }
    ControlKeyHeld(const ControlKeyHeld&) = delete;
    ControlKeyHeld& operator=(const ControlKeyHeld&) = delete;
    bool Down() const {
        // An injected key press is now and then lost while the desktop is busy; press it again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (harness::WaitUntil([] { return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }, 1000))
                return true;
            Send(0);
        }
        return false;
    }

private:
    static void Send(DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = VK_CONTROL;
        input.ki.dwFlags = flags;
        ::SendInput(1, &input, sizeof(input));
    }
};

// Sets Control in this thread's keyboard state, the state a key message handled now comes with,
// while alive; the keyboard itself is left alone.
class ControlInKeyState {
public:
    ControlInKeyState() { Set(0x80); }
    ~ControlInKeyState() { Set(0); }
    ControlInKeyState(const ControlInKeyState&) = delete;
    ControlInKeyState& operator=(const ControlInKeyState&) = delete;

private:
    static void Set(BYTE state) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = keys[VK_LCONTROL] = state;
        ::SetKeyboardState(keys);
    }
};

class CopyTest : public PropertiesViewTest {
protected:
    void SetUp() override {
        PropertiesViewTest::SetUp();
        View().AddProperty(GROUP_GENERAL, L"Handle", L"0x00010020", KIND_HANDLE);
        View().AddProperty(GROUP_GENERAL, L"Text", L"Say \"hi\"\tand more", KIND_TEXT);
        View().AddProperty(GROUP_GENERAL, L"Empty", L"", KIND_TEXT);
        ASSERT_TRUE(SetClipboardText(L"untouched"));
    }
    void PressC() { View().SendMessage(WM_KEYDOWN, 'C', 0x002E0001); }
};

TEST_F(CopyTest, CtrlCPutsExactlyTheSelectedValueOnTheClipboard) {
    Select(1);
    ControlKeyHeld control;
    ASSERT_TRUE(control.Down()) << "injected Control did not reach the key state";
    PressC();
    EXPECT_EQ(ClipboardText(), L"Say \"hi\"\tand more");

    Select(0);
    PressC();
    EXPECT_EQ(ClipboardText(), L"0x00010020");
}

TEST_F(CopyTest, CtrlCOnAnEmptyValueLeavesAnEmptyText) {
    Select(2);
    ControlKeyHeld control;
    ASSERT_TRUE(control.Down());
    PressC();
    EXPECT_EQ(ClipboardText(), L"");
}

TEST_F(CopyTest, CtrlCWithoutASelectedRowLeavesTheClipboardUntouched) {
    ASSERT_EQ(View().GetSelectedCount(), 0u);
    ControlKeyHeld control;
    ASSERT_TRUE(control.Down());
    PressC();
    EXPECT_EQ(ClipboardText(), L"untouched");
    View().CopySelectedValue();
    EXPECT_EQ(ClipboardText(), L"untouched");
}

TEST_F(CopyTest, CCopiesOnlyWhenItsMessageCameWithControlDown) {
    Select(0);
    ASSERT_GE(::GetKeyState(VK_CONTROL), 0);
    PressC();
    EXPECT_EQ(ClipboardText(), L"untouched");
    {
        ControlInKeyState control;
        PressC();
    }
    EXPECT_EQ(ClipboardText(), L"0x00010020");
}

TEST_F(CopyTest, TypedCtrlCReachesTheFocusedList) {
    ShowInFront();
    Select(0);
    View().SetFocus();
    ASSERT_TRUE(harness::WaitUntil([&] { return ::GetFocus() == View().m_hWnd; }, 3000));
    ASSERT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == Main(); }, 3000))
        << "foreground is " << ::GetForegroundWindow();
    // Control stays down while the C is handled, as when a person types it: the view asks for
    // the key's state at that moment.
    auto send = [](std::initializer_list<std::pair<WORD, DWORD>> strokes) {
        std::vector<INPUT> keys;
        for (auto [key, flags] : strokes) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = flags;
            keys.push_back(input);
        }
        return ::SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    };
    ASSERT_EQ(send({{VK_CONTROL, 0}, {'C', 0}}), 2u);
    const bool copied = harness::WaitUntil([] { return ClipboardText() == L"0x00010020"; }, 5000);
    send({{'C', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}});
    harness::WaitUntil([] { return (::GetAsyncKeyState(VK_CONTROL) & 0x8000) == 0; }, 3000);
    EXPECT_TRUE(copied) << "clipboard holds "
                        << testing::PrintToString(ClipboardText().value_or(L"<nothing>"));
}

TEST_F(CopyTest, CopyCommandCopiesTheSelectedValue) {
    Select(1);
    View().SendMessage(WM_COMMAND, ID_PROPERTY_COPY, 0);
    EXPECT_EQ(ClipboardText(), L"Say \"hi\"\tand more");
}

// ---------------------------------------------------------------------------------------------
// Context menu

struct PopupSeen {
    RECT rect{};
    int items = -1;
    std::wstring firstItem;
    bool copyGrayed = false;
};

// Watches for the popup menu; reads it, then closes it (or picks its item by its mnemonic).
std::unique_ptr<harness::WindowWatcher> WatchForPopup(PopupSeen& seen, bool choose = false) {
    return std::make_unique<harness::WindowWatcher>(
        [](HWND hwnd) { return harness::IsOwnVisibleWindowOfClass(hwnd, L"#32768"); },
        [&seen, choose](HWND popup) {
            ::GetWindowRect(popup, &seen.rect);
            if (auto menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0))) {
                seen.items = ::GetMenuItemCount(menu);
                wchar_t text[64] = {};
                ::GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
                seen.firstItem = text;
                seen.copyGrayed = (::GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED) != 0;
            }
            // The menu's modal loop reads the whole thread queue.
            if (choose)
                ::PostMessageW(popup, WM_CHAR, 'c', 0);
            else
                ::PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
        },
        5000);
}

class ContextMenuTest : public PropertiesViewTest {
protected:
    void SetUp() override {
        PropertiesViewTest::SetUp();
        for (int i = 0; i < 6; ++i)
            View().AddProperty(GROUP_GENERAL, L"Row " + std::to_wstring(i), L"value " + std::to_wstring(i),
                               KIND_TEXT);
        ShowInFront();
    }
    void ContextMenu(HWND named, POINT at) {
        View().SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(named), MAKELPARAM(at.x, at.y));
        harness::PumpMessages();
    }
};

TEST_F(ContextMenuTest, MenuKeyOpensTheMenuJustBelowTheSelectedRow) {
    Select(3);
    RECT bounds{};
    ASSERT_TRUE(View().GetItemRect(3, &bounds, CListCtrl::ItemPart::Bounds));
    POINT expected{bounds.left, bounds.bottom + 1};
    ::ClientToScreen(View().m_hWnd, &expected);

    PopupSeen seen;
    auto watcher = WatchForPopup(seen);
    ContextMenu(View().m_hWnd, POINT{-1, -1});
    watcher->Stop();
    ASSERT_TRUE(watcher->Seen()) << "no popup menu appeared";
    EXPECT_EQ(seen.rect.left, expected.x);
    EXPECT_EQ(seen.rect.top, expected.y);
    EXPECT_EQ(seen.items, 19) << "Copy, Go to, Back, Forward, Show More Properties, Copy All as JSON, Change "
                                 "Window, Copy Target, Copy Picture, Save Picture, separators";
    EXPECT_EQ(seen.firstItem, L"&Copy\tCtrl+C");
    EXPECT_FALSE(seen.copyGrayed);
}

TEST_F(ContextMenuTest, RightClickOpensTheMenuAtThePoint) {
    Select(1);
    RECT row{};
    ASSERT_TRUE(View().GetItemRect(4, &row, CListCtrl::ItemPart::Bounds));
    POINT at{row.left + 60, (row.top + row.bottom) / 2};
    ::ClientToScreen(View().m_hWnd, &at);

    PopupSeen seen;
    auto watcher = WatchForPopup(seen);
    ContextMenu(View().m_hWnd, at);
    watcher->Stop();
    ASSERT_TRUE(watcher->Seen()) << "no popup menu appeared";
    EXPECT_EQ(seen.rect.left, at.x);
    EXPECT_EQ(seen.rect.top, at.y);
}

TEST_F(ContextMenuTest, WithoutASelectedRowCopyIsGreyedAndAnotherWindowsRequestOpensNothing) {
    PopupSeen seen;
    auto watcher = WatchForPopup(seen);
    ContextMenu(View().m_hWnd, POINT{-1, -1});
    watcher->Stop();
    ASSERT_TRUE(watcher->Seen()) << "the window commands are offered whatever the list holds";
    EXPECT_TRUE(seen.copyGrayed);

    // With a selection, a menu request naming another window is not the view's.
    Select(0);
    PopupSeen other;
    auto second = WatchForPopup(other);
    ContextMenu(Main(), POINT{-1, -1});
    second->Stop();
    EXPECT_FALSE(second->Seen()) << "a popup menu appeared at (" << other.rect.left << ", " << other.rect.top
                                 << ")";
}

TEST_F(ContextMenuTest, ChoosingCopyInTheMenuCopiesTheValue) {
    ASSERT_TRUE(SetClipboardText(L"untouched"));
    Select(5);
    PopupSeen seen;
    auto watcher = WatchForPopup(seen, true);
    ContextMenu(View().m_hWnd, POINT{-1, -1});
    watcher->Stop();
    ASSERT_TRUE(watcher->Seen());
    EXPECT_TRUE(harness::WaitUntil([] { return ClipboardText() == L"value 5"; }, 5000))
        << "clipboard holds " << testing::PrintToString(ClipboardText().value_or(L"<nothing>"));
}

// ---------------------------------------------------------------------------------------------
// The message of the empty list

struct InkBox {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

// Where dark (window-text coloured) pixels are in the list's client area, in client coordinates.
InkBox DarkInk(HWND view) {
    const RECT screen = ClientOnScreen(view);
    const harness::ScreenGrab grab(screen);
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    InkBox box;
    for (int y = screen.top; y < screen.bottom; ++y) {
        for (int x = screen.left; x < screen.right; ++x) {
            if (Distance(AsColorRef(grab.At(x, y)), text) > 120)
                continue;
            const int cx = static_cast<int>(x - screen.left), cy = static_cast<int>(y - screen.top);
            box.left = std::min(box.left, cx);
            box.top = std::min(box.top, cy);
            box.right = std::max(box.right, cx + 1);
            box.bottom = std::max(box.bottom, cy + 1);
        }
    }
    return box;
}

TEST_F(PropertiesViewTest, PromptIsPaintedCentredNearTheTopAndWrapped) {
    ShowInFront(429, 300);
    // Narrower than the dialog's minimum allows, so the prompt needs more than one line.
    RECT list{};
    ::GetWindowRect(View().m_hWnd, &list);
    ::MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&list), 2);
    View().MoveWindow(list.left, list.top, 250, list.bottom - list.top);
    ::RedrawWindow(View().m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    harness::PumpMessages();
    RECT client{};
    ::GetClientRect(View().m_hWnd, &client);
    const InkBox ink = DarkInk(View().m_hWnd);
    ASSERT_FALSE(ink.Empty()) << "nothing was painted in the empty list";

    // The text's own layout in the painted rectangle, for comparison.
    RECT layout{7, 13, client.right - 7, client.bottom - 13};
    const std::wstring& prompt = View().GetEmptyText();
    HDC dc = ::GetDC(View().m_hWnd);
    HGDIOBJ previous = ::SelectObject(dc, ::GetStockObject(ANSI_VAR_FONT));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::DrawTextW(dc, prompt.c_str(), -1, &layout, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    ::SelectObject(dc, previous);
    ::ReleaseDC(View().m_hWnd, dc);
    const int lines = (layout.bottom - layout.top) / metrics.tmHeight;
    ASSERT_GE(lines, 2) << "the list is wide enough for one line; the test needs a narrower one";

    EXPECT_GE(ink.top, 13);
    EXPECT_LE(ink.top, 13 + metrics.tmHeight) << "the text starts at the top of the inset rectangle";
    EXPECT_GT(ink.bottom - ink.top, (lines - 1) * metrics.tmHeight) << "the text is wrapped";
    EXPECT_LE(ink.bottom, 13 + lines * metrics.tmHeight + 1);
    const int leftMargin = ink.left, rightMargin = client.right - ink.right;
    EXPECT_NEAR(leftMargin, rightMargin, 8) << "the text is centred";
    EXPECT_GE(leftMargin, 7);
}

TEST_F(PropertiesViewTest, InvalidHandleMessageIsPaintedAndRowsHideIt) {
    dialog->ShowWindowProperties(reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xBEE0u)));
    ShowInFront();
    const InkBox message = DarkInk(View().m_hWnd);
    ASSERT_FALSE(message.Empty());
    EXPECT_GE(message.top, 13);

    // A list with rows paints its rows only (grey and slate, not window-text dark); the message
    // is not drawn over them.
    View().AddProperty(GROUP_GENERAL, L"Handle", L"0x1", KIND_HANDLE);
    ShowInFront();
    const InkBox rows = DarkInk(View().m_hWnd);
    EXPECT_TRUE(rows.Empty()) << "dark ink from (" << rows.left << ", " << rows.top << ") to (" << rows.right
                              << ", " << rows.bottom << "): the empty-list message was painted too";
}

} // namespace
