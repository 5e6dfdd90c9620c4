#include "ui/controls/FxColors.h"

#include <gtest/gtest.h>

#include "ui/controls/FxButtonDefs.h"

namespace {

struct EdgeCase {
    COLORREF base;
    int style;
    COLORREF expected[4];  // k = 1..4
};

const EdgeCase kEdgeCases[] = {
    {RGB(212, 208, 200), FXE_RAISED,
     {RGB(255, 255, 255), RGB(229, 226, 222), RGB(106, 104, 100), RGB(148, 145, 139)}},
    {RGB(212, 208, 200), FXE_SUNKEN,
     {RGB(106, 104, 100), RGB(148, 145, 139), RGB(255, 255, 255), RGB(229, 226, 222)}},
    {RGB(212, 208, 200), FXE_FLAT,
     {RGB(212, 208, 200), RGB(212, 208, 200), RGB(212, 208, 200), RGB(212, 208, 200)}},
    {RGB(0, 0, 0), FXE_RAISED,
     {RGB(255, 255, 255), RGB(102, 102, 102), RGB(0, 0, 0), RGB(0, 0, 0)}},
    {RGB(0, 0, 0), FXE_SUNKEN,
     {RGB(0, 0, 0), RGB(0, 0, 0), RGB(255, 255, 255), RGB(102, 102, 102)}},
    // The single-precision dark factor: 10 * 0.7 truncates to 6.
    {RGB(10, 10, 10), FXE_RAISED,
     {RGB(255, 255, 255), RGB(108, 108, 108), RGB(5, 5, 5), RGB(6, 6, 6)}},
    {RGB(255, 255, 255), FXE_SUNKEN,
     {RGB(127, 127, 127), RGB(178, 178, 178), RGB(255, 255, 255), RGB(255, 255, 255)}},
};

TEST(EdgeColor, GivesTheFourEdgeColoursPerStyle) {
    for (const auto& c : kEdgeCases)
        for (int k = 1; k <= 4; ++k)
            EXPECT_EQ(c.expected[k - 1], EdgeColor(c.base, c.style, k))
                << "base " << std::hex << c.base << std::dec << " style " << c.style << " k " << k;
}

TEST(EdgeColor, TreatsEachChannelOnItsOwn) {
    EXPECT_EQ(RGB(10, 100, 72), EdgeColor(RGB(20, 200, 144), FXE_RAISED, 3));
    EXPECT_EQ(RGB(114, 222, 188), EdgeColor(RGB(20, 200, 144), FXE_RAISED, 2));
}

TEST(EdgeColor, UnknownStyleOrIndexGivesBlack) {
    EXPECT_EQ(RGB(0, 0, 0), EdgeColor(RGB(212, 208, 200), 0, 1));
    EXPECT_EQ(RGB(0, 0, 0), EdgeColor(RGB(212, 208, 200), FXE_RAISED, 5));
}

struct TintCase {
    COLORREF color;
    int red, green, blue;
    COLORREF expected;
};

const TintCase kTintCases[] = {
    {RGB(200, 100, 0), 50, 50, 50, RGB(255, 150, 0)},
    {RGB(200, 100, 7), 0, 0, 0, RGB(200, 100, 7)},
    {RGB(200, 100, 7), -100, -100, -100, RGB(0, 0, 0)},
    {RGB(200, 100, 7), -50, 10, 1000, RGB(100, 110, 77)},
    {RGB(3, 3, 3), 10, -10, -200, RGB(3, 2, 0)},  // 3.3 -> 3, 2.7 -> 2, -3 -> 0
    {RGB(255, 255, 255), 2147483647, -2147483647, 1, RGB(255, 0, 255)},
};

TEST(TintColor, AddsEachChannelsPercentageAndClamps) {
    for (const auto& c : kTintCases)
        EXPECT_EQ(c.expected, TintColor(c.color, c.red, c.green, c.blue))
            << std::hex << c.color << std::dec << " " << c.red << "," << c.green << "," << c.blue;
}

TEST(ShadeColor, TakesSeventyPercentWithTheSinglePrecisionFactor) {
    EXPECT_EQ(RGB(148, 145, 139), ShadeColor(RGB(212, 208, 200)));
    EXPECT_EQ(RGB(6, 0, 178), ShadeColor(RGB(10, 0, 255)));
}

}  // namespace
