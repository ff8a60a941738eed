#pragma once
// The "Details" column of the message log: a message's parameters read as the window reads them
// ("x=12 y=40 MK_LBUTTON", "VK_RETURN", "BN_CLICKED from 1001", the text a window was given).
// Decoded when a line is shown, not when it arrives, from the record and the payload the hook
// copied. A table maps message numbers to decoders. The payload is untrusted: one of the wrong size
// for its kind, or not the kind the message carries, is not decoded. Pure logic: no window system
// here.

#include "common/MessageNames.h"
#include "msglog/MessageRecord.h"

#include <cstddef>
#include <span>
#include <string>

namespace orvex {

struct DetailsContext {
    // The class of a window the record names (a WM_COMMAND's control, a WM_NOTIFY's sender), for
    // the names of its notification codes; may be empty.
    ClassNameLookup className;
    // Registered message names, for WM_SETCURSOR's mouse message; may be empty.
    RegisteredNameLookup registered;
};

// The details of a message line; empty when the message has no decoder or nothing to say.
std::wstring MessageDetails(const MessageRecord& record, std::span<const std::byte> payload,
                            const DetailsContext& context);

} // namespace orvex
