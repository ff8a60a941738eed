#pragma once
// The real main dialog, created modelessly in the test process with a real application object
// whose registry profile is a throw-away key of its own.

#include "app/OrvexApp.h"
#include "harness/Wait.h"
#include "maindlg/MainDialog.h"
#include "maindlg/MainDialogTestView.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace maindlg_test {

// Everything the tests store lives below HKCU\Software\<this>.
constexpr wchar_t kTestCompany[] = L"OrvexIntegrationTests";
constexpr wchar_t kTestCompanyKey[] = L"Software\\OrvexIntegrationTests";
constexpr wchar_t kTestProfileKey[] = L"Software\\OrvexIntegrationTests\\Orvex\\1.2";

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestCompanyKey);
        app.m_hInstance = ::GetModuleHandleW(nullptr);
        app.SetRegistryKey(kTestCompany);
        app.m_appName = L"Orvex";
        app.m_profileName = L"Orvex\\1.2";
    }
    void TearDown() override {
        CloseDialog();
        app.m_pMainWnd = nullptr;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kTestCompanyKey);
    }

    // Creates the main dialog as the application's main window; false when it did not open.
    bool OpenDialog() {
        CloseDialog();
        dialog = std::make_unique<CMainDialog>(app.m_settings);
        app.m_pMainWnd = dialog.get();
        if (!dialog->Create(IDD_ORVEX_DIALOG))
            return false;
        harness::PumpMessages();
        return true;
    }
    // Destroys the window (which saves the placement) and the object.
    void CloseDialog() {
        if (dialog && dialog->m_hWnd)
            dialog->DestroyWindow();
        dialog.reset();
        harness::PumpMessages();
    }

    HWND Main() const { return dialog->m_hWnd; }
    MainDialogTestView Inside() const { return {*dialog}; }
    CPropertiesView& View() const { return Inside().Properties(); }

    // Presses a toolbar button as the mouse would, so the command travels the real way to the dialog.
    static void ClickToolBarButton(const CToolBarCtrl& toolBar, int index) {
        RECT rect{};
        toolBar.GetItemRect(index, &rect);
        const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        toolBar.SendMessage(WM_MOUSEMOVE, 0, at);
        toolBar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        toolBar.SendMessage(WM_LBUTTONUP, 0, at);
        harness::PumpMessages();
    }

    struct ButtonLabel {
        std::wstring text;
        int image = -2;
    };
    // The label and image of the button at `index`, read by position.
    static ButtonLabel ReadButton(const CToolBarCtrl& toolBar, int index) {
        wchar_t text[128] = {};
        TBBUTTONINFOW info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_BYINDEX | TBIF_TEXT | TBIF_IMAGE;
        info.pszText = text;
        info.cchText = 128;
        if (!toolBar.GetButtonInfo(index, info))
            return {};
        return {text, info.iImage};
    }

    COrvexApp app;
    std::unique_ptr<CMainDialog> dialog;
};

// Values straight from the test profile, bypassing the code under test.
inline std::optional<DWORD> ReadProfileDword(const wchar_t* section, const wchar_t* name) {
    const std::wstring key = std::wstring(kTestProfileKey) + L"\\" + section;
    DWORD type = 0, value = 0, size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, &type, &value, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return std::nullopt;
    return value;
}

inline std::optional<std::vector<BYTE>> ReadProfileBinary(const wchar_t* section, const wchar_t* name) {
    const std::wstring key = std::wstring(kTestProfileKey) + L"\\" + section;
    DWORD type = 0, size = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_BINARY)
        return std::nullopt;
    std::vector<BYTE> data(size);
    if (size && ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_ANY, &type, data.data(), &size) !=
                    ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return data;
}

inline bool WriteProfileDword(const wchar_t* section, const wchar_t* name, DWORD value) {
    const std::wstring key = std::wstring(kTestProfileKey) + L"\\" + section;
    return ::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_DWORD, &value, sizeof(value)) ==
           ERROR_SUCCESS;
}

inline bool WriteProfileBinary(const wchar_t* section, const wchar_t* name, const void* data, DWORD size) {
    const std::wstring key = std::wstring(kTestProfileKey) + L"\\" + section;
    return ::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_BINARY, data, size) == ERROR_SUCCESS;
}

} // namespace maindlg_test
