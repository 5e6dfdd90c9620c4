#include "download/TaskPath.h"

#include <windows.h>

std::string CollapseDoubledBackslashes(const std::string& path)
{
    std::string result;
    result.reserve(path.size());
    size_t i = 0;
    if (path.compare(0, 2, "\\\\") == 0) {
        result = "\\\\";
        i = 2;
    }
    // Walked by characters: in a double-byte code page a backslash byte can
    // be the second half of a character.
    while (i < path.size()) {
        if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
            result.append(path, i, 2);
            i += 2;
        } else {
            result += path[i];
            i += (path.compare(i, 2, "\\\\") == 0) ? 2 : 1;
        }
    }
    return result;
}

std::string MakeTaskFilePath(const char* folder, const char* fileName)
{
    return CollapseDoubledBackslashes(std::string(folder) + "\\") + fileName;
}
