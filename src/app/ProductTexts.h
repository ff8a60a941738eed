#pragma once
// What Orvex says about itself: the about box's lines, the maker's address and the terms of use.
// Pure data: no window system here.

#include "common/ProductVersion.h"

namespace orvex {

inline constexpr wchar_t kAboutCaption[] = L"About Orvex";
inline constexpr wchar_t kProductTitle[] = L"Orvex";
inline constexpr wchar_t kVersionLine[] = L"Version: " ORVEX_VERSION_TEXT;
inline constexpr wchar_t kRightsNotice[] = L"Copyright (C) 2026 Quillmoor. All rights reserved.";
inline constexpr wchar_t kLicenceLink[] = L"Licensed under the <a>Term of Use</a>";

// The maker's address, shown as the link and opened with "mailto:" in front.
inline constexpr wchar_t kMailLink[] = L"e-mail: <a>orvex@quillmoor.test</a>";
inline constexpr wchar_t kMailTarget[] = L"mailto:orvex@quillmoor.test";

// The terms box scrolls sideways instead of wrapping, so every line is broken by hand to fit it.
inline constexpr wchar_t kTermsOfUse[] =
    L"Orvex " ORVEX_VERSION_TEXT L" - Terms of Use\r\n"
    L"Copyright (C) 2026 Quillmoor. All rights reserved.\r\n"
    L"\r\n"
    L"1. Use. You may install and use Orvex on any number of computers,\r\n"
    L"   at home or at work, free of charge.\r\n"
    L"\r\n"
    L"2. Copies. You may copy Orvex and give it away, unchanged and\r\n"
    L"   together with these terms. You may not sell it or charge for\r\n"
    L"   copying it.\r\n"
    L"\r\n"
    L"3. Other programs. Orvex reads what the window system reports\r\n"
    L"   about windows and processes and, when you ask it to, sends\r\n"
    L"   messages to the windows of other programs. A message can change\r\n"
    L"   what a program does: send only what you understand.\r\n"
    L"\r\n"
    L"4. No warranty. Orvex is provided \"as is\", without warranty of any\r\n"
    L"   kind, express or implied, including fitness for a particular\r\n"
    L"   purpose.\r\n"
    L"\r\n"
    L"5. No liability. Quillmoor is not liable for any loss or damage,\r\n"
    L"   direct or indirect, that comes from using Orvex or from being\r\n"
    L"   unable to use it.\r\n"
    L"\r\n"
    L"6. Acceptance. By using Orvex you accept these terms. If you do not\r\n"
    L"   accept them, do not use Orvex and remove it from your computer.";

} // namespace orvex
