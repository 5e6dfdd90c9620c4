#include "ui/controls/FxRoundBorder.h"

#include <gtest/gtest.h>

#include "tests/controls/FxPictures.h"

namespace {

const COLORREF kLight = RGB(255, 0, 0);
const COLORREF kDark = RGB(0, 0, 255);
const COLORREF kPaper = RGB(255, 255, 255);

// The figure of a w x h client area with a W x H corner ellipse, light half
// in red and dark half in blue, on white.
struct Figure {
    Figure(int w, int h, int W, int H) : picture(std::vector<std::string>(h, std::string(w, 'w'))) {
        HPEN light = CreatePen(PS_SOLID, 1, kLight);
        HPEN dark = CreatePen(PS_SOLID, 1, kDark);
        HGDIOBJ old = SelectObject(picture.dc(), light);
        DrawRoundFigure(picture.dc(), FX_LIGHT_HALF, w, h, W, H);
        SelectObject(picture.dc(), dark);
        DrawRoundFigure(picture.dc(), FX_DARK_HALF, w, h, W, H);
        SelectObject(picture.dc(), old);
        DeleteObject(light);
        DeleteObject(dark);
    }
    COLORREF At(int x, int y) const { return GetPixel(picture.dc(), x, y); }
    PictureDC picture;
};

TEST(DrawRoundFigure, LightHalfOnLeftAndTopDarkHalfOnRightAndBottom) {
    const int w = 40, h = 20;
    Figure f(w, h, 8, 8);
    struct Point {
        int x, y;
        COLORREF expected;
    } points[] = {
        {0, h / 2, kLight},       // left side
        {w / 2, 0, kLight},       // top side
        {w - 2, h / 2, kDark},    // right side, one pixel in
        {w / 2, h - 2, kDark},    // bottom side, one pixel in
        {w - 1, h / 2, kPaper},   // the outermost column and row stay clear
        {w / 2, h - 1, kPaper},
        {w / 2, h / 2, kPaper},   // inside
        // The sides run the full length; the corner ellipse only rounds the
        // outline through the clipping, not through the figure.
        {0, 0, kLight},
        {w - 1, 0, kLight},
        {1, h - 2, kDark},
        {w - 1, h - 1, kPaper},
    };
    for (const auto& p : points)
        EXPECT_EQ(p.expected, f.At(p.x, p.y)) << "at " << p.x << "," << p.y;
}

TEST(DrawRoundFigure, CornerArcsJoinTheSides) {
    const int w = 40, h = 20, W = 8, H = 8;
    Figure f(w, h, W, H);
    // Upper-left arc: both ends of the quarter ellipse are drawn in light.
    EXPECT_EQ(kLight, f.At(W / 2, 0));
    EXPECT_EQ(kLight, f.At(0, H / 2));
    // Some pixel on the diagonal band of the upper-left corner is light.
    bool lightInCorner = false;
    for (int x = 1; x < W / 2; ++x)
        for (int y = 1; y < H / 2; ++y) lightInCorner |= f.At(x, y) == kLight;
    EXPECT_TRUE(lightInCorner);
    // Lower-right arc is dark.
    bool darkInCorner = false;
    for (int x = w - W / 2; x < w - 1; ++x)
        for (int y = h - H / 2; y < h - 1; ++y) darkInCorner |= f.At(x, y) == kDark;
    EXPECT_TRUE(darkInCorner);
}

}  // namespace
