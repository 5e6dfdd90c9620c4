// Recognising video page addresses, and finding the title and the download
// request in the text of a video page.
#include "analysis/PageAnalysis.h"

#include "analysis/MatchContext.h"
#include "analysis/RegExp.h"

#include <cstring>

namespace {

// Group 0: the title up to the "<" of its closing tag; group 1: "video_id="
// and its value; group 2: "t=" and its value. The greedy ".+" settles on the
// last place in the page where the request values can be found.
const char kPagePattern[] = "<title>{.*?}/title>.+[\\&]{video_id=(.*?)}[\\&](.*?)[\\&]{t=(.*?)}[\\&]";

// The site's domain is written plainly: its dot matches any byte.
const char kAddressPattern[] =
    "http://([a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9]?.)?"
    "youtube.com"
    "/.+\\?.+";

const size_t kGroupLengthLimit = 80;
const char kDownloadPath[] = "/get_video?";

// Appends n bytes to a zero-terminated kAnalysisBufferSize buffer, cutting
// what does not fit.
void Append(char* buffer, const char* bytes, size_t n)
{
    const size_t used = std::strlen(buffer);
    const size_t room = kAnalysisBufferSize - 1 - used;
    if (n > room)
        n = room;
    std::memcpy(buffer + used, bytes, n);
    buffer[used + n] = 0;
}

}  // namespace

bool AnalysePage(const char* pageText, char* query, char* title)
{
    CRegExp pattern;
    if (pattern.Parse(kPagePattern) != PE_OK)
        return false;
    CMatchContext context;
    if (!pattern.Match(pageText, &context))
        return false;

    bool taken = false;
    for (uint32_t i = 0; i < context.groupCount; ++i) {
        const MatchGroup& group = context.groups[i];
        const size_t length = static_cast<size_t>(group.end - group.start);
        if (context.groupCount < 3 || length > kGroupLengthLimit)
            break;
        taken = true;
        switch (i) {
        case 0:  // drop the "<" of the closing tag
            if (length > 0)
                Append(title, group.start, length - 1);
            break;
        case 1:
            Append(query, group.start, length);
            break;
        case 2:
            Append(query, "&", 1);
            Append(query, group.start, length);
            break;
        default:
            break;
        }
    }
    return taken;
}

bool MakeVideoAddress(const char* pageAddress, const char* query, std::string& downloadAddress)
{
    const size_t length = std::strlen(pageAddress);
    if (length < 8)
        return false;
    const char* slash = std::strchr(pageAddress + 8, '/');
    if (!slash || slash - pageAddress < 10)
        return false;
    downloadAddress.assign(pageAddress, slash);
    downloadAddress += kDownloadPath;
    downloadAddress += query;
    return true;
}

bool IsVideoPageUrl(const char* text)
{
    CRegExp pattern;
    if (pattern.Parse(kAddressPattern) != PE_OK)
        return false;
    CMatchContext context;
    return pattern.Match(text, &context);
}
