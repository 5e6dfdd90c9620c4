// Parse errors, and the compiled program of small patterns.
#include "analysis/MatchContext.h"
#include "analysis/RegExp.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct ErrorCase {
    const char* pattern;
    int error;
};

std::ostream& operator<<(std::ostream& os, const ErrorCase& c)
{
    return os << "'" << (c.pattern ? c.pattern : "(null)") << "'";
}

class RegExpParseError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(RegExpParseError, ReturnsAndKeepsTheCode)
{
    CRegExp re;
    EXPECT_EQ(re.Parse(GetParam().pattern), GetParam().error);
    EXPECT_EQ(re.lastError, GetParam().error);
}

const ErrorCase kErrorCases[] = {
    {nullptr, PE_NO_PATTERN},
    {"[]", PE_EMPTY_CLASS},
    {"[^]", PE_EMPTY_CLASS},
    {"[a-", PE_BRACKET_EXPECTED},
    {"[a-]", PE_BRACKET_EXPECTED},
    {"[a", PE_BRACKET_EXPECTED},
    {"[^", PE_BRACKET_EXPECTED},
    {"[a\\", PE_BRACKET_EXPECTED},
    {"[z-a]", PE_BAD_RANGE},
    {"[a-\\]", PE_BAD_RANGE},  // a range's end is literal: "\" is below "a"
    {"(a", PE_PAREN_EXPECTED},
    {"(a}", PE_PAREN_EXPECTED},
    {"{a", PE_BRACE_EXPECTED},
    {"{a)", PE_BRACE_EXPECTED},
    {"{a]", PE_BRACE_EXPECTED},
    {"\\0", PE_BAD_GROUP},
    {"{a}\\1", PE_BAD_GROUP},
    {"{a}\\99999999999999999999", PE_BAD_GROUP},
    {"(a*)*", PE_EMPTY_REPEAT},
    {"(a+?)*", PE_EMPTY_REPEAT},
    {"(x|\\.)*", PE_EMPTY_REPEAT},
    {"(a?)*?", PE_EMPTY_REPEAT},
    {"(a*)+", PE_EMPTY_REPEAT},
    {"a\\", PE_TRAILING_BACKSLASH},
    {"\\", PE_TRAILING_BACKSLASH},
    // Valid patterns the rules above must not refuse.
    {"{a\\0}", PE_OK},
    {"(a+)*", PE_OK},
    {"(!a)*", PE_OK},
    {"(\\.)*", PE_OK},
    {"(a*)?", PE_OK},
    {"{}*", PE_OK},  // an empty group leaves the closure's "not empty"
    {"[-a]", PE_OK},
    {"[a-z-]", PE_OK},
    {"abc)def", PE_OK},
    {"a]b}c", PE_OK},
    {"\\q*", PE_OK},
    {"<title>{.*?}/title>.+[\\&]{video_id=(.*?)}[\\&](.*?)[\\&]{t=(.*?)}[\\&]", PE_OK},
};

INSTANTIATE_TEST_SUITE_P(Errors, RegExpParseError, ::testing::ValuesIn(kErrorCases));

TEST(RegExpParseLimits, DeepNestingIsRefusedNotRecursedInto)
{
    CRegExp re;
    const std::string shallow = std::string(kMaxNesting, '(') + "a" + std::string(kMaxNesting, ')');
    EXPECT_EQ(re.Parse(shallow.c_str()), PE_OK);
    const std::string deep = std::string(5000, '(') + "a" + std::string(5000, ')');
    EXPECT_EQ(re.Parse(deep.c_str()), PE_TOO_COMPLEX);
    const std::string lookAheads = std::string(5000, '!') + "a";
    EXPECT_EQ(re.Parse(lookAheads.c_str()), PE_TOO_COMPLEX);
}

TEST(RegExpParseLimits, LongAlternationChainsAreFine)
{
    std::string chain = "a";
    for (int i = 0; i < 3000; ++i)
        chain += "|a";
    CRegExp re;
    ASSERT_EQ(re.Parse(chain.c_str()), PE_OK);
    CMatchContext context;
    EXPECT_TRUE(re.Match("xa", &context));
}

