// Searches with the dialect: whole match and match groups, as offsets.
#include "analysis/MatchContext.h"
#include "analysis/RegExp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const int kNull = -1;

struct Span {
    int start, end;
};

struct MatchCase {
    const char* pattern;
    std::string text;
    bool matches;
    Span whole;
    std::vector<Span> groups;
};

std::ostream& operator<<(std::ostream& os, const MatchCase& c)
{
    return os << "'" << c.pattern << "' on '" << c.text << "'";
}

int Offset(const char* p, const char* base) { return p ? static_cast<int>(p - base) : kNull; }

class RegExpMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(RegExpMatch, FindsTheFirstMatchAndItsGroups)
{
    const MatchCase& c = GetParam();
    CRegExp re;
    ASSERT_EQ(re.Parse(c.pattern), PE_OK);
    // Remembering failed loop heads must not change any result.
    for (bool memoize : {true, false}) {
        SCOPED_TRACE(memoize ? "memoized" : "plain backtracking");
        CMatchContext context;
        context.memoize = memoize;
        const char* text = c.text.c_str();
        ASSERT_EQ(re.Match(text, &context), c.matches);
        if (!c.matches)
            continue;
        EXPECT_EQ(Offset(context.wholeMatch.start, text), c.whole.start);
        EXPECT_EQ(Offset(context.wholeMatch.end, text), c.whole.end);
        ASSERT_EQ(context.groupCount, c.groups.size());
        for (size_t i = 0; i < c.groups.size(); ++i) {
            EXPECT_EQ(Offset(context.groups[i].start, text), c.groups[i].start) << "group " << i;
            EXPECT_EQ(Offset(context.groups[i].end, text), c.groups[i].end) << "group " << i;
        }
    }
}

