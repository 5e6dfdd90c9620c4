// The steps that every message loop of the framework applies to a message it
// takes from the queue (the application's loop, modal dialogs, tests):
//   1. PreTranslateMessage of the target window's object, then of each
//      ancestor's up to the top-level window; the first that returns TRUE
//      consumes the message;
//   2. for keyboard messages, the dialog manager's keyboard navigation of the
//      top-level window when it is a dialog;
//   3. TranslateMessage and DispatchMessage.
// Objectless windows in the chain are passed over.
#pragma once

#include <windows.h>

// Step 1 alone. True when some window consumed the message.
bool PreTranslateChain(MSG* pMsg);
// All three steps.
void ProcessMessage(MSG& msg);
// Takes and processes messages until the queue is empty; false after WM_QUIT
// (which is put back for the outer loop).
bool PumpWaitingMessages();
