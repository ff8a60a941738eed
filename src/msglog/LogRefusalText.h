#pragma once
// Why a message log could not start, in the words the log window and `--log` both use.

#include "msglog/MessageLogSession.h"

const wchar_t* LogRefusalText(MessageLogSession::Refusal refusal);
