// The application object's four settings in the registry, what applying them does to the main
// window (topmost state, the hot key with its message rules and the order of its registration
// calls), and their writing at the end of the Windows session.
#include "maindlg/MainDialogFixture.h"

#include "harness/WindowWatcher.h"
#include "maindlg/ApplySettings.h"
#include "maindlg/SettingsStore.h"

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using maindlg_test::MainDialogTest;
using maindlg_test::ReadProfileBinary;
using maindlg_test::ReadProfileDword;
using maindlg_test::WriteProfileDword;

constexpr UINT kF9 = VK_F9;

// A plain top-level window of this thread, unrelated to the dialog.
class PlainWindow {
public:
    PlainWindow()
        : m_hwnd(::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr)) {}
    ~PlainWindow() {
        if (m_hwnd)
            ::DestroyWindow(m_hwnd);
    }
    PlainWindow(const PlainWindow&) = delete;
    PlainWindow& operator=(const PlainWindow&) = delete;
    HWND get() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

// A window owned by another thread, which keeps pumping its messages.
class ForeignThreadWindow {
public:
    ForeignThreadWindow() {
        m_thread = std::thread([this] {
            HWND hwnd = ::CreateWindowExW(0, L"STATIC", L"other thread", WS_POPUP, 0, 0, 10, 10, nullptr,
                                          nullptr, ::GetModuleHandleW(nullptr), nullptr);
            m_threadId = ::GetCurrentThreadId();
            m_hwnd = hwnd;
            MSG message;
            while (::GetMessageW(&message, nullptr, 0, 0) > 0)
                ::DispatchMessageW(&message);
            ::DestroyWindow(hwnd);
        });
        harness::WaitUntil([&] { return m_hwnd.load() != nullptr; }, 5000);
    }
    ~ForeignThreadWindow() {
        ::PostThreadMessageW(m_threadId, WM_QUIT, 0, 0);
        m_thread.join();
    }
    ForeignThreadWindow(const ForeignThreadWindow&) = delete;
    ForeignThreadWindow& operator=(const ForeignThreadWindow&) = delete;
    HWND get() const { return m_hwnd; }

private:
    std::atomic<HWND> m_hwnd{nullptr};
    std::atomic<DWORD> m_threadId{0};
    std::thread m_thread;
};

// True when the combination is held by someone else right now (registration fails with 1409).
bool IsHeldElsewhere(HWND probe, UINT modifiers, UINT key) {
    if (::RegisterHotKey(probe, 0x7E57, modifiers, key)) {
        ::UnregisterHotKey(probe, 0x7E57);
        return false;
    }
    return ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
}

// The message box the application object shows; read, then answered with OK.
struct MessageBoxSeen {
    std::wstring caption;
    std::wstring text;
};

std::unique_ptr<harness::WindowWatcher> WatchForMessageBox(MessageBoxSeen& seen) {
    return std::make_unique<harness::WindowWatcher>(
        [](HWND hwnd) { return harness::IsOwnVisibleWindowOfClass(hwnd, L"#32770"); },
        [&seen](HWND box) {
            wchar_t caption[64] = {};
            ::GetWindowTextW(box, caption, 64);
            seen.caption = caption;
            seen.text = harness::StaticTexts(box);
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
        5000);
}

// ---------------------------------------------------------------------------------------------
// Settings in the registry

class AppSettingsTest : public MainDialogTest {};

TEST_F(AppSettingsTest, MissingValuesGiveTheDefaults) {
    app.m_settings.m_bKeepAlwaysOnTop = 9;
    app.m_settings.m_bHideOnSeeking = 9;
    app.m_settings.m_nHotKey = 9;
    app.m_settings.m_nViewMode = 9;
    app.m_settings.m_bMoreProperties = 9;
    app.m_settings = LoadSettings();
    EXPECT_EQ(app.m_settings.m_bMoreProperties, 0);
    EXPECT_EQ(app.m_settings.m_bKeepAlwaysOnTop, 0);
    EXPECT_EQ(app.m_settings.m_bHideOnSeeking, 0);
    EXPECT_EQ(app.m_settings.m_nHotKey, 0x78);
    EXPECT_EQ(app.m_settings.m_nViewMode, 1);
}

TEST_F(AppSettingsTest, StoredValuesAreTakenAsTheyAreAndAnUnknownViewModeListsTheSummary) {
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"KeepAlwaysOnTop", 5));
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"HideOnSeeking", 1));
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"HotKey", 0x0678));
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"ViewMode", 7));
    app.m_settings = LoadSettings();
    EXPECT_EQ(app.m_settings.m_bKeepAlwaysOnTop, 5);
    EXPECT_EQ(app.m_settings.m_bHideOnSeeking, 1);
    EXPECT_EQ(app.m_settings.m_nHotKey, 0x0678);
    EXPECT_EQ(app.m_settings.m_nViewMode, 7) << "kept for the version that knows it";
    EXPECT_EQ(app.m_settings.GetViewMode(), orvex::ViewMode::Summary);
}

