#pragma once
// The property list of the main window: two columns (property, value), rows sorted into five
// groups, colours and indent by row kind, a centred message while the list is empty, and copying
// of the selected value.

#include "framework/Controls.h"
#include "inspect/PropertySink.h"

#include <string>

class CPropertiesView : public CListCtrl, public PropertySink {
    DECLARE_MESSAGE_MAP()

public:
    CPropertiesView() = default;

    BOOL Create(DWORD style, const RECT& rect, HWND parent, UINT id);
    int AddProperty(int group, const std::wstring& name, const std::wstring& value, int kind) override;
    // Replaces the message painted while the list is empty; does not repaint by itself.
    void SetEmptyText(const std::wstring& text) { m_emptyText = text; }
    const std::wstring& GetEmptyText() const { return m_emptyText; }
    void CopySelectedValue();

    // The value colour of a row kind (its name colour is fixed per kind too).
    static COLORREF GetKindColor(int kind);
    static COLORREF GetKindNameColor(int kind);

protected:
    int OnCreate(CREATESTRUCTW* create);
    void OnPaint();
    LRESULT OnCustomDraw(NMHDR* header);
    LRESULT OnDeleteItem(NMHDR* header);
    void OnContextMenu(HWND window, POINT point);
    void OnKeyDown(UINT virtualKey, UINT repeat, UINT flags);
    void OnCopy();

private:
    std::wstring m_emptyText;
};
