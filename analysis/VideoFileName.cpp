// The saved file's name, made from the video's title.
#include "analysis/PageAnalysis.h"

#include <cstring>

namespace {

// Applied in this order, each to every occurrence in the whole name.
const struct {
    char from;
    const char* to;
} kNameEdits[] = {
    {'\\', ""}, {'/', ""}, {':', " "}, {'*', ""}, {'?', ""},
    {'|', ""}, {'"', ""}, {'<', ""}, {'>', ""}, {';', ""},
};

// Names that open a device instead of a file, whatever their extension.
const char* const kDeviceNames[] = {
    "CON", "PRN", "AUX", "NUL",
    "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9",
    "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9",
};

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The name part is what stands before the first dot, without trailing blanks,
// which the system ignores there.
bool IsDeviceName(const std::string& name)
{
    size_t end = name.find('.');
    if (end == std::string::npos)
        end = name.size();
    while (end > 0 && name[end - 1] == ' ')
        --end;
    for (const char* device : kDeviceNames) {
        const size_t n = std::strlen(device);
        if (n != end)
            continue;
        size_t i = 0;
        while (i < n && Upper(name[i]) == device[i])
            ++i;
        if (i == n)
            return true;
    }
    return false;
}

}  // namespace

std::string MakeVideoFileName(const char* title)
{
    std::string name = std::string(title) + ".flv";
    for (const auto& edit : kNameEdits) {
        std::string edited;
        edited.reserve(name.size());
        for (char c : name) {
            if (c == edit.from)
                edited += edit.to;
            else
                edited += c;
        }
        name.swap(edited);
    }
    if (IsDeviceName(name))
        name.insert(0, "_");
    return name;
}
