#pragma once
// The property list of the main window: two columns (property, value), rows sorted into
// groups, colours and indent by row kind, a centred message while the list is empty, and copying
// of the selected value.

#include "framework/Controls.h"
#include "framework/Handles.h"
#include "inspect/PropertySink.h"

#include <string>

// What the list tells its parent. Its context menu: before it shows, the parent enables, greys and
// checks the items beyond Copy (PVN_PREPAREMENU), and a chosen one reaches it as WM_COMMAND. A row
// naming a window was double-clicked (PVN_GOTOWINDOW).
constexpr UINT PVN_PREPAREMENU = 0x5001;
constexpr UINT PVN_GOTOWINDOW = 0x5002;

struct NMPROPERTYMENU {
    NMHDR hdr;
    HMENU menu;
};

struct NMPROPERTYWINDOW {
    NMHDR hdr;
    HWND window;
};

// The font of the message shown while the list is empty, for a window at `dpi`.
fw::UniqueFont EmptyTextFont(int dpi);

class CPropertiesView : public CListCtrl, public PropertySink {
    DECLARE_MESSAGE_MAP()

public:
    CPropertiesView() = default;

    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    // The marker, the indent and the empty list's message drawn for `dpi`.
    void SetDpi(int dpi);
    // The name column as wide as its widest name, indent included.
    void FitNameColumn();
    // The value column to the end of the list's client area as it is now, so the columns fit it
    // exactly: no horizontal scroll bar shows for a few pixels.
    void FitValueColumn();

    // A refill keeps the rows the user scrolled to when it lists the same window again; any other
    // starts at the top. BeginRefill tells which before the rows go; EndRefill, once the list draws
    // again (only then does it show or hide its scroll bars), fits the value column and scrolls.
    void BeginRefill(bool sameWindow);
    void EndRefill();
    int AddProperty(int group, const std::wstring& name, const std::wstring& value, int kind) override;
    // Replaces the message painted while the list is empty; does not repaint by itself.
    void SetEmptyText(const std::wstring& text) { m_emptyText = text; }
    const std::wstring& GetEmptyText() const { return m_emptyText; }
    void CopySelectedValue();

    // Where the list control draws no groups, each group's header is shown as a heading row of its
    // own before the group's first row. Decided at creation by asking the control; tests may force it.
    bool UsesHeadingRows() const { return m_headingRows; }
    void SetHeadingRows(bool on) { m_headingRows = on; }
    bool IsHeadingRow(int item) const;

    // The value colour of a row kind (its name colour is fixed per kind too).
    static COLORREF GetKindColor(int kind);
    static COLORREF GetKindNameColor(int kind);

protected:
    int OnCreate(CREATESTRUCTW* create);
    void OnPaint();
    LRESULT OnCustomDraw(NMLVCUSTOMDRAW* draw);
    LRESULT OnDeleteAllItems(NMLISTVIEW* change);
    void OnContextMenu(HWND window, POINT point);
    void OnKeyDown(UINT virtualKey, UINT repeat, UINT flags);
    void OnCopy();
    LRESULT OnItemChanging(NMLISTVIEW* change);
    LRESULT OnItemChanged(NMLISTVIEW* change);
    LRESULT OnSkipHeading(WPARAM item, LPARAM);
    LRESULT OnDoubleClick(NMITEMACTIVATE* activate);
    LRESULT OnUserScroll(WPARAM, LPARAM);
    void OnSize(UINT type, int cx, int cy);

private:
    int AddHeadingRow(int group);
    HFONT HeadingFont(HDC dc);

    std::wstring m_emptyText;
    bool m_headingRows = false;
    unsigned m_groupsWithHeading = 0; // bit per group id, for the current listing
    int m_lastSelectedRow = -1;       // tells which way the selection travels over a heading
    fw::UniqueFont m_headingFont;
    fw::UniqueFont m_emptyTextFont;
    int m_markerWidth = 0;
    int m_widestIndentedName = 0; // pixels, marker and indent included, of the listing shown
    int m_dpi = 96;
    bool m_userScrolled = false; // by the scroll bar, the wheel or a key since the last new window
    int m_refillTopRow = 0;
};
