#pragma once
// The number of a typed message to send. A registered name is registered here, as the program
// that receives the message registered it, so both hold the same number.

#include "common/TypedMessage.h"

#include <windows.h>

#include <optional>

// Nothing when the system refuses to register the name.
std::optional<UINT> TypedMessageNumber(const orvex::TypedMessage& message);
