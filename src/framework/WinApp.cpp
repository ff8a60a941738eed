#include "WinApp.h"

#include "Handles.h"
#include "Wnd.h"

namespace {
CWinApp* g_app = nullptr;

std::wstring ModuleBaseName(HINSTANCE instance) {
    wchar_t path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameW(instance, path, MAX_PATH);
    std::wstring name(path, length);
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos)
        name.erase(dot);
    return name;
}
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this)
        g_app = nullptr;
}

CWinApp* AfxGetApp() {
    return g_app;
}

HINSTANCE AfxGetInstanceHandle() {
    return g_app && g_app->m_hInstance ? g_app->m_hInstance : ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

BOOL CWinApp::InitInstance() {
    if (m_appName.empty())
        m_appName = ModuleBaseName(m_hInstance);
    return TRUE;
}

int CWinApp::Run() {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!CWnd::WalkPreTranslateTree(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::SetRegistryKey(const wchar_t* company) {
    m_registryKey = company ? company : L"";
    m_profileName = m_appName;
}

std::wstring CWinApp::GetProfileKeyPath() const {
    if (m_registryKey.empty() || m_profileName.empty())
        return {};
    return L"Software\\" + m_registryKey + L"\\" + m_profileName;
}

namespace {
fw::UniqueRegKey OpenSection(const std::wstring& root, const wchar_t* section, bool create) {
    if (root.empty())
        return {};
    std::wstring path = root + L"\\" + section;
    HKEY key = nullptr;
    LSTATUS status = create ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                                KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
                            : ::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    return fw::UniqueRegKey(status == ERROR_SUCCESS ? key : nullptr);
}
} // namespace

UINT CWinApp::GetProfileInt(const wchar_t* section, const wchar_t* entry, int defaultValue) const {
    fw::UniqueRegKey key = OpenSection(GetProfileKeyPath(), section, false);
    if (!key)
        return static_cast<UINT>(defaultValue);
    DWORD type = 0, value = 0, size = sizeof(value);
    if (::RegQueryValueExW(key.get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return static_cast<UINT>(defaultValue);
    return value;
}

BOOL CWinApp::WriteProfileInt(const wchar_t* section, const wchar_t* entry, int value) const {
    fw::UniqueRegKey key = OpenSection(GetProfileKeyPath(), section, true);
    if (!key)
        return FALSE;
    DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExW(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof(data)) == ERROR_SUCCESS;
}

bool CWinApp::GetProfileBinary(const wchar_t* section, const wchar_t* entry, std::vector<BYTE>& data) const {
    data.clear();
    fw::UniqueRegKey key = OpenSection(GetProfileKeyPath(), section, false);
    if (!key)
        return false;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(key.get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return false;
    data.resize(size);
    if (size && ::RegQueryValueExW(key.get(), entry, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
        data.clear();
        return false;
    }
    data.resize(size);
    return true;
}

BOOL CWinApp::WriteProfileBinary(const wchar_t* section, const wchar_t* entry, const void* data,
                                 UINT size) const {
    fw::UniqueRegKey key = OpenSection(GetProfileKeyPath(), section, true);
    if (!key)
        return FALSE;
    return ::RegSetValueExW(key.get(), entry, 0, REG_BINARY, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

int AfxWinMain(HINSTANCE instance) {
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = instance;
    int result = 0;
    if (app->InitInstance())
        result = app->Run();
    int exitCode = app->ExitInstance();
    return result ? result : exitCode;
}
