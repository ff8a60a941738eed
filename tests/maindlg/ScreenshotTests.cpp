// Pictures of the main dialog for a person to look at, taken only when ORVEX_SHOTS names a Linux
// folder: the dialog at its first-run size with the prompt, and a large one with rows of every
// group and kind.
#include "maindlg/MainDialogFixture.h"

#include "harness/OrvexSession.h"

#include <cstdlib>

namespace {

using maindlg_test::MainDialogTest;

std::wstring ShotsFolder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"ORVEX_SHOTS", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::wstring path = folder;
    if (path.back() != L'/')
        path += L'/';
    return path;
}

class ScreenshotTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        m_folder = ShotsFolder();
        if (m_folder.empty())
            GTEST_SKIP() << "set ORVEX_SHOTS to a Linux folder to take pictures of the main dialog";
    }
    void Shoot(const wchar_t* name) {
        ::SetCursorPos(1270, 1010);
        ::SetWindowPos(Main(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        ::SetForegroundWindow(Main());
        ::RedrawWindow(Main(), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        harness::PumpMessages();
        ::GdiFlush();
        RECT area{};
        ::GetWindowRect(Main(), &area);
        const std::wstring path = m_folder + name;
        ASSERT_TRUE(harness::SaveScreenshot(path, area));
        std::printf("picture of the main dialog: %ls\n", path.c_str());
    }
    std::wstring m_folder;
};

TEST_F(ScreenshotTest, FirstRunSizeWithThePrompt) {
    ASSERT_TRUE(OpenDialog());
    Shoot(L"main-dialog-first-run.png");
}

TEST_F(ScreenshotTest, LargeWithRowsOfEveryGroupAndKind) {
    ASSERT_TRUE(OpenDialog());
    ::SetWindowPos(Main(), nullptr, 20, 20, 760, 900, SWP_NOZORDER);
    CPropertiesView& view = View();
    struct Row {
        int group;
        const wchar_t* name;
        const wchar_t* value;
        int kind;
    };
    const Row rows[] = {
        {GROUP_SUMMARY, L"Handle", L"0x000200A4", KIND_HANDLE},
        {GROUP_SUMMARY, L"Class Name", L"Notepad", KIND_CLASS_NAME},
        {GROUP_GENERAL, L"Handle", L"0x000200A4", KIND_HANDLE},
        {GROUP_GENERAL, L"Text", L"Untitled - Notepad", KIND_TEXT},
        {GROUP_GENERAL, L"Window Rect", L"(120, 80) - (920, 680) 800x600", KIND_TEXT},
        {GROUP_GENERAL, L"Window Proc", L"0x7FF6A1B2C3D4", KIND_ADDRESS},
        {GROUP_GENERAL, L"Unicode", L"Yes", KIND_TEXT},
        {GROUP_GENERAL, L"Instance Handle", L"0x00400000", KIND_HANDLE},
        {GROUP_GENERAL, L"User Data", L"0", KIND_NUMBER},
        {GROUP_STYLES, L"Window Styles", L"0x14CF0000", KIND_WINDOW_STYLES},
        {GROUP_STYLES, L"WS_VISIBLE", L"0x10000000", KIND_WINDOW_FLAG},
        {GROUP_STYLES, L"WS_CAPTION", L"0x00C00000", KIND_WINDOW_FLAG},
        {GROUP_STYLES, L"ES_MULTILINE", L"0x00000004", KIND_CLASS_FLAG},
        {GROUP_STYLES, L"Window Extended Styles", L"0x00000100", KIND_EXTENDED_STYLES},
        {GROUP_STYLES, L"WS_EX_WINDOWEDGE", L"0x00000100", KIND_WINDOW_FLAG},
        {GROUP_STYLES, L"Control Extended Styles", L"0x00000021", KIND_NUMBER},
        {GROUP_STYLES, L"<Unknow>", L"0x00000020", KIND_CLASS_FLAG},
        {GROUP_CLASS, L"Name", L"Notepad", KIND_CLASS_NAME},
        {GROUP_CLASS, L"Styles", L"0x0003", KIND_CLASS_STYLES},
        {GROUP_CLASS, L"CS_VREDRAW", L"0x0001", KIND_CLASS_FLAG},
        {GROUP_CLASS, L"CS_HREDRAW", L"0x0002", KIND_CLASS_FLAG},
        {GROUP_CLASS, L"Class Atom", L"0xC1A2", KIND_ADDRESS},
        {GROUP_CLASS, L"Background Brush", L"COLOR_WINDOW", KIND_CONSTANT},
        {GROUP_CLASS, L"Menu Name", L"#2", KIND_NUMBER},
        {GROUP_PROCESS, L"Process ID", L"1234", KIND_NUMBER},
        {GROUP_PROCESS, L"Thread ID", L"1240", KIND_NUMBER},
        {GROUP_PROCESS, L"Image Path", L"C:\\windows\\system32\\notepad.exe", KIND_TEXT},
    };
    for (const Row& row : rows)
        view.AddProperty(row.group, row.name, row.value, row.kind);
    view.SetColumnWidth(0, LVSCW_AUTOSIZE_USEHEADER);
    view.SetColumnWidth(1, LVSCW_AUTOSIZE_USEHEADER);
    view.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Shoot(L"main-dialog-rows.png");
}

} // namespace
