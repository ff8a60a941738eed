#pragma once
// "Message Log": a modeless tool window beside the main window that lists the messages the
// selected window receives, as they happen. It logs the window its owner lists after a finished
// pick, never a window the pointer merely crosses.

#include "common/ToolWindowOwner.h"
#include "framework/Controls.h"
#include "framework/Handles.h"
#include "framework/ModelessDialog.h"
#include "framework/ToolBarKeyboard.h"
#include "msglog/LogLineText.h"
#include "msglog/LogLines.h"
#include "msglog/LogNameCache.h"
#include "msglog/MessageFilter.h"
#include "msglog/MessageLogSession.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CMessageLogDialog : public CModelessDialog, public SelectionFollower {
    DECLARE_MESSAGE_MAP()

public:
    // `filter`: what the hooks leave out; `capacity`: the newest lines kept, older ones leave from
    // the top.
    explicit CMessageLogDialog(ToolWindowOwner& owner, orvex::MessageFilter filter = {},
                               std::size_t capacity = orvex::LogLines::kDefaultCapacity);
    ~CMessageLogDialog() override;

    // Logs `hwnd` from now on (null: none); a line in the log names the new target.
    void SetTarget(HWND hwnd);
    HWND Target() const { return m_target; }
    // Follows finished picks only, never a window the pointer merely crosses.
    void SelectionChanged(HWND window, Selection kind) override;
    const orvex::LogLines& Lines() const { return m_lines; }
    // What the status bar counts since the log was opened or cleared: messages taken in, and
    // messages the logged program could not hand over.
    std::uint64_t Seen() const { return m_seen; }
    std::uint64_t Dropped() const { return m_dropped; }
    // Whether a session is hooked into the target now (not stopped, not refused).
    bool Logging() const { return m_session.Active(); }
    // Takes what waits in the rings into the list now, as the timer does.
    void Drain();
    // The window's width that shows every column whole.
    int WidthForColumns() const;
    // What the log leaves out, as the user last set it.
    const orvex::MessageFilter& Filter() const { return m_filter; }
    void SetFilter(const orvex::MessageFilter& filter);
    // Writes the lines (the selected ones, or all) to `path` as UTF-8, tab-separated, the column
    // names first; false, with the reason in the thread's last error, when it could not.
    [[nodiscard]] bool SaveTo(const std::wstring& path, bool selectedOnly);
    // Where the window stood in its normal state, kept when it goes for its owner to store.
    const RECT& NormalRect() const { return m_normalRect; }

    static constexpr UINT_PTR kDrainTimer = 1;
    static constexpr UINT kDrainPeriodMs = 50;
    // The least time between two fresh starts after damage to the log's shared memory.
    static constexpr ULONGLONG kRenewPeriodMs = 1000;

protected:
    BOOL OnInitDialog() override;
    int OnCreate(CREATESTRUCTW* create);
    void OnSize(UINT type, int cx, int cy);
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnStartStop();
    void OnClear();
    void OnScopeChanged();
    LRESULT OnGetDispInfo(NMLVDISPINFOW* info);
    LRESULT OnListKeyDown(NMLVKEYDOWN* key);
    LRESULT OnListCustomDraw(NMLVCUSTOMDRAW* draw);
    LRESULT OnListDoubleClick(NMITEMACTIVATE* activate);
    LRESULT OnToolBarDropDown(NMTOOLBARW* dropDown);
    void OnFilter();
    void OnSaveAll();
    void OnSaveSelected();
    void OnCopyCommand();
    void UpdateCopyCommand();

private:
    bool CreateToolBar();
    bool CreateList();
    void SizeColumns();
    int Scaled(int pixels) const; // `pixels` at 96 DPI at the log's DPI
    void OnDpiChanged(int dpi, const RECT& suggested);
    void DrawNote(HDC dc, int item, const orvex::LogLine& line);
    void Begin();
    // Makes `change`, which adds lines and may push old ones out at the top, then shows the lines
    // as the reader had them: one following the newest line goes on following it, one reading
    // older lines keeps them in view. `change` tells whether it added any.
    template <class Change> void ChangeLines(Change change);
    void ShowLines(bool following, std::uint64_t trimmedBefore);
    bool FollowingNewest() const;
    void UpdateStatus();
    void CopySelection();
    void Save(bool selectedOnly);
    std::vector<size_t> SelectedIndexes() const;
    std::wstring Describe(HWND hwnd);
    // The target as the status line names it, read once per target: reading another program's name
    // on every tick would cost each tick a read of that program's memory.
    std::wstring m_targetText;

    ToolWindowOwner& m_owner;
    CToolBarCtrl m_wndToolBar;
    CToolBarKeyboard m_toolBarKeys;
    CWindowView m_wndScope;
    CListView m_wndList;
    CWindowView m_wndStatus;
    MessageLogSession m_session;
    orvex::LogLines m_lines;
    orvex::LogTextContext m_text;
    HWND m_target = nullptr;
    orvex::LogScope m_scope = orvex::LogScope::Window;
    orvex::MessageFilter m_filter;
    bool m_running = true;
    // Since the log was opened or cleared; the session's own counts start again with each target.
    std::uint64_t m_seen = 0;
    std::uint64_t m_dropped = 0;
    std::uint64_t m_sessionDropped = 0; // of the session's drops, those counted in m_dropped
    ULONGLONG m_renewedAt = 0;          // the tick count of the last fresh start after damage
    LogNameCache m_names;
    RECT m_normalRect{};
    int m_dpi = 96;
    fw::UniqueFont m_font; // the list's font made again after a change of DPI
};