TEST_F(AppSettingsTest, OneMissingValueFallsBackAloneAndTheOthersAreRead) {
    ASSERT_TRUE(WriteProfileDword(L"Settings", L"HotKey", 0x0178));
    app.m_settings = LoadSettings();
    EXPECT_EQ(app.m_settings.m_nHotKey, 0x0178);
    EXPECT_EQ(app.m_settings.m_nViewMode, 1);
    EXPECT_EQ(app.m_settings.m_bKeepAlwaysOnTop, 0);
}

TEST_F(AppSettingsTest, SaveWritesTheValuesAsDwords) {
    app.m_settings.m_bKeepAlwaysOnTop = 1;
    app.m_settings.m_bHideOnSeeking = 0;
    app.m_settings.m_nHotKey = 0x0878;
    app.m_settings.m_nViewMode = 0;
    app.m_settings.m_bMoreProperties = 1;
    SaveSettings(app.m_settings);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"MoreProperties"), 1u);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"KeepAlwaysOnTop"), 1u);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"HideOnSeeking"), 0u);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"HotKey"), 0x0878u);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"ViewMode"), 0u);

    app.m_settings.m_nHotKey = -1;
    SaveSettings(app.m_settings);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"HotKey"), 0xFFFFFFFFu) << "stored without range checks";
}

// ---------------------------------------------------------------------------------------------
// Applying the settings to the main window

class ApplySettingsTest : public MainDialogTest {
protected:
    void TearDown() override {
        hotKey.Withdraw();
        MainDialogTest::TearDown();
    }
    void ApplyTo(HWND hwnd) { ApplySettingsTo(hwnd, app.m_settings, hotKey); }
    HotKeyRegistration hotKey;
};

