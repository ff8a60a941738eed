// The about box in the test process: its caption and lines, the banner as it reaches the screen,
// the licence link opening the terms, and the mail link handing the address to the system's mail
// program.
#include "maindlg/MainDialogFixture.h"

#include "app/AboutDlg.h"
#include "harness/ScreenGrab.h"
#include "harness/WindowWatcher.h"

#include <commctrl.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using maindlg_test::MainDialogTest;

constexpr int kBannerWidth = 270;
constexpr int kBannerHeight = 130;

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    ::GetWindowTextW(hwnd, text, 256);
    return text;
}

// What a link sends its parent: NM_CLICK for the mouse, NM_RETURN for Enter or Space.
void NotifyFromLink(HWND dialog, int id, UINT code) {
    NMLINK link{};
    link.hdr.hwndFrom = ::GetDlgItem(dialog, id);
    link.hdr.idFrom = static_cast<UINT_PTR>(id);
    link.hdr.code = code;
    ::SendMessageW(dialog, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&link));
}

// A point of the control that lies on its (first) link, found by asking the control.
std::optional<POINT> PointOnLink(HWND link) {
    RECT client{};
    ::GetClientRect(link, &client);
    for (int y = 1; y < client.bottom; y += 2) {
        for (int x = 1; x < client.right; x += 2) {
            LHITTESTINFO hit{};
            hit.pt = {x, y};
            if (::SendMessageW(link, LM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)))
                return hit.pt;
        }
    }
    return std::nullopt;
}

// Makes `command` the system's program for "mailto:" addresses while it lives. Wine reads URL
// handlers from the machine's classes only (not the account's), so the machine's entry is replaced
// and put back afterwards; the test prefix is private to the build.
class MailProgramOverride {
public:
    explicit MailProgramOverride(const std::wstring& command) {
        wchar_t previous[1024] = {};
        DWORD size = sizeof(previous);
        m_hadPrevious = ::RegGetValueW(HKEY_CLASSES_ROOT, kCommandKey, nullptr, RRF_RT_REG_SZ, nullptr,
                                       previous, &size) == ERROR_SUCCESS;
        m_previous = previous;
        m_installed = Set(command);
    }
    ~MailProgramOverride() {
        if (m_hadPrevious)
            Set(m_previous);
        else
            ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"mailto");
    }
    MailProgramOverride(const MailProgramOverride&) = delete;
    MailProgramOverride& operator=(const MailProgramOverride&) = delete;
    bool Installed() const { return m_installed; }

private:
    static constexpr wchar_t kCommandKey[] = L"mailto\\shell\\open\\command";
    static bool Set(const std::wstring& command) {
        return ::RegSetKeyValueW(HKEY_CLASSES_ROOT, L"mailto", L"URL Protocol", REG_SZ, L"",
                                 sizeof(wchar_t)) == ERROR_SUCCESS &&
               ::RegSetKeyValueW(HKEY_CLASSES_ROOT, kCommandKey, nullptr, REG_SZ, command.c_str(),
                                 static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }
    bool m_hadPrevious = false;
    bool m_installed = false;
    std::wstring m_previous;
};

class AboutDlgTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(about.Create(IDD_ABOUTBOX));
        ::SetWindowPos(about.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        ::UpdateWindow(about.m_hWnd);
        harness::PumpMessages();
    }
    void TearDown() override {
        about.DestroyWindow();
        MainDialogTest::TearDown();
    }
    CAboutDlg about;
};

TEST_F(AboutDlgTest, CaptionAndLinesAreSetWhenItOpens) {
    EXPECT_EQ(TextOf(about.m_hWnd), L"About Orvex") << "not the template's \"About...\"";
    EXPECT_EQ(TextOf(about.GetDlgItem(1000)), L"Orvex");
    EXPECT_EQ(TextOf(about.GetDlgItem(1001)), L"Version: 1.2.0");
}

