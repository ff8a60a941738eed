#pragma once
// The real window tree, opened by the real main dialog's command in the test process, with helpers
// that read its nodes and records and watch for its popups.

#include "harness/TestText.h"
#include "harness/Wait.h"
#include "harness/WindowWatcher.h"
#include "maindlg/MainDialogFixture.h"
#include "select/WindowTreeDialog.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace tree_test {

struct TreeNodeInfo {
    HTREEITEM item = nullptr;
    HTREEITEM parent = nullptr;
    std::wstring label;
    int image = -1;
    int selectedImage = -1;
    LPARAM data = -1;
    bool expanded = false;
};

// "(%08Xh, ...": the handle as the tree writes it.
using harness::HandleDigits;

class WindowTreeTest : public maindlg_test::MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(OpenDialog());
    }

    // The main dialog's "Display Window Tree View", as its toolbar button sends it.
    CWindowTreeDialog* OpenTree() {
        dialog->SendMessage(WM_COMMAND, ID_VIEW_WINDOW_TREE);
        harness::PumpMessages();
        return Inside().Tree();
    }
    CWindowTreeDialog& Tree() const { return *Inside().Tree(); }
    const CTreeCtrl& TreeCtrl() const { return Tree().m_wndTree; }
    // A command to the tree window, then its posted aftermath.
    void TreeCommand(UINT id) {
        Tree().SendMessage(WM_COMMAND, id);
        harness::PumpMessages();
    }

    TreeNodeInfo Info(HTREEITEM item) const {
        wchar_t text[512] = {};
        TVITEMW tv{};
        tv.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
        tv.hItem = item;
        tv.pszText = text;
        tv.cchTextMax = 512;
        tv.stateMask = TVIS_EXPANDED;
        TreeNodeInfo info;
        if (!TreeCtrl().SendMessage(TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&tv)))
            return info;
        info.item = item;
        info.parent = TreeCtrl().GetNextItem(item, TVGN_PARENT);
        info.label = text;
        info.image = tv.iImage;
        info.selectedImage = tv.iSelectedImage;
        info.data = tv.lParam;
        info.expanded = (tv.state & TVIS_EXPANDED) != 0;
        return info;
    }
    // Every node, each before its children.
    std::vector<TreeNodeInfo> AllNodes() const {
        std::vector<TreeNodeInfo> nodes;
        CollectNodes(Root(), nodes);
        return nodes;
    }
    void CollectNodes(HTREEITEM first, std::vector<TreeNodeInfo>& nodes) const {
        for (HTREEITEM item = first; item; item = TreeCtrl().GetNextItem(item, TVGN_NEXT)) {
            nodes.push_back(Info(item));
            CollectNodes(TreeCtrl().GetNextItem(item, TVGN_CHILD), nodes);
        }
    }
    std::vector<HTREEITEM> Children(HTREEITEM item) const {
        std::vector<HTREEITEM> children;
        for (HTREEITEM child = TreeCtrl().GetNextItem(item, TVGN_CHILD); child;
             child = TreeCtrl().GetNextItem(child, TVGN_NEXT))
            children.push_back(child);
        return children;
    }
    HTREEITEM Root() const { return TreeCtrl().GetNextItem(nullptr, TVGN_ROOT); }
    // The window a node stands for, read through its record; null for a process node.
    HWND WindowOf(HTREEITEM item) const {
        const TREEITEMDATA* record = Tree().RecordOf(item);
        return record && record->nKind == ITEM_WINDOW ? reinterpret_cast<HWND>(record->dwValue) : nullptr;
    }
    // The nodes whose record names the window.
    std::vector<HTREEITEM> NodesOf(HWND hwnd) const {
        std::vector<HTREEITEM> found;
        for (const TreeNodeInfo& node : AllNodes())
            if (WindowOf(node.item) == hwnd)
                found.push_back(node.item);
        return found;
    }
    HTREEITEM NodeOf(HWND hwnd) const {
        std::vector<HTREEITEM> found = NodesOf(hwnd);
        return found.size() == 1 ? found.front() : nullptr;
    }
    HTREEITEM ProcessNode(DWORD processId) const {
        for (HTREEITEM item : Children(Root())) {
            const TREEITEMDATA* record = Tree().RecordOf(item);
            if (record && record->nKind == ITEM_PROCESS && record->dwValue == processId)
                return item;
        }
        return nullptr;
    }
};

// A message box of this process: a dialog captioned with the program's name other than the given
// windows (the main dialog); read, then answered with OK. The caption is read without a message:
// the test thread may be waiting for the watch to end and answers none.
struct MessageBoxSeen {
    std::wstring caption;
    std::wstring text;
};

inline std::unique_ptr<harness::WindowWatcher>
WatchForMessageBox(MessageBoxSeen& seen, std::vector<HWND> others, DWORD timeoutMs = 5000) {
    return std::make_unique<harness::WindowWatcher>(
        [others](HWND hwnd) {
            wchar_t caption[16] = {};
            if (!harness::IsOwnVisibleWindowOfClass(hwnd, L"#32770") ||
                !::InternalGetWindowText(hwnd, caption, 16) || std::wstring(caption) != L"Orvex")
                return false;
            for (HWND other : others)
                if (hwnd == other)
                    return false;
            return true;
        },
        [&seen](HWND box) {
            wchar_t caption[64] = {};
            ::GetWindowTextW(box, caption, 64);
            seen.caption = caption;
            seen.text = harness::StaticTexts(box);
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
        timeoutMs);
}

// A popup menu of this process: its items and check marks are read, then the keys are posted to it
// (its modal loop reads the whole thread queue): virtual keys as key presses, letters as characters.
struct PopupSeen {
    RECT rect{};
    std::vector<std::wstring> items;
    std::vector<bool> checked;
};

inline std::unique_ptr<harness::WindowWatcher> WatchForPopup(PopupSeen& seen, std::vector<WPARAM> keys,
                                                             DWORD timeoutMs = 5000) {
    return std::make_unique<harness::WindowWatcher>(
        [](HWND hwnd) { return harness::IsOwnVisibleWindowOfClass(hwnd, L"#32768"); },
        [&seen, keys](HWND popup) {
            ::GetWindowRect(popup, &seen.rect);
            if (auto menu = reinterpret_cast<HMENU>(::SendMessageW(popup, MN_GETHMENU, 0, 0))) {
                for (int i = 0, count = ::GetMenuItemCount(menu); i < count; ++i) {
                    wchar_t text[64] = {};
                    ::GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
                    std::wstring shown = text;
                    std::erase(shown, L'&'); // the marks of the access keys
                    seen.items.push_back(shown);
                    seen.checked.push_back(
                        (::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0);
                }
            }
            for (WPARAM key : keys) {
                const bool letter = key >= 'a' && key <= 'z';
                ::PostMessageW(popup, letter ? WM_CHAR : WM_KEYDOWN, key, 0);
            }
        },
        timeoutMs);
}

} // namespace tree_test