TEST_F(ApplySettingsTest, TopmostFollowsTheSetting) {
    PlainWindow window;
    app.m_settings.m_bKeepAlwaysOnTop = 1;
    ApplyTo(window.get());
    EXPECT_TRUE(::GetWindowLongPtrW(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    app.m_settings.m_bKeepAlwaysOnTop = 0;
    ApplyTo(window.get());
    EXPECT_FALSE(::GetWindowLongPtrW(window.get(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(ApplySettingsTest, StoredHotKeyRegistersItsModifiers) {
    PlainWindow probe;
    struct Case {
        int stored;
        UINT modifiers;
    };
    const Case cases[] = {{0x0678, MOD_CONTROL | MOD_ALT}, {0x0178, MOD_SHIFT}, {0x0878, 0}, {0x0078, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stored 0x" << std::hex << c.stored);
        PlainWindow window;
        app.m_settings.m_nHotKey = c.stored;
        ApplyTo(window.get());
        EXPECT_TRUE(IsHeldElsewhere(probe.get(), c.modifiers, kF9));
        for (UINT other :
             {0u, UINT(MOD_SHIFT), UINT(MOD_CONTROL), UINT(MOD_ALT), UINT(MOD_CONTROL | MOD_ALT)}) {
            if (other != c.modifiers) {
                EXPECT_FALSE(IsHeldElsewhere(probe.get(), other, kF9)) << "modifiers 0x" << other;
            }
        }
        hotKey.Withdraw();
    }
}

TEST_F(ApplySettingsTest, HotKeyHeldElsewhereFailsWithoutAMessage) {
    PlainWindow holder, window;
    ASSERT_TRUE(::RegisterHotKey(holder.get(), 1, MOD_CONTROL | MOD_SHIFT | MOD_ALT, kF9));
    app.m_settings.m_nHotKey = 0x0778;
    MessageBoxSeen seen;
    auto watcher = WatchForMessageBox(seen);
    ApplyTo(window.get()); // a message box would hold this call until the watcher answers it
    watcher->Stop();
    EXPECT_FALSE(watcher->Seen()) << "message shown: " << testing::PrintToString(seen.text);
    ::UnregisterHotKey(holder.get(), 1);
}

TEST_F(ApplySettingsTest, RegistrationFailingForAnotherReasonShowsTheMessage) {
    // A window of another thread cannot take a hot key (ERROR_WINDOW_OF_OTHER_THREAD): a failure
    // other than "already registered", which any stored value would give on Windows as well.
    ForeignThreadWindow foreign;
    ASSERT_NE(foreign.get(), nullptr);
    MessageBoxSeen seen;
    auto watcher = WatchForMessageBox(seen);
    ApplyTo(foreign.get());
    watcher->Stop();
    ASSERT_TRUE(watcher->Seen()) << "no message box appeared";
    EXPECT_EQ(seen.caption, L"Orvex");
    EXPECT_EQ(seen.text, L"Failed to register hot key.");
}

// The system's registration calls as a change makes them. Wine replaces a registration under the
// same identifier by itself, so only a stand-in shows whether the old key is withdrawn first.
class RecordingHotKeys final : public HotKeyRegistration::System {
public:
    bool Register(HWND, int id, UINT modifiers, UINT virtualKey) override {
        calls.push_back("register " + std::to_string(id) + ":" + std::to_string(modifiers) + "+" +
                        std::to_string(virtualKey));
        if (virtualKey != refusedKey)
            return true;
        ::SetLastError(refusal);
        return false;
    }
    void Unregister(HWND, int id) override { calls.push_back("unregister " + std::to_string(id)); }
    // The calls since the last look.
    std::vector<std::string> Take() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;
    UINT refusedKey = 0;
    DWORD refusal = ERROR_INVALID_PARAMETER;
};

TEST(HotKeyRegistrationOrder, AChangeWithdrawsTheOldKeyFirstAndAFailedOneRestoresIt) {
    using Calls = std::vector<std::string>;
    using Result = HotKeyRegistration::Result;
    RecordingHotKeys system;
    HotKeyRegistration hotKey(system);
    PlainWindow owner;

    EXPECT_EQ(hotKey.Change(owner.get(), 0x0078), Result::Registered);
    EXPECT_EQ(system.Take(), (Calls{"register 0:0+120"}));
    EXPECT_EQ(hotKey.Change(owner.get(), 0x0278), Result::Registered); // Ctrl+F9
    EXPECT_EQ(system.Take(), (Calls{"unregister 0", "register 0:2+120"}));

    system.refusedKey = VK_F10;
    EXPECT_EQ(hotKey.Change(owner.get(), 0x0079), Result::Failed);
    EXPECT_EQ(system.Take(), (Calls{"unregister 0", "register 0:0+121", "register 0:2+120"}))
        << "the refused key leaves the previous one registered again";
    EXPECT_EQ(hotKey.Registered(), 0x0278);
    system.refusal = ERROR_HOTKEY_ALREADY_REGISTERED;
    EXPECT_EQ(hotKey.Change(owner.get(), 0x0079), Result::HeldElsewhere);
    system.Take();

    EXPECT_EQ(hotKey.Change(owner.get(), 0), Result::Cleared);
    EXPECT_EQ(system.Take(), (Calls{"unregister 0"})) << "a cleared key gives the old one back";

    EXPECT_EQ(hotKey.Change(owner.get(), 0), Result::Cleared);
    EXPECT_EQ(system.Take(), Calls{}) << "nothing is registered, so nothing is withdrawn";

    // Paused while a dialog takes the key as input: given back, then registered again as it was;
    // a change during the pause restores the paused key when it fails.
    hotKey.Change(owner.get(), 0x0278);
    system.Take();
    hotKey.Suspend();
    hotKey.Resume();
    EXPECT_EQ(system.Take(), (Calls{"unregister 0", "register 0:2+120"}));
    hotKey.Suspend();
    EXPECT_EQ(hotKey.Change(owner.get(), 0x0079), Result::HeldElsewhere);
    EXPECT_EQ(system.Take(), (Calls{"unregister 0", "register 0:0+121", "register 0:2+120"}))
        << "nothing withdrawn twice, the paused key back";
    EXPECT_EQ(hotKey.Registered(), 0x0278);
}

// ---------------------------------------------------------------------------------------------
// The end of the Windows session

TEST_F(MainDialogTest, SettingsAndPlacementAreWrittenWhenTheSessionEnds) {
    app.m_settings.m_nHotKey = 0x0278;
    app.m_settings.m_nViewMode = 7;
    ASSERT_TRUE(OpenDialog());
    ::SendMessageW(Main(), WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"HotKey"), std::nullopt) << "a cancelled end writes nothing";

    ::SendMessageW(Main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"HotKey"), 0x0278u);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"ViewMode"), 7u);
    EXPECT_EQ(ReadProfileDword(L"Settings", L"KeepAlwaysOnTop"), 0u);
    EXPECT_NE(ReadProfileBinary(L"Settings\\WindowPlacement", L"MainWindowRect"), std::nullopt);
}

} // namespace
