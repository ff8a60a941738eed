#include "harness/OrvexSession.h"

#include "common/ValueFormat.h"
#include "harness/RemoteToolBar.h"
#include "harness/UnixCommand.h"
#include "harness/Wait.h"

namespace harness {

bool OrvexSession::Start() {
    return m_process.Start(L"\"" + BinaryDirectory() + L"Orvex.exe\"");
}

HWND OrvexSession::WaitForMainWindow(DWORD timeoutMs) {
    WaitUntil(
        [&] {
            for (HWND hwnd : FindTopLevelWindows(m_process.Id(), L"#32770", L"Orvex")) {
                // A message box has the same class and caption; only the main window holds the
                // property view. The window turns visible just before its first layout, so it
                // counts once the property view has its place too.
                HWND view = ::GetDlgItem(hwnd, 103);
                RECT placed{};
                if (::IsWindowVisible(hwnd) && view && ::GetWindowRect(view, &placed) &&
                    placed.right > placed.left && placed.bottom > placed.top) {
                    m_mainWindow = hwnd;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return m_mainWindow;
}

std::vector<ListRow> OrvexSession::PropertyRows() const {
    return ReadListRows(Control(103));
}

std::wstring OrvexSession::ListedHandle() const {
    for (const ListRow& row : PropertyRows())
        if (row.name == L"Handle")
            return row.value;
    return {};
}

bool OrvexSession::IsListed(HWND hwnd) const {
    return ListedHandle() == orvex::FormatPointer(reinterpret_cast<UINT_PTR>(hwnd));
}

bool OrvexSession::WaitListed(HWND hwnd, DWORD timeoutMs) const {
    return WaitUntil([&] { return IsListed(hwnd); }, timeoutMs);
}

bool OrvexSession::Activate() const {
    // A click on the caption would start the window manager's move loop; the window toolbar's
    // empty space after its last button, along the client area's bottom edge, only activates.
    RECT client{};
    if (!::GetClientRect(m_mainWindow, &client))
        return false;
    POINT point{client.right / 2, client.bottom - 4};
    ::ClientToScreen(m_mainWindow, &point);
    const HWND toolBar = Control(104);
    const int buttons = static_cast<int>(::SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0));
    if (const auto last = buttons > 0 ? ToolBarButtonScreenRect(toolBar, buttons - 1) : std::nullopt)
        point.x = last->right + 8;
    xdo::Click(point.x, point.y);
    return WaitUntil([&] { return ::GetForegroundWindow() == m_mainWindow; }, 5000);
}

bool OrvexSession::Close(DWORD timeoutMs) {
    if (!m_mainWindow || !::PostMessageW(m_mainWindow, WM_CLOSE, 0, 0))
        return false;
    return m_process.WaitForExit(timeoutMs);
}

std::vector<HWND> OrvexSession::OtherDialogs() const {
    std::vector<HWND> dialogs;
    for (HWND hwnd : FindTopLevelWindows(m_process.Id(), L"#32770", nullptr))
        if (!::GetDlgItem(hwnd, 103))
            dialogs.push_back(hwnd);
    return dialogs;
}

std::vector<HWND> FindTopLevelWindows(DWORD processId, const wchar_t* className, const wchar_t* caption) {
    struct Search {
        DWORD processId;
        const wchar_t* className;
        const wchar_t* caption;
        std::vector<HWND> found;
    } search{processId, className, caption, {}};
    ::EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hwnd, &pid);
            if (pid != s->processId)
                return TRUE;
            wchar_t text[256] = {};
            if (s->className) {
                ::GetClassNameW(hwnd, text, 256);
                if (wcscmp(text, s->className) != 0)
                    return TRUE;
            }
            if (s->caption) {
                ::GetWindowTextW(hwnd, text, 256);
                if (wcscmp(text, s->caption) != 0)
                    return TRUE;
            }
            s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring ValueOf(const std::vector<ListRow>& rows, const wchar_t* name) {
    for (const auto& row : rows) {
        if (row.name == name)
            return row.value;
    }
    return L"<missing>";
}

void ClearOrvexSettings() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quillmoor");
}

std::optional<std::wstring> QueryRegistryValue(const std::wstring& subKey, const std::wstring& value) {
    std::wstring key = kOrvexRegistryRoot;
    if (!subKey.empty())
        key += L"\\" + subKey;
    ProcessResult result = RunAndWait(L"reg.exe query \"" + key + L"\" /v " + value);
    if (!result.started || result.exitCode != 0)
        return std::nullopt;
    // A line reads: "    NAME    REG_TYPE    DATA".
    std::wstring output(result.output.begin(), result.output.end());
    size_t line = 0;
    while (line < output.size()) {
        size_t end = output.find(L'\n', line);
        std::wstring text = output.substr(line, end == std::wstring::npos ? std::wstring::npos : end - line);
        line = end == std::wstring::npos ? output.size() : end + 1;
        size_t type = text.find(L"REG_");
        size_t name = text.find(value);
        if (type == std::wstring::npos || name == std::wstring::npos || name > type)
            continue;
        size_t data = text.find_first_of(L" \t", type);
        data = text.find_first_not_of(L" \t", data);
        if (data == std::wstring::npos)
            return std::wstring();
        std::wstring found = text.substr(data);
        while (!found.empty() && (found.back() == L'\r' || found.back() == L' '))
            found.pop_back();
        return found;
    }
    return std::nullopt;
}

namespace {
bool CreateOrvexKey(const std::wstring& subKey, fw::UniqueRegKey& key) {
    std::wstring path = std::wstring(kOrvexRegistryRoot).substr(5); // without "HKCU\"
    if (!subKey.empty())
        path += L"\\" + subKey;
    HKEY raw = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &raw,
                          nullptr) != ERROR_SUCCESS)
        return false;
    key.reset(raw);
    return true;
}
} // namespace

bool WriteRegistryDword(const std::wstring& subKey, const std::wstring& value, DWORD data) {
    fw::UniqueRegKey key;
    return CreateOrvexKey(subKey, key) &&
           ::RegSetValueExW(key.get(), value.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof(data)) == ERROR_SUCCESS;
}

bool WriteRegistryBinary(const std::wstring& subKey, const std::wstring& value, const void* data,
                         DWORD size) {
    fw::UniqueRegKey key;
    return CreateOrvexKey(subKey, key) &&
           ::RegSetValueExW(key.get(), value.c_str(), 0, REG_BINARY, static_cast<const BYTE*>(data), size) ==
               ERROR_SUCCESS;
}

namespace xdo {
namespace {
bool Run(const std::wstring& arguments) {
    // Each command has ended before the next one starts, so the input arrives in order.
    return RunUnixToEnd(L"/usr/bin/xdotool " + arguments);
}
} // namespace

bool MoveTo(int x, int y) {
    if (!Run(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y)))
        return false;
    // The window system learns of the move a moment later; a key pressed before then would find the
    // pointer where it was. Waited for with a bound: a point off the desktop never arrives.
    WaitUntil(
        [&] {
            POINT at{};
            return ::GetCursorPos(&at) && at.x == x && at.y == y;
        },
        2000);
    return true;
}
bool Click(int x, int y, int button) {
    return Run(L"mousemove " + std::to_wstring(x) + L" " + std::to_wstring(y) + L" click " +
               std::to_wstring(button));
}
bool ButtonDown(int button) {
    return Run(L"mousedown " + std::to_wstring(button));
}
bool ButtonUp(int button) {
    return Run(L"mouseup " + std::to_wstring(button));
}
bool Key(const std::wstring& keys) {
    return Run(L"key " + keys);
}
bool Type(const std::wstring& text) {
    return Run(L"type --delay 20 '" + text + L"'");
}
} // namespace xdo

bool SaveScreenshot(const std::wstring& unixPath) {
    return RunUnixToEnd(L"/usr/bin/import -window root \"" + unixPath + L"\"");
}

bool SaveScreenshot(const std::wstring& unixPath, const RECT& area) {
    const std::wstring geometry = std::to_wstring(area.right - area.left) + L"x" +
                                  std::to_wstring(area.bottom - area.top) + L"+" +
                                  std::to_wstring(area.left) + L"+" + std::to_wstring(area.top);
    return RunUnixToEnd(L"/usr/bin/import -window root -crop " + geometry + L" +repage \"" + unixPath +
                        L"\"");
}

} // namespace harness
