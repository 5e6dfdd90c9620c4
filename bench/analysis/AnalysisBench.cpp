// Page analysis and address recognition against std::regex and PCRE2
// (interpreted and JIT) with the equivalent standard patterns. Prints Google
// Benchmark's figures, then each engine's time as a multiple of ours.
#include "analysis/MatchContext.h"
#include "analysis/PageAnalysis.h"
#include "analysis/RegExp.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <benchmark/benchmark.h>
#include <pcre2.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Ours, as the program uses it.
const char kPagePattern[] = "<title>{.*?}/title>.+[\\&]{video_id=(.*?)}[\\&](.*?)[\\&]{t=(.*?)}[\\&]";
// The same in standard syntax: "." there does not match line ends.
const char kStandardPagePattern[] =
    "<title>([\\s\\S]*?)</title>[\\s\\S]+&(video_id=[\\s\\S]*?)&[\\s\\S]*?&(t=[\\s\\S]*?)&";
const char kStandardAddressPattern[] = "http://([a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9]?.)?youtube.com/.+\\?.+";

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A watch page of the given size: the fixture's head, related-video entries,
// and the player arguments at the end.
std::string SizedPage(size_t size)
{
    const std::string fixture = ReadFile(std::string(QUILLON_BENCH_DATA_DIR) + "watch_page.html");
    const size_t scriptAt = fixture.find("\t<div id=\"watch-player-div\">");
    const size_t headEnd = fixture.find("\t<div class=\"vlentry\">");
    const std::string head = fixture.substr(0, std::min(headEnd, size / 3));
    const std::string script = fixture.substr(scriptAt);
    std::string page = head;
    for (int i = 0; page.size() + script.size() < size; ++i)
        page += "\t<div class=\"vlentry\"><a href=\"/watch?v=r" + std::to_string(i) +
                "&amp;feature=related\">Related video</a></div>\n";
    page += script;
    return page.substr(0, size);
}

// The worst page found for the matcher: many request fragments, every "&"
// a candidate, and no "t=" to end the search.
std::string AdversarialPage(size_t size)
{
    std::string page = "<title>x</title>";
    while (page.size() + 12 <= size)
        page += "&video_id=&&";
    return page;
}

struct Inputs {
    std::map<std::string, std::string> pages;
    std::vector<std::string> addresses;
};

const Inputs& TheInputs()
{
    static const Inputs inputs = [] {
        Inputs in;
        in.pages["realistic_6KB"] = ReadFile(std::string(QUILLON_BENCH_DATA_DIR) + "watch_page.html");
        for (size_t kb : {1, 2, 4, 8})
            in.pages["page_" + std::to_string(kb) + "KB"] = SizedPage(kb * 1024 - 1);
        in.pages["adversarial_8KB"] = AdversarialPage(8191);
        in.pages["adversarial_1KB"] = AdversarialPage(1023);
        in.addresses = {
            "http://www.youtube.com/watch?v=dQw4w9WgXcQ",
            "http://uk.youtube.com/watch?v=dQw4w9WgXcQ&feature=related",
            "http://youtube.com/watch?v=abc",
            "http://www.example.com/watch?v=dQw4w9WgXcQ",
            "www.youtube.com/watch?v=dQw4w9WgXcQ",
        };
        return in;
    }();
    return inputs;
}

// --- ours ---

void OursAnalysePage(benchmark::State& state, std::string name)
{
    const std::string& page = TheInputs().pages.at(name);
    for (auto _ : state) {
        char title[kAnalysisBufferSize] = {};
        char query[kAnalysisBufferSize] = {};
        benchmark::DoNotOptimize(AnalysePage(page.c_str(), query, title));
    }
    state.SetBytesProcessed(state.iterations() * page.size());
}

// The matcher alone, the pattern parsed once, as the other engines are run.
void OursMatcher(benchmark::State& state, std::string name)
{
    const std::string& page = TheInputs().pages.at(name);
    CRegExp re;
    re.Parse(kPagePattern);
    CMatchContext context;
    for (auto _ : state)
        benchmark::DoNotOptimize(re.Match(page.c_str(), &context));
    state.counters["steps"] = static_cast<double>(context.steps);
    state.SetBytesProcessed(state.iterations() * page.size());
}

void OursIsVideoPageUrl(benchmark::State& state)
{
    for (auto _ : state)
        for (const std::string& address : TheInputs().addresses)
            benchmark::DoNotOptimize(IsVideoPageUrl(address.c_str()));
}

// --- std::regex ---

