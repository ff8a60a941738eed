#pragma once
// End-to-end helpers: Orvex.exe started in the virtual desktop, its windows found from outside,
// real X input through xdotool, the registry read with Wine's reg.exe, screenshots.

#include "harness/ExternalProcess.h"
#include "harness/RemoteListView.h"

#include <optional>
#include <string>
#include <vector>

namespace harness {

constexpr wchar_t kOrvexRegistryRoot[] = L"HKCU\\Software\\Quillmoor\\Orvex\\1.2";

class OrvexSession {
public:
    OrvexSession() = default;
    OrvexSession(const OrvexSession&) = delete;
    OrvexSession& operator=(const OrvexSession&) = delete;
    ~OrvexSession() = default; // a process still running is killed by BackgroundProcess

    bool Start();
    // The visible and laid-out top-level "Orvex" dialog of the started process, or null after the
    // timeout.
    HWND WaitForMainWindow(DWORD timeoutMs = 20000);
    HWND MainWindow() const { return m_mainWindow; }
    HWND Control(int id) const { return ::GetDlgItem(m_mainWindow, id); }
    std::vector<ListRow> PropertyRows() const;
    // The "Handle" row's value: the window the main window lists now, or empty.
    std::wstring ListedHandle() const;
    bool IsListed(HWND hwnd) const;
    bool WaitListed(HWND hwnd, DWORD timeoutMs = 5000) const;
    // Brings the main window to the front with a real click on its caption.
    bool Activate() const;
    // Closes the main window like its close box and waits for the process to end.
    bool Close(DWORD timeoutMs = 20000);
    // The process's other dialogs (message boxes): top-level "#32770" windows without the property
    // view, visible or not.
    std::vector<HWND> OtherDialogs() const;

    BackgroundProcess& Process() { return m_process; }

private:
    BackgroundProcess m_process;
    HWND m_mainWindow = nullptr;
};

// The value of the first row called `name`, or "<missing>".
std::wstring ValueOf(const std::vector<ListRow>& rows, const wchar_t* name);

// The top-level windows of a process with the given class and caption.
std::vector<HWND> FindTopLevelWindows(DWORD processId, const wchar_t* className, const wchar_t* caption);

// Removes Orvex's whole registry block, as on a first run.
void ClearOrvexSettings();
// A value under Orvex's registry root as `reg query` prints it ("0x1", "00AB..."), or nothing.
std::optional<std::wstring> QueryRegistryValue(const std::wstring& subKey, const std::wstring& value);
// Stores a value under Orvex's registry root before a start (subKey "Settings", say).
bool WriteRegistryDword(const std::wstring& subKey, const std::wstring& value, DWORD data);
bool WriteRegistryBinary(const std::wstring& subKey, const std::wstring& value, const void* data, DWORD size);

namespace xdo {
bool MoveTo(int x, int y);
bool Click(int x, int y, int button = 1);
bool ButtonDown(int button = 1);
bool ButtonUp(int button = 1);
bool Key(const std::wstring& keys);  // xdotool key syntax: "Escape", "ctrl+c", "F9"
bool Type(const std::wstring& text); // plain characters as typed, no quotes
} // namespace xdo

// Saves the whole X screen as a PNG (Linux path); used when a test fails.
bool SaveScreenshot(const std::wstring& unixPath);
// Saves one area of the screen (screen coordinates of the virtual desktop).
bool SaveScreenshot(const std::wstring& unixPath, const RECT& area);

} // namespace harness
