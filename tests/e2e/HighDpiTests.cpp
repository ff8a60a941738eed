// Orvex on a screen at 200%: Wine reads the scaling from the registry when a program starts, so
// Orvex is started once at 96 DPI and once at 192 and measured from outside each time.
#include "e2e/SettingsHelpers.h"
#include "harness/RemoteToolBar.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

// Sets the screen's DPI for programs started from now on, and puts the old value back.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi) {
        DWORD value = 0, size = sizeof(value);
        if (::RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value,
                           &size) == ERROR_SUCCESS)
            m_previous = value;
        m_set = ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi,
                                  sizeof(dpi)) == ERROR_SUCCESS;
    }
    ~ScreenDpi() {
        if (m_previous)
            ::RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &*m_previous,
                              sizeof(DWORD));
        else
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels");
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;
    bool IsSet() const { return m_set; }

private:
    std::optional<DWORD> m_previous;
    bool m_set = false;
};

struct Measures {
    int picture = 0; // the Refresh button's picture, its height inside the button's padding
    SIZE finder{};
    SIZE minimum{};
};

std::optional<Measures> MeasureOrvexAt(DWORD dpi) {
    ScreenDpi screen(dpi);
    if (!screen.IsSet())
        return std::nullopt;
    harness::ClearOrvexSettings();
    harness::OrvexSession orvex;
    if (!orvex.Start() || !orvex.WaitForMainWindow())
        return std::nullopt;
    Measures measures;
    const HWND toolBar = settings_e2e::ViewToolBar(orvex);
    const std::optional<RECT> refresh = harness::ToolBarButtonScreenRect(toolBar, 1);
    const LRESULT padding = ::SendMessageW(toolBar, TB_GETPADDING, 0, 0);
    if (refresh)
        measures.picture = (refresh->bottom - refresh->top) - HIWORD(padding);
    RECT finder{};
    ::GetClientRect(::GetDlgItem(orvex.Control(IDC_MAIN_REBAR), IDC_FINDER_TOOL), &finder);
    measures.finder = {finder.right, finder.bottom};
    // Asked to shrink to nothing, the window stops at its minimum.
    ::SetWindowPos(orvex.MainWindow(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT window{};
    ::GetWindowRect(orvex.MainWindow(), &window);
    measures.minimum = {window.right - window.left, window.bottom - window.top};
    orvex.Close();
    return measures;
}

TEST(HighDpi, AtTwiceTheScalingPicturesFinderToolAndMinimumSizeAreTwiceAsLarge) {
    const std::optional<Measures> at96 = MeasureOrvexAt(96);
    const std::optional<Measures> at192 = MeasureOrvexAt(192);
    ASSERT_TRUE(at96 && at192);
    EXPECT_EQ(at96->picture, 32);
    EXPECT_EQ(at192->picture, 2 * at96->picture);
    EXPECT_EQ(at96->finder.cx, 32);
    EXPECT_EQ(at192->finder.cx, 2 * at96->finder.cx);
    EXPECT_EQ(at192->finder.cy, 2 * at96->finder.cy);
    EXPECT_EQ(at96->minimum.cx, 429);
    EXPECT_EQ(at192->minimum.cx, 2 * at96->minimum.cx);
    EXPECT_EQ(at192->minimum.cy, 2 * at96->minimum.cy);
    harness::ClearOrvexSettings();
}

} // namespace
