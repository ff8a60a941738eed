#pragma once
// How the rows of the further groups (related windows, window properties, display, thread) write
// their values. Pure logic: no window system here; the platform's numbers are spelled out where a
// name stands for one.

#include "common/ScreenRect.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

// What a row shows when there is no such window, or no property at all.
inline constexpr wchar_t kNone[] = L"<None>";

// "0x00010042 (Edit)": the handle by the pointer-width rule, then the class; the handle alone when
// the class could not be read (the window went away); kNone for a null handle.
std::wstring FormatWindowLink(std::uint64_t handle, std::wstring_view className);

// A property named by an atom rather than a string: "#43281".
std::wstring FormatAtomName(unsigned atom);

// The two awareness contexts that share their DPI_AWARENESS number with another one.
enum class DpiContextFlavour { Plain, PerMonitorV2, UnawareGdiScaled };

// DPI_AWARENESS (0 unaware, 1 system, 2 per monitor) by name, or the number itself; a flavour
// other than Plain names its context instead.
std::wstring DpiAwarenessName(int awareness, DpiContextFlavour flavour);

// "0x00010001, (0, 0) - (1280, 1024) 1280x1024, primary"; without ", primary" for another monitor.
std::wstring FormatMonitor(std::uint64_t handle, const ScreenRect& rect, bool primary);

// A show command (SW_SHOWNORMAL, SW_SHOWMINIMIZED, ...) by name, or its number.
std::wstring ShowCommandName(unsigned showCommand);

// What GetLayeredWindowAttributes gave: "key 0x00FF00FF, alpha 200", either half alone, or
// "neither key nor alpha" when the flags hold neither.
std::wstring FormatLayeredAttributes(bool hasKey, std::uint32_t colorKey, bool hasAlpha, unsigned alpha);

// A window region as GetRgnBox classes it.
enum class RegionKind { Empty, Simple, Complex };

// "Complex, box (10, 0) - (90, 40) 80x40"; an empty region is "Empty" alone.
std::wstring FormatRegion(RegionKind kind, const ScreenRect& box);

// The GUI_ flags of a thread by name, joined with " | ", then any unnamed bits as one "0x%08X"
// value; "None" for 0.
std::wstring FormatGuiThreadFlags(std::uint32_t flags);

// The Control Text row while the window's answer is on its way, and when none came in time.
inline constexpr wchar_t kAnswerPending[] = L"\u2026";
inline constexpr wchar_t kNoAnswer[] = L"<no answer>";

// The most characters of a control's text the row shows.
inline constexpr std::size_t kLongestControlText = 65536;

// The text a control answered with, on one line (EscapedText of common/EscapedText.h); a text
// longer than kLongestControlText is cut there, never between the halves of a surrogate pair, and
// ends in an ellipsis (U+2026).
std::wstring FormatControlText(std::wstring_view text);

} // namespace orvex