const MatchCase kMatchCases[] = {
    // The empty pattern matches at the start of any text.
    {"", "abc", true, {0, 0}, {}},
    {"", "", true, {0, 0}, {}},
    // Alternation binds tighter than concatenation.
    {"ab|cd", "abd", true, {0, 3}, {}},
    {"ab|cd", "acd", true, {0, 3}, {}},
    {"ab|cd", "ab", false, {}, {}},
    {"ab|cd", "cd", false, {}, {}},
    {"(ab)|(cd)", "xcd", true, {1, 3}, {}},
    {"a|b|c", "zc", true, {1, 2}, {}},
    // Unbalanced closers end the pattern; a bar with nothing after it drops its unit.
    {"abc)def", "xabcdeg", true, {1, 4}, {}},
    {"a|", "xyz", true, {0, 0}, {}},
    {"xa|", "zxq", true, {1, 2}, {}},
    {"x(y|z|)b", "xb", true, {0, 2}, {}},
    {"(a|)b", "b", true, {0, 1}, {}},
    {"(a|)b", "ab", true, {1, 2}, {}},
    // Closure bytes where an element is expected are literals.
    {"a**", "aaa*", true, {0, 4}, {}},
    {"+a", "b+a", true, {1, 3}, {}},
    {"|a", "|a", true, {0, 2}, {}},
    // Match groups: last iteration, untouched groups stay null, order of braces.
    {"{a}+", "aaa", true, {0, 3}, {{2, 3}}},
    {"{x}|y", "y", true, {0, 1}, {{kNull, kNull}}},
    {"{a{b}}c", "abc", true, {0, 3}, {{0, 2}, {1, 2}}},
    {"{a}*b", "b", true, {0, 1}, {{kNull, kNull}}},
    // Lazy and greedy closures.
    {"{.*?}b", "aabab", true, {0, 3}, {{0, 2}}},
    {"{.*}b", "aabab", true, {0, 5}, {{0, 4}}},
    {"{a*}ab", "aaab", true, {0, 4}, {{0, 2}}},
    {"{a+?}", "aaa", true, {0, 1}, {{0, 1}}},
    {"{a??}a", "aa", true, {0, 1}, {{0, 0}}},
    {"[ab]??c", "ac", true, {0, 2}, {}},
    // A lazy closure resumes where it stood, however far what follows got.
    {"a.*?bc", "abbc", true, {0, 4}, {}},
    {"{.*?}&t=", "x&&t=", true, {0, 5}, {{0, 2}}},
    {"x(ab)??abc", "xababc", true, {0, 6}, {}},
    // A lazy loop over something that consumes nothing ends.
    {"(!a)*?b", "b", true, {0, 1}, {}},
    {"(!a)*?c", "bbb", false, {}, {}},
    {"(!a)*b", "b", true, {0, 1}, {}},
    // Back-references.
    {"{a+}b\\0", "xaabaa", true, {1, 6}, {{1, 3}}},
    {"{a\\0}", "aa", true, {0, 1}, {{0, 1}}},
    {"{a\\0}+", "aaa", true, {0, 3}, {{2, 3}}},
    {"({x})?y\\0", "y", true, {0, 1}, {{kNull, kNull}}},
    {"{ab}\\0", "abab", true, {0, 4}, {{0, 2}}},
    {"{ab}\\0", "aba", false, {}, {}},
    // Negative look-ahead on one element.
    {"a!b", "ab ac", true, {3, 4}, {}},
    {"!ab", "ab", true, {1, 2}, {}},
    {"!ab", "aa", false, {}, {}},
    {"{}*a", "a", true, {0, 1}, {{kNull, kNull}}},
    {"!ab", "cb", true, {1, 2}, {}},
    {"x!", "x!", true, {0, 2}, {}},
    // Anchors.
    {"^b", "ab", false, {}, {}},
    {"b", "ab", true, {1, 2}, {}},
    {"$", "abc", false, {}, {}},
    {"$", "", true, {0, 1}, {}},
    {"c$", "abc", true, {2, 4}, {}},
    {"a$b", "xa$b", true, {1, 4}, {}},
    {"a^", "a^", true, {0, 2}, {}},
    {"a", "", false, {}, {}},
    // Abbreviations and escapes.
    {"\\d+", "ab12c", true, {2, 4}, {}},
    {"\\q", "say 'hi' now", true, {4, 8}, {}},
    {"\\q", "x \"a b\" y", true, {2, 7}, {}},
    {"\\q", "'open", false, {}, {}},
    {"\\b", "a\tb", true, {1, 2}, {}},
    {"\\t", "\txt", true, {2, 3}, {}},
    {"\\.", "a.", true, {1, 2}, {}},
    {"\\\\", "a\\", true, {1, 2}, {}},
    {"a\\nb", "a\r\nb", true, {0, 4}, {}},
    {"a\\nb", "a\nb", true, {0, 3}, {}},
    {"a\\nb", "a\rb", true, {0, 3}, {}},
    {"\\w", "12abc3", true, {2, 5}, {}},
    {"\\z", "ab123c", true, {2, 5}, {}},
    {"\\h\\h", "xzfA", true, {2, 4}, {}},
    {"\\a\\c", "-1b", true, {1, 3}, {}},
    {"\\d*x", "12x", true, {0, 3}, {}},
    // Classes.
    {"[-a]", "x-", true, {1, 2}, {}},
    {"[a-z-]+", "A-b-", true, {1, 4}, {}},
    {"[^a-z]", "abC", true, {2, 3}, {}},
    {"[\\]]", "a]", true, {1, 2}, {}},
    {"[\\t]", "a\t", true, {1, 2}, {}},
    {"[^x]", "x", false, {}, {}},
    // Bytes of 128 and above compare unsigned.
    {"caf\xE9", "un caf\xE9", true, {3, 7}, {}},
    {"[\xE0-\xEF]", "x\xE9", true, {1, 2}, {}},
    {"[^a]", "\xFF", true, {0, 1}, {}},
    {"\xFF+", "a\xFF\xFF", true, {1, 3}, {}},
};

INSTANTIATE_TEST_SUITE_P(Dialect, RegExpMatch, ::testing::ValuesIn(kMatchCases));

TEST(RegExpMatchBounds, RefusesNullArguments)
{
    CRegExp re;
    ASSERT_EQ(re.Parse("a"), PE_OK);
    CMatchContext context;
    EXPECT_FALSE(re.Match(nullptr, &context));
    EXPECT_FALSE(re.Match("a", nullptr));
}

