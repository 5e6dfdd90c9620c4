// Byte-string helpers in the active code page: trimming, lower-casing,
// searching and replacing.
#include <gtest/gtest.h>

#include "framework/ByteString.h"

namespace {

using namespace bytestr;

TEST(ByteStringTest, TrimsWhiteSpaceAtEitherEnd) {
    const struct {
        const char* in;
        const char* right;
        const char* left;
        const char* both;
    } cases[] = {
        {"", "", "", ""},
        {"   ", "", "", ""},
        {"abc", "abc", "abc", "abc"},
        {" \t\r\nhttp://x \t\r\n", " \t\r\nhttp://x", "http://x \t\r\n", "http://x"},
        {"a b", "a b", "a b", "a b"},
        {"\v\fa\v\f", "\v\fa", "a\v\f", "a"},
    };
    for (const auto& c : cases) {
        std::string r = c.in, l = c.in, b = c.in;
        TrimRight(r);
        TrimLeft(l);
        Trim(b);
        EXPECT_EQ(r, c.right) << '"' << c.in << '"';
        EXPECT_EQ(l, c.left) << '"' << c.in << '"';
        EXPECT_EQ(b, c.both) << '"' << c.in << '"';
    }
}

TEST(ByteStringTest, LowerCasesTheWholeText) {
    std::string s = "HTTP://WWW.YouTube.COM/watch?v=AbC";
    MakeLower(s);
    EXPECT_EQ(s, "http://www.youtube.com/watch?v=abc");
    std::string empty;
    MakeLower(empty);
    EXPECT_EQ(empty, "");
}

TEST(ByteStringTest, FindsReplacesAndRemoves) {
    EXPECT_EQ(Find("FIND|http://a", "http://a"), 5u);
    EXPECT_EQ(Find("FIND|http://a", "http://b"), std::string::npos);
    EXPECT_EQ(Find("FIND|", ""), std::string::npos);
    EXPECT_EQ(Find("abab", "ab", 1), 2u);

    const struct {
        const char* text;
        const char* what;
        const char* with;
        const char* result;
        int count;
    } cases[] = {
        {"FIND|AB", "AB", "", "FIND|", 1},
        {"FIND|ABAB", "AB", "", "FIND|", 2},
        {"aaa", "aa", "b", "ba", 1},
        {"none", "x", "y", "none", 0},
        {"x", "", "y", "x", 0},
    };
    for (const auto& c : cases) {
        std::string s = c.text;
        EXPECT_EQ(Replace(s, c.what, c.with), c.count) << c.text;
        EXPECT_EQ(s, c.result) << c.text;
    }
    std::string r = "FIND|uXu";
    EXPECT_EQ(Remove(r, "u"), 2);
    EXPECT_EQ(r, "FIND|X");
}

}  // namespace
