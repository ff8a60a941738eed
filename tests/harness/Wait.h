#pragma once
// Waiting for a condition by polling with a bound, never with a fixed sleep.

#include <windows.h>

#include <functional>

namespace harness {

// Polls `condition` every few milliseconds (pumping this thread's messages meanwhile) until it
// holds or `timeoutMs` has passed; returns the last answer.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Handles this thread's pending messages.
void PumpMessages();

} // namespace harness