TEST(RegExpMatchBounds, ContextServesSeveralSearches)
{
    CRegExp withGroups, without;
    ASSERT_EQ(withGroups.Parse("{a}{b}"), PE_OK);
    ASSERT_EQ(without.Parse("c"), PE_OK);
    CMatchContext context;
    ASSERT_TRUE(withGroups.Match("ab", &context));
    EXPECT_EQ(context.groupCount, 2u);
    ASSERT_TRUE(without.Match("c", &context));
    EXPECT_EQ(context.groupCount, 0u);
}

TEST(RegExpMatchBounds, StackThatCannotGrowEndsWithoutMatch)
{
    CRegExp re;
    ASSERT_EQ(re.Parse(".*x"), PE_OK);
    const std::string text = std::string(4000, 'a') + "x";
    CMatchContext unbounded;
    ASSERT_TRUE(re.Match(text.c_str(), &unbounded));
    EXPECT_GT(unbounded.stack.size(), 1024u);

    CMatchContext bounded;
    bounded.stackLimit = 1024;
    EXPECT_FALSE(re.Match(text.c_str(), &bounded));
    EXPECT_LE(bounded.stack.size(), 1024u);
}

TEST(RegExpMatchBounds, StackGrowsToTwiceDepthPlusOne)
{
    CRegExp re;
    ASSERT_EQ(re.Parse("a*"), PE_OK);
    CMatchContext context;
    ASSERT_EQ(context.stack.size(), 256u);
    ASSERT_TRUE(re.Match(std::string(100, 'a').c_str(), &context));
    // Three entries an iteration: the stack grew from 256 exactly once.
    EXPECT_EQ(context.stack.size(), 2u * 256u);
}

TEST(RegExpMatchBounds, StepLimitEndsARunawaySearch)
{
    CRegExp re;
    ASSERT_EQ(re.Parse("(.*?)(.*?)(.*?)x"), PE_OK);
    const std::string text(3000, 'a');
    CMatchContext context;
    context.memoize = false;
    context.stepLimit = 100000;
    EXPECT_FALSE(re.Match(text.c_str(), &context));
    EXPECT_EQ(context.steps, context.stepLimit + 1);
}

TEST(RegExpMatchBounds, RememberedFailuresKeepTheSearchLinear)
{
    // Many request fragments and no "t=": plain backtracking tries every
    // combination of places, the remembered loop heads each place once.
    CRegExp re;
    ASSERT_EQ(re.Parse("<title>{.*?}/title>.+[\\&]{video_id=(.*?)}[\\&](.*?)[\\&]{t=(.*?)}[\\&]"), PE_OK);
    std::string page = "<title>x</title>";
    while (page.size() < 600)
        page += "&video_id=&";
    CMatchContext plain, memoized;
    plain.memoize = false;
    ASSERT_FALSE(re.Match(page.c_str(), &plain));
    ASSERT_FALSE(re.Match(page.c_str(), &memoized));
    EXPECT_LT(memoized.steps * 10, plain.steps);

    page += "&video_id=1&t=2&";
    ASSERT_TRUE(re.Match(page.c_str(), &plain));
    ASSERT_TRUE(re.Match(page.c_str(), &memoized));
    for (uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(plain.groups[i].start, memoized.groups[i].start);
        EXPECT_EQ(plain.groups[i].end, memoized.groups[i].end);
    }
}

TEST(RegExpMatchBounds, NothingAfterTheTerminatorIsRead)
{
    // The text is exactly one terminator with guard bytes after it that
    // would match if read.
    const char buffer[] = {'\0', 'a', 'a', 'a'};
    CRegExp re;
    for (const char* pattern : {"a", ".", "[a]", "[^b]", "a*a", "\\q"}) {
        ASSERT_EQ(re.Parse(pattern), PE_OK) << pattern;
        CMatchContext context;
        EXPECT_FALSE(re.Match(buffer, &context)) << pattern;
    }
}

}  // namespace
