// Dialogs: creation order, modal ending by keyboard, self-deleting modeless dialogs, data exchange.
#include "framework/Dialog.h"
#include "framework/Resources.h"
#include "framework/TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CEventDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    CEventDialog() : CDialog(IDD_TEST_DIALOG) {}
    std::vector<std::string> events;
    UINT keyToPress = 0;
    int checked = 0;

    int OnCreate(CREATESTRUCTW*) {
        events.push_back("create");
        return static_cast<int>(Default());
    }
    BOOL OnInitDialog() override {
        events.push_back("initdialog");
        CDialog::OnInitDialog();
        if (keyToPress) {
            // Queued like real input: the modal loop's dialog navigation turns it into IDOK/IDCANCEL.
            HWND focus = GetDlgItem(IDC_TEST_EDIT);
            ::PostMessageW(focus, WM_KEYDOWN, keyToPress, 1);
            ::PostMessageW(focus, WM_KEYUP, keyToPress, 0xC0000001);
        }
        return TRUE;
    }
    void DoDataExchange(CDataExchange* dx) override { DDX_Check(dx, IDC_TEST_CHECK, checked); }
};

BEGIN_MESSAGE_MAP(CEventDialog, CDialog)
ON_WM_CREATE()
END_MESSAGE_MAP()

class CSelfDeletingDialog : public CDialog {
public:
    explicit CSelfDeletingDialog(bool* deleted) : CDialog(IDD_TEST_DIALOG), m_deleted(deleted) {}
    ~CSelfDeletingDialog() override { *m_deleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

private:
    bool* m_deleted;
};

class DialogTest : public ::testing::Test {
protected:
    CTestApp app;
};

TEST_F(DialogTest, TemplateDialogGetsCreateBeforeInitDialog) {
    CEventDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    ASSERT_EQ(dialog.events.size(), 2u);
    EXPECT_EQ(dialog.events[0], "create");
    EXPECT_EQ(dialog.events[1], "initdialog");
    dialog.DestroyWindow();
}

TEST_F(DialogTest, EnterAndEscEndAModalDialog) {
    CEventDialog okDialog;
    okDialog.keyToPress = VK_RETURN;
    EXPECT_EQ(okDialog.DoModal(), IDOK);
    EXPECT_EQ(okDialog.m_hWnd, nullptr) << "the window is destroyed when the loop returns";

    CEventDialog cancelDialog;
    cancelDialog.keyToPress = VK_ESCAPE;
    EXPECT_EQ(cancelDialog.DoModal(), IDCANCEL);
    EXPECT_EQ(cancelDialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, ModelessDialogDeletesItselfAfterItsWindowIsDestroyed) {
    size_t before = CWnd::BoundWindowCount();
    bool deleted = false;
    auto* dialog = new CSelfDeletingDialog(&deleted);
    ASSERT_TRUE(dialog->Create(IDD_TEST_DIALOG));
    HWND hwnd = dialog->m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), dialog);
    EXPECT_FALSE(deleted);
    ::DestroyWindow(hwnd);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(CWnd::BoundWindowCount(), before);
}

TEST_F(DialogTest, ModelessDialogClosedFromItsOwnCommandIsDeletedOnlyAfterTheCommandReturns) {
    bool deleted = false;
    auto* dialog = new CSelfDeletingDialog(&deleted);
    ASSERT_TRUE(dialog->Create(IDD_TEST_DIALOG));
    // IDCANCEL ends a modeless dialog by destroying it from inside its own WM_COMMAND.
    ::SendMessageW(dialog->m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(deleted);
}

TEST_F(DialogTest, CheckBoxExchangesWithItsMember) {
    CEventDialog dialog;
    dialog.checked = BST_CHECKED;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    EXPECT_EQ(::IsDlgButtonChecked(dialog.m_hWnd, IDC_TEST_CHECK), UINT(BST_CHECKED));
    ::CheckDlgButton(dialog.m_hWnd, IDC_TEST_CHECK, BST_UNCHECKED);
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.checked, BST_UNCHECKED);
    dialog.DestroyWindow();
}

TEST_F(DialogTest, StringResourcesLoadByIdAndMissingOnesAreEmpty) {
    EXPECT_EQ(LoadStringResource(IDS_TEST_TEXT), L"Framework test text");
    EXPECT_EQ(LoadStringResource(9999), L"");
    std::wstring kept = L"kept";
    EXPECT_FALSE(TryLoadStringResource(9999, kept));
    EXPECT_EQ(kept, L"kept");
}

} // namespace
