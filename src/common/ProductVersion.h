#pragma once
// The version Orvex shows: in the about box and for --version. A macro, so that texts built around
// it stay literals.

#define ORVEX_VERSION_TEXT L"1.2.0"
