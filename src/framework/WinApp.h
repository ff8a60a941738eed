#pragma once
// The application object: program entry, main window, names, and the registry profile.

#include "CmdTarget.h"

#include <string>
#include <vector>

class CWnd;

class CWinApp : public CCmdTarget {
    DECLARE_MESSAGE_MAP()

public:
    CWinApp();
    ~CWinApp() override;

    // Runs the program; returning FALSE skips the message loop and goes straight to ExitInstance.
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // The registry root becomes HKEY_CURRENT_USER\Software\<company>\<profile name>; the profile name
    // starts as the application name.
    void SetRegistryKey(const wchar_t* company);
    UINT GetProfileInt(const wchar_t* section, const wchar_t* entry, int defaultValue) const;
    BOOL WriteProfileInt(const wchar_t* section, const wchar_t* entry, int value) const;
    // False when the value is absent or is not binary data.
    bool GetProfileBinary(const wchar_t* section, const wchar_t* entry, std::vector<BYTE>& data) const;
    BOOL WriteProfileBinary(const wchar_t* section, const wchar_t* entry, const void* data, UINT size) const;
    // "Software\<company>\<profile>", or empty while no registry key was set.
    std::wstring GetProfileKeyPath() const;

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    std::wstring m_appName;
    std::wstring m_profileName;
    std::wstring m_registryKey;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();

// Runs the application object: what the program's entry point does.
int AfxWinMain(HINSTANCE instance);
