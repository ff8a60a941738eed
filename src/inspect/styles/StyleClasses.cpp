#include "inspect/styles/StyleClasses.h"

#include "common/AsciiCase.h"
#include "inspect/styles/CommonControlStyleTables.h"
#include "inspect/styles/ControlExtendedStyleTables.h"
#include "inspect/styles/RichEditStyleTables.h"
#include "inspect/styles/StandardControlStyleTables.h"

namespace orvex {

namespace {

constexpr std::uint32_t kTbGetExtendedStyle = 0x0455;
constexpr std::uint32_t kLvmGetExtendedListViewStyle = 0x1037;
constexpr std::uint32_t kTvmGetExtendedStyle = 0x112D;
constexpr std::uint32_t kCbemGetExtendedStyle = 0x0409;
constexpr std::uint32_t kTcmGetExtendedStyle = 0x1335;
constexpr std::uint32_t kEmGetEditStyleEx = 0x0514;

constexpr StyleClass kClasses[] = {
    {L"#32770", &kDsTable, 0, nullptr, nullptr},
    {L"SysHeader32", &kHdsTable, 0, nullptr, nullptr},
    {L"ToolbarWindow32", &kTbstyleTable, kTbGetExtendedStyle, &kTbstyleExTable, nullptr},
    {L"ReBarWindow32", &kRbsTable, 0, nullptr, nullptr},
    {L"tooltips_class32", &kTtsTable, 0, nullptr, nullptr},
    {L"msctls_statusbar32", &kSbarsTable, 0, nullptr, nullptr},
    {L"msctls_trackbar32", &kTbsTable, 0, nullptr, nullptr},
    {L"msctls_updown32", &kUdsTable, 0, nullptr, nullptr},
    {L"msctls_progress32", &kPbsTable, 0, nullptr, nullptr},
    {L"SysListView32", &kLvsTable, kLvmGetExtendedListViewStyle, &kLvsExTable, nullptr},
    {L"SysTreeView32", &kTvsTable, kTvmGetExtendedStyle, &kTvsExTable, nullptr},
    {L"ComboBoxEx32", &kCbsTable, kCbemGetExtendedStyle, &kCbesExTable, nullptr},
    {L"SysTabControl32", &kTcsTable, kTcmGetExtendedStyle, &kTcsExTable, nullptr},
    {L"SysAnimate32", &kAcsTable, 0, nullptr, nullptr},
    {L"SysMonthCal32", &kMcsTable, 0, nullptr, nullptr},
    {L"SysDateTimePick32", &kDtsTable, 0, nullptr, nullptr},
    {L"SysPager", &kPgsTable, 0, nullptr, nullptr},
    {L"SysLink", &kLwsTable, 0, nullptr, nullptr},
    {L"BUTTON", &kBsTable, 0, nullptr, nullptr},
    {L"STATIC", &kSsTable, 0, nullptr, nullptr},
    {L"EDIT", &kEsTable, 0, nullptr, nullptr},
    {L"LISTBOX", &kLbsTable, 0, nullptr, nullptr},
    {L"COMBOBOX", &kCbsTable, 0, nullptr, nullptr},
    {L"SCROLLBAR", &kSbsTable, 0, nullptr, nullptr},
    {L"RICHEDIT50W", &kEsTable, kEmGetEditStyleEx, &kSesExTable, &kSesTable},
    {L"RichEdit20A", &kEsTable, kEmGetEditStyleEx, &kSesExTable, &kSesTable},
    {L"RICHEDIT", &kEsTable, kEmGetEditStyleEx, &kSesExTable, &kSesTable},
    {L"RichEdit20W", &kEsTable, kEmGetEditStyleEx, &kSesExTable, &kSesTable},
};

} // namespace

std::span<const StyleClass> StyleClasses() {
    return kClasses;
}

const StyleClass* FindStyleClass(std::wstring_view className) {
    for (const StyleClass& entry : kClasses) {
        if (EqualsAsciiNoCase(className, entry.className))
            return &entry;
    }
    return nullptr;
}

} // namespace orvex
