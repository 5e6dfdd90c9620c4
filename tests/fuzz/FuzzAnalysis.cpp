// libFuzzer target for the pattern matcher and the page analysis.
//
// The first byte chooses what the rest of the input feeds:
//   0  a pattern, parsed only
//   1  a pattern and a text, separated by the first zero byte: parsed, and
//      when it compiles, searched in the text
//   2  a page for AnalysePage
//   3  an address and a query, separated by the first zero byte, for the
//      address and file name helpers
// Every string handed on is a zero-terminated copy of its bytes. Besides the
// sanitizers' findings, a result that breaks the interfaces' promises stops
// the run.
#include "analysis/MatchContext.h"
#include "analysis/PageAnalysis.h"
#include "analysis/RegExp.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

// The page buffer of the download worker holds less than this.
const size_t kMaxPage = 8192;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// Splits at the first zero byte; the second part is empty when there is none.
void Split(const std::string& bytes, std::string& first, std::string& second) {
    size_t zero = bytes.find('\0');
    first = bytes.substr(0, zero);
    second = zero == std::string::npos ? std::string() : bytes.substr(zero + 1);
}

// A match that ends with "$" ends one byte after the terminator.
bool InText(const char* p, const std::string& text) {
    return p >= text.c_str() && p <= text.c_str() + text.size() + 1;
}

bool SameGroup(const MatchGroup& a, const MatchGroup& b) {
    return a.start == b.start && a.end == b.end;
}

// Remembering failed loop heads is only a shortcut: where plain backtracking
// finishes within its bounds, both searches give the same answer.
void CheckAgainstPlainSearch(const CRegExp& re, const std::string& text, bool found,
                             const CMatchContext& memoized) {
    if (memoized.steps > memoized.stepLimit)
        return;
    CMatchContext plain;
    plain.memoize = false;
    plain.stackLimit = memoized.stackLimit;
    plain.stepLimit = memoized.stepLimit;
    const bool plainFound = re.Match(text.c_str(), &plain);
    if (plain.steps > plain.stepLimit || plain.stack.size() >= plain.stackLimit)
        return;
    Check(found == plainFound, "memoized and plain search disagree");
    if (!found)
        return;
    Check(SameGroup(memoized.wholeMatch, plain.wholeMatch), "memoized whole match differs");
    for (uint32_t i = 0; i < memoized.groupCount; ++i)
        Check(SameGroup(memoized.groups[i], plain.groups[i]), "memoized group differs");
}

void CheckGroup(const MatchGroup& group, const std::string& text) {
    if (group.start == nullptr || group.end == nullptr) {
        Check(group.start == nullptr && group.end == nullptr, "half-set group");
        return;
    }
    Check(InText(group.start, text) && InText(group.end, text), "group outside the text");
    Check(group.start <= group.end, "group ends before it starts");
}

void FuzzParse(const std::string& pattern) {
    CRegExp re;
    int error = re.Parse(pattern.c_str());
    Check(error == re.lastError, "Parse result differs from lastError");
    Check(error >= PE_OK && error <= PE_TOO_COMPLEX, "unknown parse error");
}

void FuzzMatch(const std::string& bytes) {
    std::string pattern, rest;
    Split(bytes, pattern, rest);
    // The text ends at its first zero byte, as the caller's would.
    std::string text = rest.c_str();
    CRegExp re;
    if (re.Parse(pattern.c_str()) != PE_OK)
        return;
    CMatchContext context;
    // Tighter bounds than the defaults keep each run short; running into them
    // is part of what is tested.
    context.stackLimit = size_t(1) << 16;
    context.stepLimit = uint64_t(1) << 20;
    const bool found = re.Match(text.c_str(), &context);
    if (context.stack.size() < context.stackLimit)
        CheckAgainstPlainSearch(re, text, found, context);
    if (!found)
        return;
    CheckGroup(context.wholeMatch, text);
    Check(context.wholeMatch.start != nullptr, "match without a whole match");
    Check(context.groups.size() >= context.groupCount, "fewer groups than counted");
    for (uint32_t i = 0; i < context.groupCount; ++i)
        CheckGroup(context.groups[i], text);
}

// The result buffers are allocated at their exact size, so that the address
// sanitizer sees any write past them.
void FuzzPage(const std::string& bytes) {
    std::string page = bytes.substr(0, kMaxPage - 1);
    std::unique_ptr<char[]> query(new char[kAnalysisBufferSize]());
    std::unique_ptr<char[]> title(new char[kAnalysisBufferSize]());
    AnalysePage(page.c_str(), query.get(), title.get());
    Check(std::memchr(query.get(), 0, kAnalysisBufferSize) != nullptr, "query not terminated");
    Check(std::memchr(title.get(), 0, kAnalysisBufferSize) != nullptr, "title not terminated");
    MakeVideoFileName(title.get());
}

void FuzzAddress(const std::string& bytes) {
    std::string address, query;
    Split(bytes, address, query);
    IsVideoPageUrl(address.c_str());
    MakeVideoFileName(address.c_str());
    std::string download;
    MakeVideoAddress(address.c_str(), query.c_str(), download);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
    case 0: FuzzParse(rest); break;
    case 1: FuzzMatch(rest); break;
    case 2: FuzzPage(rest); break;
    case 3: FuzzAddress(rest); break;
    }
    return 0;
}
