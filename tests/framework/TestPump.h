// Message pumping for tests: runs the framework's message processing until a
// condition holds, waiting on the queue rather than sleeping.
#pragma once

#include <windows.h>

#include <functional>

// True once done() holds; false when timeoutMs passed first.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Processes what is in the queue now (posted messages, pending paints).
void PumpPending();
