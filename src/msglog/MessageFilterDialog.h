#pragma once
// "Message Filter": the modal dialog in which the user chooses what the message log leaves out, or
// in the Show-only mode the only messages it shows: whole categories by their boxes and single
// messages by name or number. It works on a copy; Filter() is the user's choice after OK and the
// filter it was opened with otherwise.

#include "framework/Dialog.h"
#include "framework/WindowView.h"
#include "msglog/MessageFilter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CMessageFilterDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    CMessageFilterDialog(CWnd* parent, orvex::MessageFilter filter);

    const orvex::MessageFilter& Filter() const { return m_filter; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnMessageEdited();
    void OnMessageChosen();
    void OnMessageFocused();
    void OnMessageLeft();
    void OnAdd();
    void OnRemove();
    void OnExcludedSelected();
    void OnShowAll();
    void OnModeChosen(UINT id);

private:
    // The message the text names when it may be added: known, not listed yet, and room left.
    std::optional<std::uint32_t> AddableMessage(const std::wstring& text) const;
    void ShowCategories(std::uint32_t shown);
    std::uint32_t CheckedCategories() const;
    void ShowMode(orvex::FilterMode mode);
    void FillExcludedList();
    void UpdateButtons(const std::wstring& messageText);

    orvex::MessageFilter m_filter;
    std::vector<std::uint32_t> m_excluded; // the list being edited, in the order it shows
    orvex::FilterMode m_mode;              // the mode the buttons show
    CWindowView m_wndMessage;
    CWindowView m_wndExcluded;
};
