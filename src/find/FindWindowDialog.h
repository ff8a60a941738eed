#pragma once
// "Find Window": a modeless tool window that lists the windows a typed target names (a handle, a
// point, or criteria), searched again shortly after each change, off the window's thread. A match
// chosen from the list is listed by the owner as a finished pick.

#include "common/ToolWindowOwner.h"
#include "find/WindowSearch.h"
#include "framework/ListView.h"
#include "framework/ModelessDialog.h"
#include "framework/WindowView.h"

#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CFindWindowDialog : public CModelessDialog {
    DECLARE_MESSAGE_MAP()

public:
    explicit CFindWindowDialog(ToolWindowOwner& owner);
    ~CFindWindowDialog() override;

    // Searches for what the box and the check boxes say now, without the pause after typing.
    void SearchNow();
    // Whether a search has started whose matches have not arrived yet.
    bool Searching() const { return m_pending != nullptr; }
    // The matches the list shows, in its order.
    const std::vector<FoundWindow>& Matches() const { return m_matches; }
    // Tells the owner to list the match at `index` as a finished pick.
    void ChooseMatch(int index);
    // Puts the keyboard focus in the target box with its text selected, ready for a new target.
    void FocusTarget();

    static constexpr UINT kSearchDone = WM_APP + 1; // wParam: the search's id
    static constexpr UINT_PTR kPauseTimer = 1;
    static constexpr UINT kPauseMs = 250;

    // What one search shares between the window's thread and the thread searching: the dialog may
    // go while the search runs, and the search must not outlive its results' owner either.
    struct Search;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    BOOL PreTranslateMessage(MSG* message) override;
    void OnDestroy();
    void OnSize(UINT type, int cx, int cy);
    void WidenColumns();
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnTimer(UINT_PTR id);
    void OnCriteriaChanged();
    LRESULT OnSearchDone(WPARAM id, LPARAM);
    LRESULT OnGetDispInfo(NMLVDISPINFOW* info);
    LRESULT OnListDoubleClick(NMITEMACTIVATE* activate);

private:
    void ShowMatches(SearchResult result);
    void SetCount(const std::wstring& text);
    std::wstring CellText(const FoundWindow& match, int column) const;

    ToolWindowOwner& m_owner;
    CWindowView m_wndTarget;
    CListView m_wndList;
    CWindowView m_wndCount;
    std::vector<FoundWindow> m_matches;
    std::shared_ptr<Search> m_pending;
    std::uint64_t m_lastId = 0;
    // The client size and control rectangles of the template, from which a resize is measured.
    SIZE m_initialClient{};
    SIZE m_minTrack{};
    RECT m_initialRects[5]{};
    int m_initialColumnWidths[4]{}; // as the samples made them
};
