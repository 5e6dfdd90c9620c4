// The module from which resources (templates, bitmaps, icons, strings, menus)
// are loaded: the executable unless set otherwise.
#pragma once

#include <windows.h>

HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE hModule);

// String resource id as text ("" when missing).
const char* LoadResourceString(UINT id, char* buffer, int bufferSize);
