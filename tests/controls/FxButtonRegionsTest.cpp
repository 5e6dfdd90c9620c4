// The picture and outline regions CFxButton builds per state, their sharing,
// and the window region each paint hands to the window.
#include <gtest/gtest.h>

#include "app/PageButtons.h"
#include "res/resource.h"
#include "tests/controls/FxButtonHost.h"
#include "tests/controls/FxPictures.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const RECT kRect = {10, 10, 130, 40};  // 120 x 30
const Rows kPicture = {".#####", "######", "######", ".#####"};

// The rows of a picture's opaque mask placed at (x, y) of a w x h area.
Rows PlacedMask(const Rows& picture, int x, int y, int w, int h) {
    Rows area(h, std::string(w, '.'));
    const Rows mask = ExpectedMask(picture, kMagenta, ::GetSysColor(COLOR_BTNFACE));
    for (size_t r = 0; r < mask.size(); ++r) area[y + r].replace(x, mask[r].size(), mask[r]);
    return area;
}

Rows Invert(Rows rows) {
    for (auto& row : rows)
        for (auto& ch : row) ch = ch == '#' ? '.' : '#';
    return rows;
}

class FxButtonRegions : public ::testing::Test {
protected:
    // kPicture-like pictures at (1, 1), picture keys and outline keys magenta.
    void MakeShapedButton(CFxButton& button, const Rows& normal, const Rows& pressed, const Rows& hot,
                          const Rows& disabled) {
        host.AddButton(button, "", BS_PUSHBUTTON, kRect, 1);
        UsePictures(button, normal, pressed, hot, disabled);
        button.SetBorderWidth(0);
        button.SetImageShift(FALSE);
        button.SetImageAlign(DT_SINGLELINE | DT_LEFT | DT_TOP);
        button.SetImageKeyColors(kMagenta, face, face, face);
        button.SetShapeKeyColors(kMagenta, face, face, face);
    }
    // The window region the button has now, as a mask of its client area.
    Rows WindowMask(const CFxButton& button, int* kind = nullptr) {
        HRGN region = ::CreateRectRgn(0, 0, 0, 0);
        const int k = ::GetWindowRgn(button.m_hWnd, region);
        if (kind) *kind = k;
        Rows mask = RegionMask(k == ERROR ? nullptr : region, 120, 30);
        ::DeleteObject(region);
        return mask;
    }

    ButtonHost host;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
};

TEST_F(FxButtonRegions, EqualPicturesShareTheNormalStatesRegions) {
    CFxButton button;
    MakeShapedButton(button, kPicture, kPicture, kPicture, kPicture);
    button.InitButton(nullptr, 1, 0, FALSE);
    EXPECT_EQ(PlacedMask(kPicture, 1, 1, 120, 30), RegionMask(button.m_rgnImage[0], 120, 30));
    EXPECT_EQ(PlacedMask(kPicture, 1, 1, 120, 30), RegionMask(button.m_rgnShape[0], 120, 30));
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(button.m_bImageRgnReady[i]);
        EXPECT_TRUE(button.m_bShapeRgnReady[i]);
        EXPECT_EQ(&button.m_rgnImage[0], button.m_pImageRgn[i]);
        EXPECT_EQ(&button.m_rgnShape[0], button.m_pShapeRgn[i]);
        if (i > 0) {
            EXPECT_TRUE(button.m_rgnImage[i].IsNull());  // the equal copy is released
            EXPECT_TRUE(button.m_rgnShape[i].IsNull());
        }
    }
}

TEST_F(FxButtonRegions, OnePixelOfDifferenceGivesTheStateItsOwnRegion) {
    const Rows hot = {".#####", "######", "###.##", ".#####"};
    CFxButton button;
    MakeShapedButton(button, kPicture, kPicture, hot, kPicture);
    button.InitButton(nullptr, 1, 0, FALSE);
    EXPECT_EQ(&button.m_rgnImage[2], button.m_pImageRgn[2]);
    EXPECT_EQ(&button.m_rgnShape[2], button.m_pShapeRgn[2]);
    EXPECT_EQ(PlacedMask(hot, 1, 1, 120, 30), RegionMask(button.m_rgnImage[2], 120, 30));
    for (int i : {0, 1, 3}) {
        EXPECT_EQ(&button.m_rgnImage[0], button.m_pImageRgn[i]);
        EXPECT_EQ(&button.m_rgnShape[0], button.m_pShapeRgn[i]);
    }
}