TEST(RegExpParseLimits, ParseCanBeRepeatedOnTheSameObject)
{
    CRegExp re;
    EXPECT_EQ(re.Parse("{a}{b}!c"), PE_OK);
    EXPECT_EQ(re.groupCount, 2u);
    EXPECT_EQ(re.slotCount, 2u);
    EXPECT_EQ(re.Parse("[]"), PE_EMPTY_CLASS);
    EXPECT_EQ(re.Parse("x"), PE_OK);
    EXPECT_EQ(re.groupCount, 0u);
    EXPECT_EQ(re.slotCount, 0u);
    EXPECT_EQ(re.program.size(), 4u);
}

// The compiled program, written as (kind, operand) pairs.
using Program = std::vector<std::pair<uint32_t, uint32_t>>;

Program Compile(const char* pattern)
{
    CRegExp re;
    EXPECT_EQ(re.Parse(pattern), PE_OK) << pattern;
    Program program;
    for (const Instruction& in : re.program)
        program.emplace_back(in.kind, in.kind == NextStart || in.kind == Accept || in.kind == Nop ||
                                              in.kind == AnyChar || in.kind == PushPos ||
                                              in.kind == PopPos || in.kind == Return || in.kind == Fail
                                          ? 0
                                          : in.operand);
    return program;
}

struct ProgramCase {
    const char* pattern;
    Program program;
};

std::ostream& operator<<(std::ostream& os, const ProgramCase& c) { return os << "'" << c.pattern << "'"; }

class RegExpProgram : public ::testing::TestWithParam<ProgramCase> {};

TEST_P(RegExpProgram, FollowsTheCompilationTable)
{
    EXPECT_EQ(Compile(GetParam().pattern), GetParam().program);
}

