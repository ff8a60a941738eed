#include "change/ChangeValue.h"

#include "common/ValueFormat.h"

namespace orvex {

std::wstring FormatChangeValue(const ChangeValue& value) {
    switch (value.property) {
    case ChangeProperty::Text:
        return value.text;
    case ChangeProperty::Style:
    case ChangeProperty::ExStyle:
        return FormatHex32(value.word);
    case ChangeProperty::Position:
    case ChangeProperty::Size:
        return std::to_wstring(value.x) + L"," + std::to_wstring(value.y);
    case ChangeProperty::Visible:
        return value.on ? L"visible" : L"hidden";
    case ChangeProperty::Enabled:
        return value.on ? L"enabled" : L"disabled";
    case ChangeProperty::TopMost:
        return value.on ? L"topmost" : L"not topmost";
    case ChangeProperty::Open:
        return value.on ? L"open" : L"closed";
    case ChangeProperty::ShowState:
        return value.word == kShownMinimized   ? L"minimized"
               : value.word == kShownMaximized ? L"maximized"
                                               : L"normal";
    case ChangeProperty::ZOrder:
        return value.on ? L"on top" : L"below others";
    }
    return {};
}

std::optional<WindowChange> RestoringChange(const ChangeValue& before) {
    WindowChange change;
    switch (before.property) {
    case ChangeProperty::Text:
        change.kind = ChangeKind::Text;
        change.text = before.text;
        return change;
    case ChangeProperty::Style:
    case ChangeProperty::ExStyle:
        change.kind = before.property == ChangeProperty::Style ? ChangeKind::Style : ChangeKind::ExStyle;
        change.setBits = before.word;
        change.clearBits = 0xFFFFFFFFu;
        return change;
    case ChangeProperty::Position:
    case ChangeProperty::Size:
        change.kind = before.property == ChangeProperty::Position ? ChangeKind::Position : ChangeKind::Size;
        change.x = before.x;
        change.y = before.y;
        return change;
    case ChangeProperty::Visible:
        change.kind = before.on ? ChangeKind::Show : ChangeKind::Hide;
        return change;
    case ChangeProperty::Enabled:
        change.kind = before.on ? ChangeKind::Enable : ChangeKind::Disable;
        return change;
    case ChangeProperty::TopMost:
        change.kind = before.on ? ChangeKind::TopMost : ChangeKind::NoTopMost;
        return change;
    case ChangeProperty::ShowState:
        change.kind = before.word == kShownMinimized   ? ChangeKind::Minimize
                      : before.word == kShownMaximized ? ChangeKind::Maximize
                                                       : ChangeKind::Restore;
        return change;
    case ChangeProperty::Open:
    case ChangeProperty::ZOrder:
        break;
    }
    return std::nullopt;
}

} // namespace orvex