TEST_F(FxButtonRegions, StretchedPictureGetsItsRegionsFromTheStretchedPicture) {
    CFxButton button;
    MakeShapedButton(button, kPicture, {}, {}, {});
    button.m_rcImage[0].SetRect(4, 2, 16, 10);  // twice the size
    button.InitButton(nullptr, 1, 0, FALSE);
    Rows doubled;
    for (const auto& row : kPicture) {
        std::string wide;
        for (char ch : row) wide += std::string(2, ch);
        doubled.push_back(wide);
        doubled.push_back(wide);
    }
    EXPECT_EQ(PlacedMask(doubled, 4, 2, 120, 30), RegionMask(button.m_rgnImage[0], 120, 30));
    EXPECT_EQ(PlacedMask(doubled, 4, 2, 120, 30), RegionMask(button.m_rgnShape[0], 120, 30));
}

TEST_F(FxButtonRegions, InvertedShapeIsTheClientWithoutTheOpaquePixels) {
    CFxButton button;
    MakeShapedButton(button, kPicture, kPicture, kPicture, kPicture);
    button.m_bShapeInvert[0] = TRUE;
    button.InitButton(nullptr, 1, 0, FALSE);
    EXPECT_EQ(Invert(PlacedMask(kPicture, 1, 1, 120, 30)), RegionMask(button.m_rgnShape[0], 120, 30));
    EXPECT_EQ(&button.m_rgnShape[1], button.m_pShapeRgn[1]);  // no longer equal to the normal outline
    Painted painted(button, 0);
    EXPECT_EQ(Invert(PlacedMask(kPicture, 1, 1, 120, 30)), WindowMask(button));
}

TEST_F(FxButtonRegions, PictureOfOnlyKeyPixelsGivesAnEmptyWindow) {
    const Rows keys(4, std::string(6, '.'));
    CFxButton button;
    MakeShapedButton(button, keys, keys, keys, keys);
    button.InitButton(nullptr, 1, 0, FALSE);
    RECT box;
    EXPECT_EQ(NULLREGION, button.m_rgnShape[0].GetRgnBox(&box));
    Painted painted(button, 0);
    int kind = 0;
    EXPECT_EQ(Rows(30, std::string(120, '.')), WindowMask(button, &kind));
    EXPECT_EQ(NULLREGION, kind);
}

TEST_F(FxButtonRegions, WindowRegionFollowsTheStateAndGoesWithoutAPicture) {
    const Rows pressed = {"######", "######", "######", "#####."};
    CFxButton button;
    MakeShapedButton(button, kPicture, pressed, {}, kPicture);  // no hot picture
    button.InitButton(nullptr, 1, 0, FALSE);
    {
        Painted painted(button, 0);
        EXPECT_EQ(PlacedMask(kPicture, 1, 1, 120, 30), WindowMask(button));
    }
    {
        Painted painted(button, ODS_SELECTED);
        EXPECT_EQ(PlacedMask(pressed, 1, 1, 120, 30), WindowMask(button));
    }
    {
        button.m_bHot = TRUE;
        Painted painted(button, 0);
        EXPECT_EQ(FXS_HOT, button.m_nState);
        int kind = 0;
        WindowMask(button, &kind);
        EXPECT_EQ(ERROR, kind);  // no window region
        EXPECT_EQ(0, painted.Count(PictureColor('#')));
    }
}

TEST_F(FxButtonRegions, OutlineWithThePictureKeysButNoPictureRegionComesFromThePicture) {
    CFxButton button;
    host.AddButton(button, "", BS_PUSHBUTTON, kRect, 1);
    UsePictures(button, kPicture, {}, {}, {});
    button.SetBorderWidth(0);
    button.SetImageAlign(DT_SINGLELINE | DT_LEFT | DT_TOP);
    button.SetShapeKeyColors(face, face, face, face);  // the same keys as the (unused) picture keys
    button.m_crShapeKey2[0] = kMagenta;
    button.m_crImageKey[0] = kMagenta;  // the pair in the other order
    button.InitButton(nullptr, 1, 0, FALSE);
    EXPECT_FALSE(button.m_bImageRgnReady[0]);
    EXPECT_EQ(PlacedMask(kPicture, 1, 1, 120, 30), RegionMask(button.m_rgnShape[0], 120, 30));
}

