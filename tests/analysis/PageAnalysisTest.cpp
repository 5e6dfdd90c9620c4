// Page analysis, file names, download addresses and address recognition.
#include "analysis/PageAnalysis.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadFixture(const char* name)
{
    std::ifstream file(std::string(QUILLON_TEST_DATA_DIR) + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A page shaped like the site's watch pages: the title near the top, the
// player arguments deep in a script.
std::string MakePage(const std::string& titleElement, const std::string& playerArgs)
{
    return "<html><head>" + titleElement +
           "<meta name=\"k\" content=\"a&b\"></head><body><script>var fo = new SWFObject(\"/p.swf?hl=en&" +
           playerArgs + "\", \"movie_player\");</script></body></html>";
}

struct Analysis {
    bool ok;
    std::string title, query;
};

Analysis Analyse(const std::string& page)
{
    char title[kAnalysisBufferSize] = {};
    char query[kAnalysisBufferSize] = {};
    const bool ok = AnalysePage(page.c_str(), query, title);
    return {ok, title, query};
}

TEST(AnalysePage, FindsTitleAndRequestInAWatchPage)
{
    const std::string page = ReadFixture("watch_page.html");
    ASSERT_GT(page.size(), 6000u);
    const Analysis a = Analyse(page);
    EXPECT_TRUE(a.ok);
    EXPECT_EQ(a.title, "YouTube - Kitten Plays The Piano");
    EXPECT_EQ(a.query, "video_id=dQw4w9WgXcQ&t=OEgsToPDskJ7mGNrJ2h8VV3SyH8mXN3f");
}

struct PageCase {
    const char* name;
    std::string page;
    Analysis expected;
};

const std::string k80(80, 'v');
const std::string k81(81, 'v');

const PageCase kPageCases[] = {
    {"plain", MakePage("<title>Cats</title>", "video_id=abc&l=20&t=xyz&"), {true, "Cats", "video_id=abc&t=xyz"}},
    {"empty title", MakePage("<title></title>", "video_id=abc&x&t=xyz&"), {true, "", "video_id=abc&t=xyz"}},
    {"79-character title", MakePage("<title>" + std::string(79, 'T') + "</title>", "video_id=a&b&t=c&"),
     {true, std::string(79, 'T'), "video_id=a&t=c"}},
    {"80-character title", MakePage("<title>" + std::string(80, 'T') + "</title>", "video_id=a&b&t=c&"), {false, "", ""}},
    {"81-character title", MakePage("<title>" + std::string(81, 'T') + "</title>", "video_id=a&b&t=c&"), {false, "", ""}},
    {"long video_id", MakePage("<title>Cats</title>", "video_id=" + k80 + "&b&t=c&"), {true, "Cats", ""}},
    {"long t only", MakePage("<title>Cats</title>", "video_id=a&b&t=" + k80 + "&"), {true, "Cats", "video_id=a"}},
    {"capital title tag", MakePage("<TITLE>Cats</TITLE>", "video_id=a&b&t=c&"), {false, "", ""}},
    {"no t value", MakePage("<title>Cats</title>", "video_id=a&b&c&"), {false, "", ""}},
    {"no title", MakePage("", "video_id=a&b&t=c&"), {false, "", ""}},
    {"last request wins", MakePage("<title>Cats</title>", "video_id=a&b&t=c&x&video_id=d&e&t=f&"),
     {true, "Cats", "video_id=d&t=f"}},
    {"empty parameter before t", MakePage("<title>Cats</title>", "video_id=a&b=1&&t=c&"), {true, "Cats", "video_id=a&t=c"}},
    {"markup in title", MakePage("<title>A <b>bold</b> cat</title>", "video_id=a&b&t=c&"),
     {true, "A <b>bold</b> cat", "video_id=a&t=c"}},
};

class AnalysePageCases : public ::testing::TestWithParam<PageCase> {};

TEST_P(AnalysePageCases, TakesWhatTheLimitsAllow)
{
    const PageCase& c = GetParam();
    const Analysis a = Analyse(c.page);
    EXPECT_EQ(a.ok, c.expected.ok);
    EXPECT_EQ(a.title, c.expected.title);
    EXPECT_EQ(a.query, c.expected.query);
}

INSTANTIATE_TEST_SUITE_P(Pages, AnalysePageCases, ::testing::ValuesIn(kPageCases),
                         [](const auto& info) {
                             std::string name;
                             for (char ch : std::string(info.param.name))
                                 name += isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

TEST(AnalysePage, AppendsToWhatTheBuffersHoldWithoutOverflow)
{
    char title[kAnalysisBufferSize];
    char query[kAnalysisBufferSize];
    std::fill(title, title + sizeof title, 'x');
    title[sizeof title - 1] = 0;
    query[0] = 0;
    ASSERT_TRUE(AnalysePage(MakePage("<title>Cats</title>", "video_id=a&b&t=c&").c_str(), query, title));
    EXPECT_EQ(std::string(title), std::string(kAnalysisBufferSize - 1, 'x'));
    EXPECT_EQ(std::string(query), "video_id=a&t=c");
}

struct NameCase {
    const char* title;
    const char* fileName;
};

class VideoFileName : public ::testing::TestWithParam<NameCase> {};

TEST_P(VideoFileName, CleansTheTitle)
{
    EXPECT_EQ(MakeVideoFileName(GetParam().title), GetParam().fileName);
}

const NameCase kNameCases[] = {
    {"Cats", "Cats.flv"},
    {"Live: The Show", "Live  The Show.flv"},
    {"Tom &amp; Jerry", "Tom &amp Jerry.flv"},
    {"AC/DC \\ Back\\Slash", "ACDC  BackSlash.flv"},
    {"a*b?c|d\"e<f>g;h", "abcdefgh.flv"},
    {"tab\there", "tab\there.flv"},
    {"", ".flv"},
    // Device names get a leading "_", in any case and with any extension.
    {"CON", "_CON.flv"},
    {"con", "_con.flv"},
    {"Prn", "_Prn.flv"},
    {"aux", "_aux.flv"},
    {"NUL", "_NUL.flv"},
    {"COM1", "_COM1.flv"},
    {"com9", "_com9.flv"},
    {"LPT1", "_LPT1.flv"},
    {"lpt9", "_lpt9.flv"},
    {"COM1.part", "_COM1.part.flv"},
    {"NUL  ", "_NUL  .flv"},
    {"CO/N", "_CON.flv"},
    {"CONSOLE", "CONSOLE.flv"},
    {"COM10", "COM10.flv"},
    {"COM0", "COM0.flv"},
    {"LPT", "LPT.flv"},
    {"xCON", "xCON.flv"},
    {" CON", " CON.flv"},
};

INSTANTIATE_TEST_SUITE_P(Titles, VideoFileName, ::testing::ValuesIn(kNameCases));

struct AddressCase {
    const char* page;
    const char* query;
    bool ok;
    const char* download;
};

class VideoAddress : public ::testing::TestWithParam<AddressCase> {};

TEST_P(VideoAddress, KeepsSchemeAndHost)
{
    const AddressCase& c = GetParam();
    std::string download = "untouched";
    EXPECT_EQ(MakeVideoAddress(c.page, c.query, download), c.ok);
    EXPECT_EQ(download, c.download);
}

const AddressCase kAddressCases[] = {
    {"http://www.youtube.com/watch?v=abc", "video_id=a&t=b", true, "http://www.youtube.com/get_video?video_id=a&t=b"},
    {"http://127.0.0.1:8080/watch?v=abc", "video_id=a&t=b", true, "http://127.0.0.1:8080/get_video?video_id=a&t=b"},
    {"http://www.youtube.com/watch?v=abc", "", true, "http://www.youtube.com/get_video?"},
    {"http://abc/watch", "q", true, "http://abc/get_video?q"},
    {"http://ab/watch", "q", false, "untouched"},
    {"http://a/watch", "q", false, "untouched"},
    {"http://", "q", false, "untouched"},
    {"", "q", false, "untouched"},
    {"http://www.youtube.com", "q", false, "untouched"},
};

INSTANTIATE_TEST_SUITE_P(Addresses, VideoAddress, ::testing::ValuesIn(kAddressCases));

struct UrlCase {
    const char* text;
    bool accepted;
};

class VideoPageUrl : public ::testing::TestWithParam<UrlCase> {};

TEST_P(VideoPageUrl, AcceptsTheSiteAddressForm)
{
    EXPECT_EQ(IsVideoPageUrl(GetParam().text), GetParam().accepted) << GetParam().text;
}

const UrlCase kUrlCases[] = {
    {"http://www.youtube.com/watch?v=dQw4w9WgXcQ", true},
    {"http://youtube.com/watch?v=dQw4w9WgXcQ", true},
    {"http://uk.youtube.com/watch?v=dQw4w9WgXcQ", true},
    {"http://www.youtubeXcom/watch?v=1", true},  // the domain's dot matches any byte
    {"see http://www.youtube.com/watch?v=1 now", true},
    {"http://m.youtube.com/watch?v=1", false},
    {"http://wwww.youtube.com/watch?v=1", false},
    {"http://www.youtube.com/watch", false},
    {"http://www.youtube.com/?v", false},
    {"HTTP://WWW.YOUTUBE.COM/watch?v=1", false},
    {"https://www.youtube.com/watch?v=1", false},
    {"http://www.example.com/watch?v=1", false},
    {"", false},
};

INSTANTIATE_TEST_SUITE_P(Urls, VideoPageUrl, ::testing::ValuesIn(kUrlCases));

}  // namespace
