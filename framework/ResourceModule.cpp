#include "framework/ResourceModule.h"

namespace {
HINSTANCE g_hResourceModule = nullptr;
}

HINSTANCE ResourceModule() {
    return g_hResourceModule ? g_hResourceModule : ::GetModuleHandleA(nullptr);
}

void SetResourceModule(HINSTANCE hModule) { g_hResourceModule = hModule; }

const char* LoadResourceString(UINT id, char* buffer, int bufferSize) {
    if (bufferSize <= 0) return buffer;
    buffer[0] = '\0';
    ::LoadStringA(ResourceModule(), id, buffer, bufferSize);
    return buffer;
}