TEST_F(FxButtonRegions, OutlineWithThePictureKeysInEitherOrderIsACopy) {
    const Rows picture = {"f#.", "###"};
    CFxButton button;
    MakeShapedButton(button, picture, {}, {}, {});
    button.m_crShapeKey[0] = face;
    button.m_crShapeKey2[0] = kMagenta;
    button.InitButton(nullptr, 1, 0, FALSE);
    EXPECT_TRUE(button.m_rgnShape[0].EqualRgn(&button.m_rgnImage[0]));
    EXPECT_NE(button.m_rgnShape[0].GetSafeHandle(), button.m_rgnImage[0].GetSafeHandle());
    EXPECT_EQ(PlacedMask(picture, 1, 1, 120, 30), RegionMask(button.m_rgnShape[0], 120, 30));
}

TEST_F(FxButtonRegions, CornerEllipseReplacesThePictureOutline) {
    CFxButton button;
    MakeShapedButton(button, kPicture, kPicture, kPicture, kPicture);
    button.m_nRoundWidth = 10;
    button.m_nRoundHeight = 10;
    button.InitButton(nullptr, 1, 0, FALSE);
    HRGN rounded = ::CreateRoundRectRgn(0, 0, 120, 30, 10, 10);
    EXPECT_TRUE(::EqualRgn(rounded, button.m_rgnShape[0]));
    ::DeleteObject(rounded);
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        EXPECT_EQ(&button.m_rgnShape[0], button.m_pShapeRgn[i]);
        EXPECT_EQ(i == 0, button.m_bShapeRgnReady[i] != 0);
        EXPECT_TRUE(button.m_bImageRgnReady[i]);  // picture regions are still built
    }
    Painted painted(button, 0);
    EXPECT_EQ(RegionMask(button.m_rgnShape[0], 120, 30), WindowMask(button));
}

// The main window's page buttons: the committed 173 x 27 bitmaps, configured
// in the main window's order.
TEST_F(FxButtonRegions, PageButtonsShareOneOutlineWithRoundedLeftCorners) {
    for (const PageButtonLook* page : {&kDownloaderPageButtonLook, &kPlayerPageButtonLook}) {
        SCOPED_TRACE(page->caption);
        CFxButton button;
        host.AddButton(button, page->caption, BS_PUSHBUTTON, RECT{0, 0, 173, 29}, 1009);
        ConfigurePageButton(button, *page);

        for (int i = 0; i < FX_STATE_COUNT; ++i) {
            ASSERT_NE(nullptr, button.m_pImage[i]);
            EXPECT_EQ(CSize(173, 27), button.m_szImage[i]);
            EXPECT_EQ(CRect(0, 1, 173, 28), button.m_rcImage[i]);
            EXPECT_EQ(&button.m_rgnShape[0], button.m_pShapeRgn[i]);
            EXPECT_EQ(&button.m_rgnImage[0], button.m_pImageRgn[i]);
        }
        // Eight magenta pixels in each left corner are cut off.
        Rows expected(29, std::string(173, '.'));
        for (int y = 1; y < 28; ++y) expected[y] = std::string(173, '#');
        const int corner[4] = {4, 2, 1, 1};  // key pixels per row from the corner inwards
        for (int r = 0; r < 4; ++r) {
            expected[1 + r].replace(0, corner[r], corner[r], '.');
            expected[27 - r].replace(0, corner[r], corner[r], '.');
        }
        EXPECT_EQ(expected, RegionMask(button.m_rgnShape[0], 173, 29));
        EXPECT_TRUE(button.m_rgnImage[0].EqualRgn(&button.m_rgnShape[0]));

        // Painted clipped to the outline: nothing lands on the cut corners.
        Painted painted(button, 0);
        EXPECT_EQ(Painted::kCanvas, painted.At(0, 1));
        EXPECT_EQ(Painted::kCanvas, painted.At(0, 0));
        EXPECT_NE(Painted::kCanvas, painted.At(4, 1));
        EXPECT_GT(painted.Count(RGB(12, 62, 113)), 0);  // the caption
    }
}

}  // namespace
