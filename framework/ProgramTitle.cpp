#include "framework/ProgramTitle.h"

#include <windows.h>

#include <cstring>

namespace {

// A plain buffer: it must outlive static destructors, because workers may
// still be running when the process exits.
char g_programTitle[MAX_PATH];

const char* ComputeProgramTitle()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return g_programTitle;  // empty: no name to show
    // Walked by characters: in a double-byte code page a backslash byte can
    // be the second half of a character.
    const char* name = path;
    const char* dot = nullptr;
    for (const char* p = path; *p; p += (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1]) ? 2 : 1) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            name = p + 1;
            dot = nullptr;
        } else if (*p == '.') {
            dot = p;
        }
    }
    const size_t nameLength = dot ? static_cast<size_t>(dot - name) : std::strlen(name);
    std::memcpy(g_programTitle, name, nameLength);
    g_programTitle[nameLength] = 0;
    return g_programTitle;
}

}  // namespace

const char* ProgramTitle()
{
    // Thread-safe one-time initialisation.
    static const char* const title = ComputeProgramTitle();
    return title;
}
