#pragma once
// "Change Window": a modeless tool window that shows the listed window's text, place, size, style
// words and state as read when it was picked, and changes them on request through the change
// engine, which never waits on the window's thread. It follows the listed window: another window
// is read afresh and starts a new undo list; the same one listed again keeps both. After each change
// the owner lists the window again, so the listing shows what the window now reports.

#include "change/ChangeEngine.h"
#include "common/ToolWindowOwner.h"
#include "framework/Handles.h"
#include "framework/ListView.h"
#include "framework/ModelessDialog.h"

#include <commctrl.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

class CChangeWindowDialog : public CModelessDialog, public SelectionFollower {
    DECLARE_MESSAGE_MAP()

public:
    CChangeWindowDialog(ToolWindowOwner& owner, HWND target);
    ~CChangeWindowDialog() override;

    // Shows `hwnd`'s values; a window other than the one shown starts a new undo list.
    void SetTarget(HWND hwnd);
    HWND Target() const { return m_target; }
    // Every window the owner lists reaches the tool as a step, so the steps are all it follows.
    void SelectionChanged(HWND window, Selection kind) override {
        if (kind == Selection::Step)
            SetTarget(window);
    }

    // What the tests read: the words the style list and boxes show, whether a change is under way,
    // and the status line.
    std::uint32_t ShownWord(orvex::StyleWord word) const {
        return word == orvex::StyleWord::Style ? m_style : m_exStyle;
    }
    bool Changing() const { return m_changing || !m_queue.empty(); }
    std::wstring Status() const;
    // Ticks or clears the name of the style list at `row`, as a click on its box does.
    void ToggleStyleRow(int row);
    // The list row of `name` in the list of `word`, or -1.
    int StyleRow(orvex::StyleWord word, std::wstring_view name) const;

    // The shortest the window may be: the style list still shows a few rows.
    int MinimumHeight() const { return m_minTrack.cy; }

    static constexpr UINT kChangeDone = WM_APP + 1; // StartWindowChange's outcome
    static constexpr UINT kTextRead =
        WM_APP + 2; // wParam: the reading's number; lParam: std::wstring* or null

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnDestroy();
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnSize(UINT type, int cx, int cy);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnSetText();
    void OnSetPlace();
    void OnApplyStyles();
    void OnStyleBoxChanged();
    void OnVisible();
    void OnEnabled();
    void OnTopMost();
    void OnMinimize();
    void OnMaximize();
    void OnRestore();
    void OnBringToTop();
    void OnCloseWindow();
    void OnUndoAll();
    LRESULT OnStyleListClick(NMITEMACTIVATE* click);
    LRESULT OnStyleListKey(NMLVKEYDOWN* key);
    LRESULT OnChangeDone(WPARAM target, LPARAM outcome);
    LRESULT OnTextRead(WPARAM reading, LPARAM text);

private:
    struct StyleRowData {
        orvex::StyleWord word = orvex::StyleWord::Style;
        orvex::StyleChoice choice;
        bool heading = false;
    };
    struct QueuedChange {
        orvex::WindowChange change;
        bool undoing = false; // puts a value back: not itself recorded for undo
    };

    // Reads every value of the target into the fields; the text arrives later, off this thread.
    void ReadTarget();
    void FillStyleList(const std::wstring& className);
    void ShowStyleWords(bool rewriteBoxes);
    void ShowValue(const orvex::ChangeValue& value);
    void SetCheck(int id, bool on);
    void EnableFields();
    void SetStatus(const std::wstring& text);
    // Queues the changes and starts the first when none is under way.
    void Queue(std::vector<QueuedChange> changes);
    void StartNext();
    void Queue(orvex::ChangeKind kind);
    // Reads `text` as a change; on a bad one shows why, puts the focus on `field`, and gives false.
    bool ReadChange(const std::wstring& text, int field, orvex::WindowChange& change);
    void MakeStateImages();
    void FitColumns();
    std::wstring FieldText(int id) const;
    // The parts' rectangles as the template made them, from which each resize is measured.
    void MeasureLayout();

    struct LaidOut {
        HWND part = nullptr;
        RECT rect{};
    };
    std::vector<LaidOut> m_layout;
    SIZE m_initialClient{};
    SIZE m_minTrack{};

    ToolWindowOwner& m_owner;
    HWND m_target = nullptr;
    std::wstring m_className;
    CListView m_wndStyles;
    std::vector<StyleRowData> m_rows;
    fw::UniqueImageList m_stateImages;
    int m_dpi = 96;
    std::uint32_t m_style = 0, m_exStyle = 0;      // as the list and the boxes show them
    orvex::ChangeValue m_readStyle, m_readExStyle; // as the window last reported them
    orvex::ChangeValue m_readPosition, m_readSize;
    orvex::ChangeValue m_readText;
    bool m_textKnown = false;
    bool m_fillingBoxes = false; // the boxes are written by the tool, not typed
    unsigned m_reading = 0;      // the number of the latest reading, which a text answer carries

    orvex::UndoList m_undo;
    std::vector<orvex::WindowChange> m_undoLeft; // of an Undo All that stopped, latest first
    std::deque<QueuedChange> m_queue;
    bool m_changing = false; // a change's outcome is awaited
    HWND m_changingTarget = nullptr;
    bool m_changingUndo = false;
    orvex::WindowChange m_current;
};
