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

// What a self-deleting dialog saw of itself; kept outside the object, which does not outlive it.
// What the handlers record starts at the failing answer, so a handler that never ran does not pass.
struct SelfDeletion {
    bool deleted = false;
    bool deletedWhenDestroyReturned = true;
    bool handleKeptWhenDestroyReturned = true;
    bool deletedWhenInnerReturned = true;
};

constexpr UINT kCloseFromInside = WM_APP + 1;

class CSelfDeletingDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit CSelfDeletingDialog(SelfDeletion* record) : CDialog(IDD_TEST_DIALOG), m_record(record) {}
    ~CSelfDeletingDialog() override { m_record->deleted = true; }

protected:
    void PostNcDestroy() override { delete this; }

    // IDCANCEL ends a modeless dialog by destroying its window; the object must still be there
    // when that returns, with the window let go.
    void OnCancel() override {
        CDialog::OnCancel();
        m_record->deletedWhenDestroyReturned = m_record->deleted;
        m_record->handleKeptWhenDestroyReturned = m_hWnd != nullptr;
    }

    // Closes the dialog from inside a message sent from inside this one.
    LRESULT OnCloseFromInside(WPARAM, LPARAM) {
        ::SendMessageW(m_hWnd, WM_COMMAND, IDCANCEL, 0);
        m_record->deletedWhenInnerReturned = m_record->deleted;
        return 0;
    }

private:
    SelfDeletion* m_record;
};

BEGIN_MESSAGE_MAP(CSelfDeletingDialog, CDialog)
ON_MESSAGE(kCloseFromInside, OnCloseFromInside)
END_MESSAGE_MAP()

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
    SelfDeletion record;
    auto* dialog = new CSelfDeletingDialog(&record);
    ASSERT_TRUE(dialog->Create(IDD_TEST_DIALOG));
    HWND hwnd = dialog->m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), dialog);
    EXPECT_FALSE(record.deleted);
    ::DestroyWindow(hwnd);
    EXPECT_TRUE(record.deleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(CWnd::BoundWindowCount(), before);
}

TEST_F(DialogTest, ModelessDialogClosedFromInsideItsOwnMessagesIsDeletedOnlyAfterTheOutermostReturns) {
    SelfDeletion record;
    auto* dialog = new CSelfDeletingDialog(&record);
    ASSERT_TRUE(dialog->Create(IDD_TEST_DIALOG));
    HWND hwnd = dialog->m_hWnd;
    ::SendMessageW(hwnd, kCloseFromInside, 0, 0);
    EXPECT_FALSE(record.deletedWhenDestroyReturned) << "deleted inside its own command";
    EXPECT_FALSE(record.handleKeptWhenDestroyReturned) << "the object still names its destroyed window";
    EXPECT_FALSE(record.deletedWhenInnerReturned) << "deleted before the outer message returned";
    EXPECT_TRUE(record.deleted) << "not deleted once the outer message returned";
    EXPECT_FALSE(::IsWindow(hwnd));
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
