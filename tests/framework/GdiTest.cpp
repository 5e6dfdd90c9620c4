// The GDI wrappers own their handles, select and restore objects, and draw
// through to the device context.
#include <gtest/gtest.h>

#include "framework/Bitmap.h"
#include "framework/Brush.h"
#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/MemoryDC.h"
#include "framework/Pen.h"
#include "framework/Region.h"
#include "framework/SelectGuard.h"

namespace {

TEST(GdiTest, MemoryDcDrawsIntoItsBitmapAndGuardsRestoreTheSelection) {
    CMemoryDC dc(static_cast<HDC>(nullptr));
    ASSERT_NE(dc.GetSafeHdc(), nullptr);
    CBitmap bitmap;
    {
        CDC screen(::GetDC(nullptr));
        ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 20, 10));
        ::ReleaseDC(nullptr, screen.Detach());
    }
    EXPECT_EQ(bitmap.GetSize(), CSize(20, 10));

    HGDIOBJ original = ::GetCurrentObject(dc, OBJ_PEN);
    {
        CSelectGuard selectBitmap(dc, bitmap);
        CRect all(0, 0, 20, 10);
        dc.FillSolidRect(&all, RGB(255, 255, 255));
        CPen pen(PS_SOLID, 1, RGB(24, 141, 220));
        {
            CSelectGuard selectPen(dc, pen);
            EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen.GetSafeHandle());
            dc.MoveTo(0, 5);
            dc.LineTo(20, 5);
        }
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), original);
        EXPECT_TRUE(pen.DeleteObject());  // no longer selected
        EXPECT_EQ(dc.GetPixel(3, 5), RGB(24, 141, 220));
        EXPECT_EQ(dc.GetPixel(3, 4), RGB(255, 255, 255));

        CBrush brush(RGB(10, 20, 30));
        CRgn rgn;
        ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 2, 2));
        dc.FillRgn(&rgn, brush);
        EXPECT_EQ(dc.GetPixel(1, 1), RGB(10, 20, 30));
    }
    EXPECT_TRUE(bitmap.DeleteObject());
}

TEST(GdiTest, RegionsCopyCombineAndCompare) {
    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 4, 4));
    ASSERT_TRUE(b.CreateRectRgn(4, 0, 8, 4));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_NE(both.CombineRgn(&a, &b, RGN_OR), ERROR);
    CRgn expected;
    expected.CreateRectRgn(0, 0, 8, 4);
    EXPECT_TRUE(both.EqualRgn(&expected));

    CRgn copy;  // created by the copy
    copy.CopyRgn(&a);
    EXPECT_TRUE(copy.EqualRgn(&a));
    copy.OffsetRgn(4, 0);
    EXPECT_TRUE(copy.EqualRgn(&b));
    CRect box;
    copy.GetRgnBox(&box);
    EXPECT_EQ(box, CRect(4, 0, 8, 4));
}

TEST(GdiTest, FontIsCreatedAsAsked) {
    CFont font;
    ASSERT_TRUE(font.CreateFont(15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial"));
    LOGFONTA lf = {};
    ASSERT_TRUE(font.GetLogFont(&lf));
    EXPECT_EQ(lf.lfHeight, 15);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
}

TEST(GdiTest, HandlesAreReleasedWithTheirObjects) {
    HGDIOBJ h;
    {
        CBrush brush(RGB(1, 2, 3));
        h = brush.GetSafeHandle();
        EXPECT_NE(::GetObjectType(h), 0u);
    }
    EXPECT_EQ(::GetObjectType(h), 0u);
    CBrush kept(RGB(4, 5, 6));
    HGDIOBJ detached = kept.Detach();
    EXPECT_TRUE(kept.IsNull());
    EXPECT_TRUE(::DeleteObject(detached));
}

}  // namespace
