#pragma once
// Runs one style table over a style word. Pure logic: no window system here.

#include "inspect/PropertySink.h"
#include "inspect/styles/StyleStep.h"

#include <cstdint>

namespace orvex {

// Appends one name row per step that fires, in table order, all in `group`. On return `word`
// holds the bits no step named; the caller decides whether to show them as a leftover row.
void DecodeStyles(PropertySink& sink, const StyleTable& table, std::uint32_t& word, int group);

} // namespace orvex
