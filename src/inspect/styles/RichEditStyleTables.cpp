#include "inspect/styles/RichEditStyleTables.h"

#include "inspect/PropertySink.h"

namespace orvex {

namespace {

// Retired bits 0x08, 0x10, 0x20 and the top two bits have no name and reach the leftover row.
constexpr StyleStep kSesSteps[] = {
    Flag(L"SES_EMULATESYSEDIT", 0x00000001),
    Flag(L"SES_BEEPONMAXTEXT", 0x00000002),
    Flag(L"SES_EXTENDBACKCOLOR", 0x00000004),
    Flag(L"SES_USEAIMM", 0x00000040),
    Flag(L"SES_NOIME", 0x00000080),
    Flag(L"SES_ALLOWBEEPS", 0x00000100),
    Flag(L"SES_UPPERCASE", 0x00000200),
    Flag(L"SES_LOWERCASE", 0x00000400),
    Flag(L"SES_NOINPUTSEQUENCECHK", 0x00000800),
    Flag(L"SES_BIDI", 0x00001000),
    Flag(L"SES_SCROLLONKILLFOCUS", 0x00002000),
    Flag(L"SES_XLTCRCRLFTOCR", 0x00004000),
    Flag(L"SES_DRAFTMODE", 0x00008000),
    Flag(L"SES_USECTF", 0x00010000),
    Flag(L"SES_HIDEGRIDLINES", 0x00020000),
    Flag(L"SES_USEATFONT", 0x00040000),
    Flag(L"SES_CUSTOMLOOK", 0x00080000),
    Flag(L"SES_LBSCROLLNOTIFY", 0x00100000),
    Flag(L"SES_CTFALLOWEMBED", 0x00200000),
    Flag(L"SES_CTFALLOWSMARTTAG", 0x00400000),
    Flag(L"SES_CTFALLOWPROOFING", 0x00800000),
    Flag(L"SES_LOGICALCARET", 0x01000000),
    Flag(L"SES_WORDDRAGDROP", 0x02000000),
    Flag(L"SES_SMARTDRAGDROP", 0x04000000),
    Flag(L"SES_MULTISELECT", 0x08000000),
    Flag(L"SES_CTFNOLOCK", 0x10000000),
    Flag(L"SES_NOEALINEHEIGHTADJUST", 0x20000000),
};

constexpr StyleStep kSesExSteps[] = {
    Flag(L"SES_EX_NOTABLE", 0x00000004),
    Flag(L"SES_EX_NOMATH", 0x00000040),
    Flag(L"SES_EX_HANDLEFRIENDLYURL", 0x00000100),
    Flag(L"SES_EX_NOTHEMING", 0x00080000),
    Flag(L"SES_EX_NOACETATESELECTION", 0x00100000),
    Flag(L"SES_EX_USESINGLELINE", 0x00200000),
    Flag(L"SES_EX_MULTITOUCH", 0x08000000),
    Flag(L"SES_EX_HIDETEMPFORMAT", 0x10000000),
    Flag(L"SES_EX_USEMOUSEWPARAM", 0x20000000),
};

} // namespace

constinit const StyleTable kSesTable{kSesSteps, KIND_CLASS_FLAG};
constinit const StyleTable kSesExTable{kSesExSteps, KIND_CLASS_FLAG};

} // namespace orvex
