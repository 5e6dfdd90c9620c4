// Message boxes. Every message box of the program goes through
// ShowMessageBox, so there is one place where they are made.
#pragma once

#include <windows.h>

// A system message box; caption null: the program's title.
int ShowMessageBox(HWND hOwner, const char* text, const char* caption, UINT type);
// A message box owned by the application's main window (or none), with the
// program's title as caption.
int AppMessageBox(const char* text, UINT type = MB_OK);
// The same with the text of a string resource.
int AppMessageBox(UINT stringId, UINT type = MB_OK);