const ProgramCase kProgramCases[] = {
    {"", {{Call, 2}, {NextStart, 0}, {Accept, 0}}},
    {"a", {{Call, 2}, {NextStart, 0}, {Char, 'a'}, {Accept, 0}}},
    {"^.", {{Call, 2}, {Fail, 0}, {AnyChar, 0}, {Accept, 0}}},
    {"a$", {{Call, 2}, {NextStart, 0}, {Char, 'a'}, {Char, 0}, {Accept, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Small, RegExpProgram, ::testing::ValuesIn(kProgramCases));

TEST(RegExpProgramShapes, AlternationGroupsAndLookAhead)
{
    EXPECT_EQ(Compile("a|b"), (Program{{Call, 2}, {NextStart, 0},
                                       {PushPos, 0}, {Call, 6}, {PopPos, 0}, {Jump, 8},
                                       {Char, 'a'}, {Jump, 9},
                                       {Char, 'b'},
                                       {Accept, 0}}));
    EXPECT_EQ(Compile("(a)"), (Program{{Call, 2}, {NextStart, 0},
                                       {Call, 4}, {Return, 0}, {Char, 'a'},
                                       {Accept, 0}}));
    EXPECT_EQ(Compile("{a}"), (Program{{Call, 2}, {NextStart, 0},
                                       {PushGroup, 0}, {GroupStart, 0}, {Call, 7}, {PopGroup, 0}, {Return, 0},
                                       {Char, 'a'}, {GroupEnd, 0},
                                       {Accept, 0}}));
    EXPECT_EQ(Compile("{}"), (Program{{Call, 2}, {NextStart, 0},
                                      {PushGroup, 0}, {GroupStart, 0}, {Call, 7}, {PopGroup, 0}, {Return, 0},
                                      {Nop, 0}, {GroupEnd, 0},
                                      {Accept, 0}}));
    EXPECT_EQ(Compile("!a"), (Program{{Call, 2}, {NextStart, 0},
                                      {SetSlotPos, 0}, {SetSlotDepth, 1}, {Call, 8},
                                      {GetSlotPos, 0}, {GetSlotDepth, 1}, {Jump, 12},
                                      {Char, 'a'}, {GetSlotPos, 0}, {GetSlotDepth, 1}, {Return, 0},
                                      {Accept, 0}}));
}

TEST(RegExpProgramShapes, Closures)
{
    EXPECT_EQ(Compile("a*"), (Program{{Call, 2}, {NextStart, 0},
                                      {PushSlot, 0}, {SetSlotPos, 0}, {PushPos, 0}, {Call, 9},
                                      {PopPos, 0}, {PopSlot, 0}, {Jump, 13},
                                      {Char, 'a'}, {FailIfNoProgress, 0}, {SetSlotPos, 0}, {Jump, 2},
                                      {Accept, 0}}));
    EXPECT_EQ(Compile("a?"), (Program{{Call, 2}, {NextStart, 0},
                                      {PushSlot, 0}, {SetSlotPos, 0}, {PushPos, 0}, {Call, 9},
                                      {PopPos, 0}, {PopSlot, 0}, {Jump, 12},
                                      {Char, 'a'}, {FailIfNoProgress, 0}, {SetSlotPos, 0},
                                      {Accept, 0}}));
    EXPECT_EQ(Compile("a+"), (Program{{Call, 2}, {NextStart, 0},
                                      {Char, 'a'},
                                      {PushSlot, 0}, {SetSlotPos, 0}, {PushPos, 0}, {Call, 10},
                                      {PopPos, 0}, {PopSlot, 0}, {Jump, 14},
                                      {Char, 'a'}, {FailIfNoProgress, 0}, {SetSlotPos, 0}, {Jump, 3},
                                      {Accept, 0}}));
    // Lazy forms save the position with their choice, and the loop has a
    // progress check.
    EXPECT_EQ(Compile("a*?"), (Program{{Call, 2}, {NextStart, 0},
                                       {PushPos, 0}, {Call, 9}, {PopPos, 0}, {SetSlotPos, 0},
                                       {Char, 'a'}, {FailIfNoProgress, 0}, {Jump, 2},
                                       {Accept, 0}}));
    EXPECT_EQ(Compile("a??"), (Program{{Call, 2}, {NextStart, 0},
                                       {PushPos, 0}, {Call, 6}, {PopPos, 0}, {Char, 'a'},
                                       {Accept, 0}}));
}

TEST(RegExpProgramShapes, PlusKeepsGroupNumbersAndTakesNewSlots)
{
    CRegExp re;
    ASSERT_EQ(re.Parse("{!a}+{b}"), PE_OK);
    EXPECT_EQ(re.groupCount, 2u);
    // The look-ahead's two slots in each copy, and the loop's slot.
    EXPECT_EQ(re.slotCount, 5u);
    std::vector<uint32_t> groupStarts;
    for (const Instruction& in : re.program)
        if (in.kind == GroupStart)
            groupStarts.push_back(in.operand);
    EXPECT_EQ(groupStarts, (std::vector<uint32_t>{0, 0, 1}));
}

TEST(RegExpProgramShapes, ClassSetFollowsItsInstruction)
{
    CRegExp re;
    ASSERT_EQ(re.Parse("[a-c\\t\xF0]x"), PE_OK);
    ASSERT_EQ(re.program[2].kind, CharSet);
    unsigned char set[32];
    std::memcpy(set, &re.program[3], sizeof set);
    for (unsigned v = 0; v < 256; ++v) {
        const bool member = v == 'a' || v == 'b' || v == 'c' || v == '\t' || v == 0xF0;
        EXPECT_EQ(((set[v / 8] >> (v % 8)) & 1) != 0, member) << v;
    }
    EXPECT_EQ(re.program[2 + 1 + kCharSetEntries].kind, Char);
    ASSERT_EQ(re.Parse("[^a]"), PE_OK);
    EXPECT_EQ(re.program[2].kind, NotCharSet);
}

TEST(RegExpProgramShapes, DroppedUnitLeavesNoCode)
{
    EXPECT_EQ(Compile("a|"), Compile(""));
    EXPECT_EQ(Compile("xa|"), Compile("x"));
    EXPECT_EQ(Compile("(a|)b"), Compile("()b"));
    EXPECT_EQ(Compile("abc)def"), Compile("abc"));
}

}  // namespace