TEST_F(AboutDlgTest, BannerIsDrawnUnscaledInTheMiddleOfItsBlackFrame) {
    ASSERT_TRUE(about.m_bitmapBanner) << "the stored picture did not make a bitmap";
    BITMAP info{};
    ASSERT_TRUE(::GetObjectW(about.m_bitmapBanner.get(), sizeof(info), &info));
    ASSERT_EQ(info.bmWidth, kBannerWidth);
    ASSERT_EQ(info.bmHeight, kBannerHeight);

    // The picture's own pixels, top row first.
    std::vector<DWORD> banner(static_cast<size_t>(kBannerWidth * kBannerHeight));
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(request.bmiHeader);
    request.bmiHeader.biWidth = kBannerWidth;
    request.bmiHeader.biHeight = -kBannerHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    {
        fw::WindowDC screen(nullptr);
        ASSERT_EQ(::GetDIBits(screen.get(), about.m_bitmapBanner.get(), 0, kBannerHeight, banner.data(),
                              &request, DIB_RGB_COLORS),
                  kBannerHeight);
    }

    ::SetCursorPos(0, 0);
    HWND frame = about.GetDlgItem(1005);
    RECT area{};
    ::GetClientRect(frame, &area);
    const int width = area.right, height = area.bottom;
    ::MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&area), 2);
    const int left = width / 2 - kBannerWidth / 2, top = height / 2 - kBannerHeight / 2;
    ASSERT_GT(left, 0) << "the frame is wider than the picture, so black shows at both sides";
    EXPECT_LE(std::abs((width - left - kBannerWidth) - left), 1) << "as much black right as left";

    const harness::ScreenGrab screen(area);
    int wrong = 0, lit = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int bx = x - left, by = y - top;
            const bool inside = bx >= 0 && bx < kBannerWidth && by >= 0 && by < kBannerHeight;
            const DWORD expected =
                inside ? banner[static_cast<size_t>(by * kBannerWidth + bx)] & 0xFFFFFF : 0;
            const DWORD shown = screen.At(area.left + x, area.top + y);
            wrong += shown != expected;
            lit += shown != 0;
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels that are not the picture at its place, or not black around it";
    EXPECT_GT(lit, 1000) << "the picture is there at all";
}

TEST_F(AboutDlgTest, LicenceLinkOpensTheTermsOverTheBoxByMouseAndByKeyboard) {
    for (const UINT code : {UINT(NM_CLICK), UINT(NM_RETURN)}) {
        SCOPED_TRACE(code == UINT(NM_CLICK) ? "NM_CLICK" : "NM_RETURN");
        std::wstring caption;
        HWND box = about.m_hWnd;
        harness::WindowWatcher terms(
            [box](HWND hwnd) {
                return harness::IsOwnVisibleWindowOfClass(hwnd, L"#32770") &&
                       ::GetWindow(hwnd, GW_OWNER) == box;
            },
            [&caption](HWND hwnd) {
                caption = TextOf(hwnd);
                ::PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
            },
            5000);
        NotifyFromLink(box, IDC_ABOUT_LICENCE, code); // returns once the terms are closed
        terms.Stop();
        EXPECT_TRUE(terms.Seen()) << "no dialog opened over the about box";
        EXPECT_EQ(caption, L"Term of Use");
    }
}

TEST_F(AboutDlgTest, MailLinkHandsTheAddressToTheSystemsMailProgramByMouseAndByKeyboard) {
    wchar_t folder[MAX_PATH] = {};
    ASSERT_GT(::GetTempPathW(MAX_PATH, folder), 0u);
    const std::wstring received = std::wstring(folder) + L"orvex-mailto-received.txt";
    MailProgramOverride program(L"cmd.exe /c echo %1> \"" + received + L"\"");
    ASSERT_TRUE(program.Installed());

    HWND link = about.GetDlgItem(IDC_ABOUT_EMAIL);
    const auto at = PointOnLink(link);
    ASSERT_TRUE(at.has_value()) << "no link in " << testing::PrintToString(TextOf(link));
    const auto click = [&] {
        const LPARAM point = MAKELPARAM(at->x, at->y);
        ::SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, point);
        ::SendMessageW(link, WM_LBUTTONUP, 0, point);
    };
    const auto enter = [&] { NotifyFromLink(about.m_hWnd, IDC_ABOUT_EMAIL, NM_RETURN); };
    const std::pair<const char*, std::function<void()>> ways[] = {{"click", click}, {"enter", enter}};
    for (const auto& [way, follow] : ways) {
        SCOPED_TRACE(way);
        // The last mail program may still hold the file for a moment.
        ASSERT_TRUE(harness::WaitUntil(
            [&] { return ::DeleteFileW(received.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND; },
            5000));
        follow();
        std::string text;
        EXPECT_TRUE(harness::WaitUntil(
            [&] {
                std::ifstream file{std::filesystem::path(received)};
                std::getline(file, text);
                return !text.empty();
            },
            15000))
            << "the mail program was not started";
        while (!text.empty() && (text.back() == '\r' || text.back() == ' '))
            text.pop_back();
        EXPECT_EQ(text, "mailto:orvex@quillmoor.test");
    }
    ::DeleteFileW(received.c_str());
}

} // namespace