void StdRegexPage(benchmark::State& state, std::string name)
{
    const std::string& page = TheInputs().pages.at(name);
    const std::regex re(kStandardPagePattern);
    std::smatch m;
    for (auto _ : state)
        benchmark::DoNotOptimize(std::regex_search(page, m, re));
    state.SetBytesProcessed(state.iterations() * page.size());
}

void StdRegexUrl(benchmark::State& state)
{
    const std::regex re(kStandardAddressPattern);
    for (auto _ : state)
        for (const std::string& address : TheInputs().addresses)
            benchmark::DoNotOptimize(std::regex_search(address, re));
}

// --- PCRE2 ---

struct Pcre2 {
    pcre2_code* code = nullptr;
    pcre2_match_data* data = nullptr;
    Pcre2(const char* pattern, uint32_t options, bool jit)
    {
        int error = 0;
        PCRE2_SIZE offset = 0;
        code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern), PCRE2_ZERO_TERMINATED, options, &error,
                             &offset, nullptr);
        if (jit)
            pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
        data = pcre2_match_data_create_from_pattern(code, nullptr);
    }
    ~Pcre2()
    {
        pcre2_match_data_free(data);
        pcre2_code_free(code);
    }
    int Match(const std::string& text, uint32_t options) const
    {
        return pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, options, data,
                           nullptr);
    }
};

void Pcre2Page(benchmark::State& state, std::string name, bool jit)
{
    const std::string& page = TheInputs().pages.at(name);
    const Pcre2 re(kStandardPagePattern, 0, jit);
    int result = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(result = re.Match(page, jit ? 0 : PCRE2_NO_JIT));
    // A negative result past "no match" is PCRE2 giving up (its match limit).
    state.SetLabel(result == PCRE2_ERROR_MATCHLIMIT ? "gave up: match limit" : "");
    state.SetBytesProcessed(state.iterations() * page.size());
}

void Pcre2Url(benchmark::State& state, bool jit)
{
    const Pcre2 re(kStandardAddressPattern, 0, jit);
    for (auto _ : state)
        for (const std::string& address : TheInputs().addresses)
            benchmark::DoNotOptimize(re.Match(address, jit ? 0 : PCRE2_NO_JIT));
}

// Collects each run's time per iteration to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> microseconds;  // every benchmark runs in microseconds
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            microseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintRatios(const RatioReporter& reporter)
{
    std::vector<std::string> inputs;
    for (const auto& entry : TheInputs().pages)
        inputs.push_back(entry.first);
    inputs.push_back("IsVideoPageUrl");
    const char* engines[] = {"ours_matcher", "std_regex", "pcre2", "pcre2_jit"};

    std::printf("\nTime as a multiple of ours (AnalysePage / IsVideoPageUrl, pattern parsed on every call);\n"
                "below 1 means faster than ours. Ours is in microseconds.\n\n");
    std::printf("%-18s %12s", "input", "ours [us]");
    for (const char* engine : engines)
        std::printf(" %13s", engine);
    std::printf("\n");
    for (const std::string& input : inputs) {
        auto ours = reporter.microseconds.find("ours/" + input);
        if (ours == reporter.microseconds.end())
            continue;
        std::printf("%-18s %12.2f", input.c_str(), ours->second);
        for (const char* engine : engines) {
            auto other = reporter.microseconds.find(std::string(engine) + "/" + input);
            if (other == reporter.microseconds.end())
                std::printf(" %13s", "-");
            else
                std::printf(" %13.3f", other->second / ours->second);
        }
        std::printf("\n");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    for (const auto& entry : TheInputs().pages) {
        const std::string& name = entry.first;
        benchmark::RegisterBenchmark(("ours/" + name).c_str(), OursAnalysePage, name)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("ours_matcher/" + name).c_str(), OursMatcher, name)->Unit(benchmark::kMicrosecond);
        // std::regex backtracks recursively without a limit: the 8 KB
        // adversarial page would run for minutes.
        if (name != "adversarial_8KB")
            benchmark::RegisterBenchmark(("std_regex/" + name).c_str(), StdRegexPage, name)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("pcre2/" + name).c_str(), Pcre2Page, name, false)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("pcre2_jit/" + name).c_str(), Pcre2Page, name, true)->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("ours/IsVideoPageUrl", OursIsVideoPageUrl)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("std_regex/IsVideoPageUrl", StdRegexUrl)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("pcre2/IsVideoPageUrl", Pcre2Url, false)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("pcre2_jit/IsVideoPageUrl", Pcre2Url, true)->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    return 0;
}
