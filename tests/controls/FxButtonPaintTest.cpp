// The pixels CFxButton paints per state, drawn into memory device contexts.
#include <gtest/gtest.h>

#include "tests/controls/FxButtonHost.h"
#include "tests/controls/FxPictures.h"
#include "ui/controls/FxColors.h"

namespace {

const COLORREF kBlue = RGB(12, 62, 113);
const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kGreen = RGB(0, 150, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMagenta = RGB(255, 0, 255);
const RECT kRect = {10, 10, 130, 40};  // 120 x 30

// A 6 x 4 picture with rounded-off left corners.
const Rows kPicture = {".#####", "######", "######", ".#####"};

RECT Offset(RECT r, int dx, int dy) {
    ::OffsetRect(&r, dx, dy);
    return r;
}

bool operator==(const RECT& a, const RECT& b) { return ::EqualRect(&a, &b) != FALSE; }

class FxButtonPaint : public ::testing::Test {
protected:
    // A push button with a large caption in a font that has solid stems.
    void MakeCaptionButton(CFxButton& button, DWORD style = BS_PUSHBUTTON, const RECT& rect = kRect) {
        host.AddButton(button, "IIII", style, rect, 1);
        button.SetFontName("Arial", TRUE, "", "", "");
        button.SetFontHeight(20);
        button.SetTextColors(kBlue, kRed, kGreen, ::GetSysColor(COLOR_GRAYTEXT));
    }
    // A push button with kPicture at (1, 1) for every state, no caption.
    void MakePictureButton(CFxButton& button) {
        host.AddButton(button, "", BS_PUSHBUTTON, kRect, 1);
        UsePictures(button, kPicture, kPicture, kPicture, kPicture);
        button.SetBorderWidth(0);
        button.SetImageAlign(DT_SINGLELINE | DT_LEFT | DT_TOP);
        button.SetImageShift(FALSE);
    }

    ButtonHost host;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
};

struct CaptionCase {
    const char* name;
    UINT itemState;
    BOOL hot;
    COLORREF colour;
    int shift;  // from where the caption would sit unmoved
};

const CaptionCase kCaptionCases[] = {
    {"normal", 0, FALSE, kBlue, -1},
    {"pressed", ODS_SELECTED, FALSE, kRed, 1},
    {"hot", 0, TRUE, kGreen, -1},
    {"pressed wins over hot", ODS_SELECTED, TRUE, kRed, 1},
};

TEST_F(FxButtonPaint, CaptionColourAndPlacePerState) {
    CFxButton button;
    MakeCaptionButton(button);
    button.InitButton(nullptr, 1, 0, FALSE);
    RECT unmoved = {};
    {
        Painted normal(button, 0);
        unmoved = Offset(normal.BoundsOfColour(kBlue), 1, 1);
        ASSERT_FALSE(::IsRectEmpty(&unmoved));
    }
    for (const auto& c : kCaptionCases) {
        SCOPED_TRACE(c.name);
        button.m_bHot = c.hot;
        Painted painted(button, c.itemState);
        EXPECT_TRUE(Offset(unmoved, c.shift, c.shift) == painted.BoundsOfColour(c.colour));
        EXPECT_EQ(face, painted.At(1, 1));  // background fill
    }
}

TEST_F(FxButtonPaint, CheckedButtonShowsThePressedState) {
    CFxButton button;
    MakeCaptionButton(button, BS_AUTOCHECKBOX | BS_PUSHLIKE);
    button.InitButton(nullptr, 1, 0, TRUE);
    Painted painted(button, 0);
    EXPECT_EQ(FXS_PRESSED, button.m_nState);
    EXPECT_GT(painted.Count(kRed), 0);
}

TEST_F(FxButtonPaint, DisabledCaptionIsEmbossed) {
    CFxButton button;
    MakeCaptionButton(button);
    button.m_crBack[3] = RGB(212, 208, 200);
    button.m_crText[3] = RGB(0, 200, 200);  // never seen
    button.InitButton(nullptr, 1, 0, FALSE);
    RECT normal = {};
    {
        Painted painted(button, 0);
        normal = painted.BoundsOfColour(kBlue);
    }
    Painted painted(button, ODS_DISABLED);
    EXPECT_EQ(FXS_DISABLED, button.m_nState);
    const RECT shade = painted.BoundsOfColour(RGB(148, 145, 139));
    const RECT white = painted.BoundsOfColour(kWhite);
    ASSERT_FALSE(::IsRectEmpty(&shade));
    // The shade sits where a normal caption does; the white shows one pixel
    // right of and below it.
    EXPECT_TRUE(normal == shade);
    EXPECT_EQ(shade.right + 1, white.right);
    EXPECT_EQ(shade.bottom + 1, white.bottom);
    EXPECT_EQ(0, painted.Count(RGB(0, 200, 200)));
    EXPECT_EQ(RGB(212, 208, 200), painted.At(1, 1));
}

struct KeyCase {
    const char* name;
    bool key;
    bool shift;
    int origin;  // of the picture, both coordinates
};

const KeyCase kKeyCases[] = {
    {"keyed", true, false, 1},
    {"keyed, shifted with the raised edge", true, true, 0},
    {"not keyed", false, false, 1},
};

TEST_F(FxButtonPaint, PictureIsClippedByItsKeyColour) {
    for (const auto& c : kKeyCases) {
        SCOPED_TRACE(c.name);
        CFxButton button;
        MakePictureButton(button);
        if (c.key) button.SetImageKeyColors(kMagenta, face, face, face);
        button.SetImageShift(c.shift);
        button.InitButton(nullptr, 1, 0, FALSE);
        Painted painted(button, 0);
        const int o = c.origin;
        EXPECT_EQ(c.key ? face : kMagenta, painted.At(o, o));          // key pixel
        EXPECT_EQ(c.key ? face : kMagenta, painted.At(o, o + 3));
        EXPECT_EQ(PictureColor('#'), painted.At(o + 1, o));            // opaque pixels
        EXPECT_EQ(PictureColor('#'), painted.At(o + 5, o + 3));
        EXPECT_EQ(face, painted.At(o + 6, o));                         // beside the picture
    }
}

TEST_F(FxButtonPaint, DisabledImageSubstitutionKeepsTheNormalRegionAndPlace) {
    CFxButton button;
    host.AddButton(button, "", BS_PUSHBUTTON, kRect, 1);
    UsePictures(button, kPicture, kPicture, kPicture, Rows(4, std::string(6, 'g')));
    button.SetBorderWidth(0);
    button.SetImageShift(FALSE);
    button.SetImageAlign(DT_SINGLELINE | DT_LEFT | DT_TOP);
    button.m_rcImage[3].SetRect(50, 10, 56, 14);  // the disabled picture lies elsewhere
    button.SetImageKeyColors(kMagenta, face, face, face);
    button.InitButton(nullptr, 1, 0, FALSE);
    button.m_bUseDisabledImage = TRUE;
    Painted painted(button, 0);
    EXPECT_EQ(PictureColor('g'), painted.At(2, 1));
    EXPECT_EQ(face, painted.At(1, 1));  // the normal state's region cuts the corner
    EXPECT_EQ(face, painted.At(51, 11));
}

TEST_F(FxButtonPaint, DisabledStateWithoutOwnPictureShowsAnEmbossedSilhouette) {
    for (bool keyed : {true, false}) {
        SCOPED_TRACE(keyed ? "by region" : "by rectangle");
        CFxButton button;
        MakePictureButton(button);
        button.m_rcImage[0].SetRect(2, 2, 8, 6);
        button.m_rcImage[3] = button.m_rcImage[0];
        // The disabled state uses the normal state's picture.
        button.m_pImage[3] = button.m_pImage[0];
        button.m_pImageDC[3] = button.m_pImageDC[0];
        if (keyed) button.SetImageKeyColors(kMagenta, face, face, face);
        button.InitButton(nullptr, 1, 0, FALSE);
        Painted painted(button, ODS_DISABLED);
        const COLORREF shade = ShadeColor(button.m_crBack[3]);
        EXPECT_EQ(0, painted.Count(PictureColor('#')));
        EXPECT_EQ(shade, painted.At(3, 2));  // inside
        EXPECT_EQ(kWhite, painted.At(7, 3));  // right edge
        EXPECT_EQ(kWhite, painted.At(4, 5));  // bottom edge
        EXPECT_EQ(keyed ? face : shade, painted.At(2, 2));  // key pixel of the corner
        EXPECT_EQ(keyed ? face : shade, painted.At(1, 3));  // left of the picture
    }
}

struct AlphaCase {
    int alpha;
    int low, high;  // of each channel of black drawn over white
};

const AlphaCase kAlphaCases[] = {
    {255, 0, 0},      // plain copy
    {254, 1, 3},      // blended, barely
    {128, 120, 135},  // half
    {0, 255, 255},
};

TEST_F(FxButtonPaint, OpacityBelowFullBlendsThePicture) {
    for (const auto& c : kAlphaCases) {
        SCOPED_TRACE(testing::Message() << "alpha " << c.alpha);
        CFxButton button;
        host.AddButton(button, "", BS_PUSHBUTTON, kRect, 1);
        const Rows black(4, std::string(6, 'k'));
        UsePictures(button, black, black, black, black);
        for (auto& back : button.m_crBack) back = kWhite;
        button.m_nImageAlpha[0] = c.alpha;
        button.InitButton(nullptr, 1, 0, FALSE);
        Painted painted(button, 0);
        const COLORREF p = painted.At(button.m_rcImage[0].left + 1, button.m_rcImage[0].top + 1);
        for (int channel : {GetRValue(p), GetGValue(p), GetBValue(p)}) {
            EXPECT_GE(channel, c.low);
            EXPECT_LE(channel, c.high);
        }
    }
}

// Pixels that differ between two paints lie on the outline of the rectangle.
void ExpectDifferencesOnFrame(const Painted& a, const Painted& b, const RECT& frame) {
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            if (a.At(x, y) == b.At(x, y)) continue;
            ++differences;
            const bool onFrame = (x >= frame.left && x < frame.right && (y == frame.top || y == frame.bottom - 1)) ||
                                 (y >= frame.top && y < frame.bottom && (x == frame.left || x == frame.right - 1));
            EXPECT_TRUE(onFrame) << x << "," << y;
        }
    EXPECT_GT(differences, 0);
}

TEST_F(FxButtonPaint, FocusedPushButtonShowsTheFocusFrameUnlessSwitchedOff) {
    for (UINT mask : {0u, static_cast<UINT>(FXL_FOCUS)}) {
        SCOPED_TRACE(testing::Message() << "mask " << mask);
        CFxButton button;
        MakeCaptionButton(button);
        button.InitButton(nullptr, 1, mask, FALSE);
        Painted plain(button, 0);
        EXPECT_FALSE(button.m_bFocused);
        Painted focused(button, ODS_FOCUS);
        EXPECT_TRUE(button.m_bFocused);
        if (mask == 0) {
            ExpectDifferencesOnFrame(plain, focused, RECT{3, 3, 117, 27});
        } else {
            for (int y = 0; y < plain.Height(); ++y)
                for (int x = 0; x < plain.Width(); ++x) ASSERT_EQ(plain.At(x, y), focused.At(x, y));
        }
    }
}

TEST_F(FxButtonPaint, FocusedCheckBoxFramesItsCaption) {
    CFxButton button;
    MakeCaptionButton(button, BS_AUTOCHECKBOX);
    button.InitButton(nullptr, 1, 0, FALSE);
    Painted plain(button, 0);
    Painted focused(button, ODS_FOCUS);

    // The caption and a space measured in the caption's font.
    HFONT font = ::CreateFontA(20, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, "Arial");
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE text, space;
    ::GetTextExtentPoint32A(dc, "IIII", 4, &text);
    ::GetTextExtentPoint32A(dc, " ", 1, &space);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(font);

    // Right of the glyph by two spaces, the caption's width plus a space wide.
    const int left = button.m_rcCheckBox.right + 2 * space.cx - button.m_rcCheckBox.left;
    const int top = (30 - text.cy) / 2;
    ExpectDifferencesOnFrame(plain, focused, RECT{left, top, left + text.cx + space.cx, top + text.cy});
}

struct TintCase {
    const char* name;
    UINT itemState;
    BYTE focusTint;
    bool tinted;
};

const TintCase kTintCases[] = {
    {"focused", ODS_FOCUS, TRUE, true},
    {"not focused", 0, TRUE, false},
    {"tint switched off", ODS_FOCUS, FALSE, false},
    {"disabled background never tinted", ODS_FOCUS | ODS_DISABLED, TRUE, false},
};

TEST_F(FxButtonPaint, FocusTintsTheBackground) {
    for (const auto& c : kTintCases) {
        SCOPED_TRACE(c.name);
        CFxButton button;
        MakeCaptionButton(button);
        for (auto& back : button.m_crBack) back = RGB(100, 100, 100);
        button.m_nBackTint[0] = 50;
        button.m_nBackTint[2] = -50;
        button.m_bFocusTint = c.focusTint;
        button.InitButton(nullptr, 1, FXL_FOCUS, FALSE);
        Painted painted(button, c.itemState);
        EXPECT_EQ(c.tinted ? RGB(150, 100, 50) : RGB(100, 100, 100), painted.At(1, 1));
    }
}

TEST_F(FxButtonPaint, FocusTintsTheCaption) {
    CFxButton button;
    MakeCaptionButton(button);
    button.m_nTextTint[0] = 100;
    button.m_nTextTint[1] = 100;
    button.InitButton(nullptr, 1, FXL_FOCUS, FALSE);
    Painted painted(button, ODS_FOCUS);
    EXPECT_GT(painted.Count(TintColor(kBlue, 100, 100, 0)), 0);
    EXPECT_EQ(0, painted.Count(kBlue));
}

struct GlyphCase {
    const char* name;
    DWORD style;
    BOOL checked;
    UINT itemState;
    UINT frameState;  // DrawFrameControl state the glyph must look like
};

const GlyphCase kGlyphCases[] = {
    {"check box", BS_AUTOCHECKBOX, FALSE, 0, DFCS_BUTTONCHECK},
    {"checked check box", BS_AUTOCHECKBOX, TRUE, 0, DFCS_BUTTONCHECK | DFCS_CHECKED},
    {"disabled checked check box", BS_AUTOCHECKBOX, TRUE, ODS_DISABLED, DFCS_BUTTONCHECK | DFCS_INACTIVE},
    {"radio button", BS_AUTORADIOBUTTON, FALSE, 0, DFCS_BUTTONRADIO},
    {"checked radio button", BS_AUTORADIOBUTTON, TRUE, 0, DFCS_BUTTONRADIO | DFCS_CHECKED},
    {"disabled checked radio button", BS_AUTORADIOBUTTON, TRUE, ODS_DISABLED, DFCS_BUTTONRADIO | DFCS_INACTIVE},
};

TEST_F(FxButtonPaint, CheckGlyphShowsTheCheckStateAndGreysWhenDisabled) {
    for (const auto& c : kGlyphCases) {
        SCOPED_TRACE(c.name);
        CFxButton button;
        MakeCaptionButton(button, c.style);
        button.InitButton(nullptr, 1, 0, c.checked);
        Painted painted(button, c.itemState);

        // The same glyph drawn by the system on the same background.
        const CRect box = button.m_rcCheckBox;
        PictureDC expected(Rows(box.Height(), std::string(box.Width(), 'w')));
        const RECT all = {0, 0, box.Width(), box.Height()};
        HBRUSH back = ::CreateSolidBrush(c.itemState & ODS_DISABLED ? button.m_crBack[3] : button.m_crBack[1]);
        ::FillRect(expected.dc(), &all, back);
        ::DeleteObject(back);
        RECT glyph = all;
        ::DrawFrameControl(expected.dc(), &glyph, DFC_BUTTON, c.frameState);
        for (int y = 0; y < box.Height(); ++y)
            for (int x = 0; x < box.Width(); ++x)
                ASSERT_EQ(::GetPixel(expected.dc(), x, y), painted.At(box.left + x, box.top + y)) << x << "," << y;
    }
}

struct RoundCase {
    const char* name;
    UINT itemState;
    int borderWidth;
    int edgeAtLeft;   // edge colour index (0..3) expected at (0, h/2), -1 = background
    int edgeInside;   // at (1, h/2)
    int edgeAtRight;  // at (w-2, h/2)
};

const RoundCase kRoundCases[] = {
    {"raised, border 2", 0, 2, 0, 1, 2},
    {"sunken, border 2", ODS_SELECTED, 2, 0, 1, 2},
    {"border 1: no inner edge", 0, 1, 0, -1, 2},
    {"border 0: no edge", 0, 0, -1, -1, -1},
};

TEST_F(FxButtonPaint, RoundedButtonDrawsItsBorderInsideTheRoundedClip) {
    for (const auto& c : kRoundCases) {
        SCOPED_TRACE(c.name);
        CFxButton button;
        host.AddButton(button, "", BS_PUSHBUTTON, kRect, 1);
        button.m_nRoundWidth = 12;
        button.m_nRoundHeight = 12;
        button.SetBorderWidth(c.borderWidth);
        button.InitButton(nullptr, 1, 0, FALSE);
        for (int i = 0; i < FX_STATE_COUNT; ++i) EXPECT_TRUE(button.m_bShape[i]);
        for (int i = 1; i < FX_STATE_COUNT; ++i) EXPECT_EQ(&button.m_rgnShape[0], button.m_pShapeRgn[i]);

        Painted painted(button, c.itemState);
        const int i = FxIndex(button.m_nState);
        auto expected = [&](int edge) { return edge < 0 ? face : button.m_crEdge[i][edge]; };
        EXPECT_EQ(expected(c.edgeAtLeft), painted.At(0, 15));
        EXPECT_EQ(expected(c.edgeInside), painted.At(1, 15));
        EXPECT_EQ(expected(c.edgeAtRight), painted.At(118, 15));
        EXPECT_EQ(expected(c.edgeAtLeft), painted.At(60, 0));  // top: light half
        EXPECT_EQ(expected(c.edgeAtRight), painted.At(60, 28));  // bottom: dark half
        // The corners lie outside the rounded rectangle: nothing painted.
        EXPECT_EQ(Painted::kCanvas, painted.At(0, 0));
        EXPECT_EQ(Painted::kCanvas, painted.At(119, 29));
    }
}

TEST_F(FxButtonPaint, CornerEllipseIsClampedToTheClientSize) {
    CFxButton button;
    host.AddButton(button, "", BS_PUSHBUTTON, kRect, 1);
    button.m_nRoundWidth = 500;
    button.m_nRoundHeight = 400;
    button.InitButton(nullptr, 1, 0, FALSE);
    EXPECT_EQ(120, button.m_nRoundWidth);
    EXPECT_EQ(30, button.m_nRoundHeight);
}

TEST_F(FxButtonPaint, ClippedCopyLeavesTheKeyPixelsOfTheTargetAlone) {
    for (BYTE unclipped : {TRUE, FALSE}) {
        SCOPED_TRACE(unclipped ? "unclipped" : "clipped");
        CFxButton button;
        MakePictureButton(button);
        button.m_rcImage[0].SetRect(0, 0, 120, 30);  // the picture stretched over the button
        button.SetShapeKeyColors(kMagenta, face, face, face);
        button.m_bUnclippedCopy = unclipped;
        button.InitButton(nullptr, 1, 0, FALSE);
        Painted painted(button, 0);
        EXPECT_EQ(unclipped ? kMagenta : Painted::kCanvas, painted.At(0, 0));
        EXPECT_EQ(PictureColor('#'), painted.At(60, 15));
    }
}

}  // namespace
