#include "ui/controls/FxRegions.h"

#include <gtest/gtest.h>

#include "tests/controls/FxPictures.h"

namespace {

using Rows = std::vector<std::string>;

const COLORREF kMagenta = RGB(255, 0, 255);

struct RegionCase {
    const char* name;
    Rows picture;
    COLORREF key, key2;
    Rows expected;  // '#' in the region
};

const RegionCase kRegionCases[] = {
    {"no key pixels", {"#rg", "wky", "###"}, kMagenta, RGB(1, 2, 3), {"###", "###", "###"}},
    {"only key pixels", {"...", "..."}, kMagenta, kMagenta, {"...", "..."}},
    {"last pixel transparent", {"##.", "#..", "###"}, kMagenta, kMagenta, {"##.", "#..", "###"}},
    {"opaque last pixel after a transparent one", {"#.#", "..#", "###"}, kMagenta, kMagenta,
     {"#.#", "..#", "###"}},
    {"one pixel wide", {"#", ".", "r", "."}, kMagenta, kMagenta, {"#", ".", "#", "."}},
    {"second key transparent too", {"f#.", "#f#"}, kMagenta, PictureColor('f'), {".#.", "#.#"}},
    {"runs broken by either key", {"##f##.##"}, kMagenta, PictureColor('f'), {"##.##.##"}},
    {"rounded left corners", {"..######", ".#######", "########", ".#######", "..######"},
     kMagenta, PictureColor('f'), {"..######", ".#######", "########", ".#######", "..######"}},
};

TEST(RegionFromBitmap, HoldsExactlyThePixelsOfNeitherKey) {
    for (const auto& c : kRegionCases) {
        SCOPED_TRACE(c.name);
        PictureDC picture(c.picture);
        const int w = static_cast<int>(c.picture[0].size());
        const int h = static_cast<int>(c.picture.size());
        HRGN region = RegionFromBitmap(picture.dc(), w, h, c.key, c.key2);
        ASSERT_NE(nullptr, region);
        EXPECT_EQ(c.expected, RegionMask(region, w, h));
        // Nothing outside the scanned area.
        RECT box;
        GetRgnBox(region, &box);
        EXPECT_LE(box.right, w);
        EXPECT_LE(box.bottom, h);
        DeleteObject(region);
    }
}

TEST(RegionFromBitmap, PictureWithoutKeysGivesThePictureRectangle) {
    PictureDC picture(Rows{"#rgw", "kyw#"});
    HRGN region = RegionFromBitmap(picture.dc(), 4, 2, kMagenta, kMagenta);
    HRGN rect = CreateRectRgn(0, 0, 4, 2);
    EXPECT_TRUE(EqualRgn(region, rect));
    DeleteObject(rect);
    DeleteObject(region);
}

TEST(RegionFromBitmap, OnlyKeyPixelsGiveAnEmptyRegion) {
    PictureDC picture(Rows{"..", ".."});
    HRGN region = RegionFromBitmap(picture.dc(), 2, 2, kMagenta, kMagenta);
    RECT box;
    EXPECT_EQ(NULLREGION, GetRgnBox(region, &box));
    DeleteObject(region);
}

TEST(RegionFromBitmap, EqualKeysGiveTheSameRegionAsOneKey) {
    PictureDC picture(Rows{".#r.", "#..g", "ff.#"});
    HRGN one = RegionFromBitmap(picture.dc(), 4, 3, kMagenta, RGB(1, 2, 3));
    HRGN both = RegionFromBitmap(picture.dc(), 4, 3, kMagenta, kMagenta);
    EXPECT_TRUE(EqualRgn(one, both));
    DeleteObject(one);
    DeleteObject(both);
}

TEST(RegionFromBitmap, ScansOnlyTheGivenArea) {
    PictureDC picture(Rows{"####", "####", "####"});
    HRGN region = RegionFromBitmap(picture.dc(), 2, 1, kMagenta, kMagenta);
    EXPECT_EQ((Rows{"##..", "....", "...."}), RegionMask(region, 4, 3));
    DeleteObject(region);
}

TEST(RegionFromBitmap, EmptyAreaGivesAnEmptyRegion) {
    PictureDC picture(Rows{"##"});
    for (auto size : {std::make_pair(0, 1), std::make_pair(2, 0), std::make_pair(-3, -3)}) {
        HRGN region = RegionFromBitmap(picture.dc(), size.first, size.second, kMagenta, kMagenta);
        ASSERT_NE(nullptr, region);
        RECT box;
        EXPECT_EQ(NULLREGION, GetRgnBox(region, &box));
        DeleteObject(region);
    }
}

TEST(RegionFromBitmap, LargePictureNeedsSeveralChunks) {
    // 100 x 100 checkerboard: 5000 one-pixel runs.
    Rows rows(100, std::string(100, '#'));
    for (int y = 0; y < 100; ++y)
        for (int x = (y & 1); x < 100; x += 2) rows[y][x] = '.';
    PictureDC picture(rows);
    HRGN region = RegionFromBitmap(picture.dc(), 100, 100, kMagenta, kMagenta);
    EXPECT_EQ(ExpectedMask(rows, kMagenta, kMagenta), RegionMask(region, 100, 100));
    DeleteObject(region);
}

}  // namespace
