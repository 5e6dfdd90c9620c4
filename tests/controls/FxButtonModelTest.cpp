// Attaching, the defaults, the setters and the set-up of CFxButton.
#include <gtest/gtest.h>

#include "framework/RuntimeClass.h"
#include "tests/controls/FxButtonHost.h"
#include "tests/controls/FxPictures.h"
#include "ui/controls/FxColors.h"

namespace {

const RECT kRect = {10, 10, 130, 40};  // 120 x 30

class FxButtonModel : public ::testing::Test {
protected:
    ButtonHost host;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
};

struct KindCase {
    DWORD style;
    int type;
    BYTE pushLike, leftText;
    UINT textFormat;
};

const KindCase kKindCases[] = {
    {BS_PUSHBUTTON, FXT_PUSH, FALSE, FALSE, 37},
    {BS_DEFPUSHBUTTON, FXT_PUSH, FALSE, FALSE, 37},
    {BS_CHECKBOX, FXT_PUSH, FALSE, FALSE, 37},
    {BS_AUTOCHECKBOX, FXT_CHECK, FALSE, FALSE, 36},
    {BS_RADIOBUTTON, FXT_PUSH, FALSE, FALSE, 37},
    {BS_3STATE, FXT_PUSH, FALSE, FALSE, 37},
    {BS_AUTO3STATE, FXT_PUSH, FALSE, FALSE, 37},
    {BS_GROUPBOX, FXT_CHECK, FALSE, FALSE, 36},
    {BS_AUTORADIOBUTTON, FXT_RADIO, FALSE, FALSE, 36},
    {BS_OWNERDRAW, FXT_RADIO, FALSE, FALSE, 36},
    {13, FXT_RADIO, FALSE, FALSE, 36},
    {15, FXT_RADIO, FALSE, FALSE, 36},
    {BS_AUTOCHECKBOX | BS_PUSHLIKE, FXT_CHECK, TRUE, FALSE, 37},
    {BS_AUTORADIOBUTTON | BS_LEFTTEXT, FXT_RADIO, FALSE, TRUE, 36},
};

TEST_F(FxButtonModel, KindFromTheStyleAndEveryTypeBecomesOwnerDrawn) {
    for (const auto& c : kKindCases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        CFxButton button;
        host.AddButton(button, "Kind", c.style, kRect, 1);
        EXPECT_EQ(c.type, button.m_nType);
        EXPECT_EQ(c.pushLike, button.m_bPushLike);
        EXPECT_EQ(c.leftText, button.m_bLeftText);
        EXPECT_EQ(c.textFormat, button.m_nTextFormat[0]);
        EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & BS_TYPEMASK);
        // The other bits of the style stay.
        EXPECT_EQ(c.style & ~BS_TYPEMASK & 0xFFFF, button.GetStyle() & ~BS_TYPEMASK & 0xFFFF);
        const bool pushLook = c.type == FXT_PUSH || c.pushLike;
        const int pushEdges[] = {FXE_RAISED, FXE_SUNKEN, FXE_RAISED, FXE_RAISED};
        for (int i = 0; i < FX_STATE_COUNT; ++i) EXPECT_EQ(pushLook ? pushEdges[i] : FXE_FLAT, button.m_nEdge[i]);
    }
}

TEST_F(FxButtonModel, AttachingSetsTheDefaults) {
    HFONT font = ::CreateFontA(-17, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    CFxButton button;
    button.m_bUseDisabledImage = TRUE;  // not touched by attaching
    host.AddButton(button, "Caption", BS_PUSHBUTTON, kRect, 1, font);

    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        EXPECT_EQ("Caption", button.m_strText[i]);
        EXPECT_EQ("Tahoma", button.m_strFontName[i]);
        EXPECT_EQ(-17, button.m_nFontHeight[i]);
        EXPECT_EQ(face, button.m_crImageKey[i]);
        EXPECT_EQ(face, button.m_crImageKey2[i]);
        EXPECT_EQ(face, button.m_crShapeKey[i]);
        EXPECT_EQ(face, button.m_crShapeKey2[i]);
        EXPECT_EQ(face, button.m_crBack[i]);
        EXPECT_EQ(37u, button.m_nImageAlign[i]);
        EXPECT_EQ(255, button.m_nImageAlpha[i]);
        EXPECT_EQ(2, button.m_nBorderWidth[i]);
        EXPECT_TRUE(button.m_bImageShift[i]);
        EXPECT_TRUE(button.m_bTextShift[i]);
        EXPECT_TRUE(button.m_bEdgeFromBack[i]);
        EXPECT_TRUE(button.m_bDrawBack[i]);
        EXPECT_FALSE(button.m_bImageKey[i]);
        EXPECT_FALSE(button.m_bShape[i]);
        EXPECT_FALSE(button.m_bShapeInvert[i]);
        EXPECT_EQ(nullptr, button.m_pImage[i]);
        EXPECT_EQ(nullptr, button.m_pImageDC[i]);
        EXPECT_EQ(nullptr, button.m_pImageRgn[i]);
        EXPECT_EQ(nullptr, button.m_pShapeRgn[i]);
        EXPECT_TRUE(button.m_rcText[i].IsRectNull());
        EXPECT_TRUE(button.m_rcImage[i].IsRectNull());
        EXPECT_EQ(0u, button.m_nFontStyle[i]);
    }
    EXPECT_EQ(text, button.m_crText[0]);
    EXPECT_EQ(text, button.m_crText[1]);
    EXPECT_EQ(text, button.m_crText[2]);
    EXPECT_EQ(grey, button.m_crText[3]);
    EXPECT_EQ(CRect(0, 0, 120, 30), button.m_rcClient);
    EXPECT_EQ(CRect(3, 3, 117, 27), button.m_rcFocus);
    EXPECT_EQ(CRect(0, 0, 13, 13), button.m_rcCheckBox);
    EXPECT_FALSE(button.m_bDrawImage);
    EXPECT_TRUE(button.m_bDrawText);
    EXPECT_TRUE(button.m_bDrawBorder);
    EXPECT_TRUE(button.m_bDrawFocus);
    EXPECT_TRUE(button.m_bFocusTint);
    EXPECT_TRUE(button.m_bUnclippedCopy);
    EXPECT_TRUE(button.m_bBackShift);
    EXPECT_FALSE(button.m_bReady);
    EXPECT_TRUE(button.m_bUseDisabledImage);
    EXPECT_EQ(0, button.m_nRoundWidth);
    EXPECT_EQ(nullptr, button.m_hCursor);
    EXPECT_EQ(nullptr, button.m_ToolTip.m_hWnd);
    button.DestroyWindow();
    ::DeleteObject(font);
}

TEST_F(FxButtonModel, ControlWithoutFontTakesTheDialogDefaultFont) {
    LOGFONTA expected = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof expected, &expected);
    CFxButton button;
    host.AddButton(button, "No font", BS_PUSHBUTTON, kRect, 1);
    EXPECT_EQ(expected.lfFaceName, button.m_strFontName[0]);
    EXPECT_EQ(expected.lfHeight, button.m_nFontHeight[0]);
    EXPECT_FALSE(button.m_strFontName[0].empty());
}

TEST_F(FxButtonModel, IsCreatedFromItsRunTimeClass) {
    const CRuntimeClass* rc = CRuntimeClass::FromName("CFxButton");
    ASSERT_NE(nullptr, rc);
    EXPECT_EQ(RUNTIME_CLASS(CButton), rc->m_pBaseClass);
    CObject* object = rc->CreateObject();
    ASSERT_NE(nullptr, object);
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CFxButton)));
    EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CButton)));
    delete object;
}

struct TextCase {
    const char* normal;
    BOOL fill;
    const char* pressed;
    const char* hot;
    const char* disabled;
    const char* expected[4];
};

const TextCase kTextCases[] = {
    {"A", TRUE, "", "B", "", {"A", "A", "B", "A"}},
    {"A", FALSE, "", "B", "", {"A", "old", "B", "old"}},
    {"", TRUE, "", "", "D", {"", "", "", "D"}},
    {"", FALSE, "P", "", nullptr, {"old", "P", "old", "old"}},
    {"A", TRUE, nullptr, nullptr, nullptr, {"A", "A", "A", "A"}},
};

TEST_F(FxButtonModel, SetButtonTextAndSetFontNameFillEmptyStates) {
    for (const auto& c : kTextCases) {
        SCOPED_TRACE(testing::Message() << c.normal << " fill " << c.fill);
        CFxButton button;
        host.AddButton(button, "old", BS_PUSHBUTTON, kRect, 1);
        for (auto& name : button.m_strFontName) name = "old";
        button.SetButtonText(c.normal, c.fill, c.pressed, c.hot, c.disabled);
        button.SetFontName(c.normal, c.fill, c.pressed, c.hot, c.disabled);
        for (int i = 0; i < FX_STATE_COUNT; ++i) {
            EXPECT_EQ(c.expected[i], button.m_strText[i]) << "state " << i;
            EXPECT_EQ(c.expected[i], button.m_strFontName[i]) << "state " << i;
        }
    }
}

TEST_F(FxButtonModel, SetTextColorsTakesTheNormalColourForSystemColours) {
    CFxButton button;
    host.AddButton(button, "Colours", BS_PUSHBUTTON, kRect, 1);
    const COLORREF blue = RGB(12, 62, 113);
    button.SetTextColors(blue, text, text, grey);
    EXPECT_EQ(blue, button.m_crText[0]);
    EXPECT_EQ(blue, button.m_crText[1]);
    EXPECT_EQ(blue, button.m_crText[2]);
    EXPECT_EQ(grey, button.m_crText[3]);

    button.m_crText[3] = RGB(7, 7, 7);
    button.SetTextColors(blue, RGB(1, 1, 1), RGB(2, 2, 2), grey);  // grey keeps the disabled colour
    EXPECT_EQ(RGB(1, 1, 1), button.m_crText[1]);
    EXPECT_EQ(RGB(2, 2, 2), button.m_crText[2]);
    EXPECT_EQ(RGB(7, 7, 7), button.m_crText[3]);
    button.SetTextColors(blue, text, text, RGB(3, 3, 3));
    EXPECT_EQ(RGB(3, 3, 3), button.m_crText[3]);
}

TEST_F(FxButtonModel, KeyColourSettersTakeTheNormalKeyForButtonFace) {
    CFxButton button;
    host.AddButton(button, "Keys", BS_PUSHBUTTON, kRect, 1);
    const COLORREF magenta = RGB(255, 0, 255);
    button.SetImageKeyColors(magenta, face, RGB(0, 255, 0), face);
    button.SetShapeKeyColors(RGB(0, 0, 255), RGB(1, 1, 1), face, face);
    const COLORREF image[] = {magenta, magenta, RGB(0, 255, 0), magenta};
    const COLORREF shape[] = {RGB(0, 0, 255), RGB(1, 1, 1), RGB(0, 0, 255), RGB(0, 0, 255)};
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        EXPECT_EQ(image[i], button.m_crImageKey[i]);
        EXPECT_EQ(shape[i], button.m_crShapeKey[i]);
        EXPECT_TRUE(button.m_bImageKey[i]);
        EXPECT_TRUE(button.m_bShape[i]);
        EXPECT_EQ(face, button.m_crImageKey2[i]);  // second keys have no setter
    }
}

TEST_F(FxButtonModel, SettersRepaintOnlyOnceReady) {
    CFxButton button;
    host.AddButton(button, "Ready", BS_PUSHBUTTON, kRect, 1);
    PumpQueued();
    auto setters = [&] {
        return std::vector<void (*)(CFxButton&)>{
            [](CFxButton& b) { b.SetImageKeyColors(RGB(255, 0, 255), 0, 0, 0); },
            [](CFxButton& b) { b.SetShapeKeyColors(RGB(255, 0, 255), 0, 0, 0); },
            [](CFxButton& b) { b.SetTextColors(0, 0, 0, 0); },
            [](CFxButton& b) { b.SetButtonText("x", TRUE, "", "", ""); },
            [](CFxButton& b) { b.SetFontName("Arial", TRUE, "", "", ""); },
            [](CFxButton& b) { b.SetImageShift(FALSE); },
            [](CFxButton& b) { b.SetBorderWidth(0); },
            [](CFxButton& b) { b.SetImageAlign(33); },
            [](CFxButton& b) { b.SetFontHeight(14); },
            [](CFxButton& b) { b.SetTextFormat(37); },
        };
    };
    for (auto setter : setters()) {
        button.ValidateRect(nullptr);
        setter(button);
        EXPECT_FALSE(NeedsPaint(button.m_hWnd));
    }
    button.InitButton(nullptr, 1, 0, FALSE);
    EXPECT_TRUE(button.m_bReady);
    for (auto setter : setters()) {
        button.ValidateRect(nullptr);
        setter(button);
        EXPECT_TRUE(NeedsPaint(button.m_hWnd));
    }
}

TEST_F(FxButtonModel, BitmapThatCannotBeLoadedLeavesTheStateWithoutPicture) {
    CFxButton button;
    host.AddButton(button, "Missing", BS_PUSHBUTTON, kRect, 1);
    button.SetBitmaps(60001, 60002, 60003, 60004);
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        EXPECT_EQ(nullptr, button.m_pImage[i]);
        EXPECT_EQ(nullptr, button.m_pImageDC[i]);
        EXPECT_TRUE(button.m_bmpImage[i].IsNull());
    }
    button.InitButton(nullptr, 1, 0, FALSE);
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        EXPECT_TRUE(button.m_rcImage[i].IsRectNull());
        EXPECT_FALSE(button.m_bImageRgnReady[i]);
    }
    Painted painted(button, 0);  // paints without a picture
    EXPECT_EQ(face, painted.At(5, 5));
}

struct MaskCase {
    UINT mask;
    bool back, text, image, border, focus;
};

const MaskCase kMaskCases[] = {
    {0xFFFFFFFF, true, true, true, true, true},
    {0, true, true, true, true, true},
    {FXL_FOCUS, true, true, true, true, false},
    {FXL_BACK, false, true, true, true, true},
    {FXL_TEXT | FXL_IMAGE, true, false, false, true, true},
    {FXL_BORDER, true, true, true, false, true},
    {0x1F, false, false, false, false, false},
};

TEST_F(FxButtonModel, LayerMaskOnlySwitchesLayersOff) {
    for (const auto& c : kMaskCases) {
        SCOPED_TRACE(testing::Message() << "mask " << c.mask);
        CFxButton button;
        host.AddButton(button, "Mask", BS_PUSHBUTTON, kRect, 1);
        UsePictures(button, {"#"}, {"#"}, {"#"}, {"#"});
        button.InitButton(nullptr, 1, c.mask, FALSE);
        for (int i = 0; i < FX_STATE_COUNT; ++i) EXPECT_EQ(c.back, button.m_bDrawBack[i] != 0);
        EXPECT_EQ(c.text, button.m_bDrawText != 0);
        EXPECT_EQ(c.image, button.m_bDrawImage != 0);
        EXPECT_EQ(c.border, button.m_bDrawBorder != 0);
        EXPECT_EQ(c.focus, button.m_bDrawFocus != 0);
    }
}

struct PlacementCase {
    UINT align;
    POINT topLeft;  // of a 20 x 10 picture on a 120 x 30 button, border widths 2
};

const PlacementCase kPlacementCases[] = {
    {32, {3, 3}},  {33, {50, 3}},  {34, {97, 3}},
    {36, {3, 10}}, {37, {50, 10}}, {38, {97, 10}},
    {40, {3, 17}}, {41, {50, 17}}, {42, {97, 17}},
    {0, {0, 0}},   {35, {0, 0}},   {37 | DT_NOPREFIX, {0, 0}},
};

TEST_F(FxButtonModel, PictureIsPlacedByItsAlignment) {
    const Rows picture(10, std::string(20, '#'));
    for (const auto& c : kPlacementCases) {
        SCOPED_TRACE(testing::Message() << "align " << c.align);
        CFxButton button;
        host.AddButton(button, "Place", BS_PUSHBUTTON, kRect, 1);
        UsePictures(button, picture, picture, picture, picture);
        button.SetImageAlign(c.align);
        button.InitButton(nullptr, 1, 0, FALSE);
        EXPECT_EQ(CRect(c.topLeft.x, c.topLeft.y, c.topLeft.x + 20, c.topLeft.y + 10), button.m_rcImage[0]);
    }
}

TEST_F(FxButtonModel, PageButtonPictureIsCentredAtTheTop) {
    const Rows picture(27, std::string(173, '#'));
    CFxButton button;
    host.AddButton(button, "Page", BS_PUSHBUTTON, RECT{0, 0, 173, 29}, 1);
    UsePictures(button, picture, picture, picture, picture);
    button.SetBorderWidth(0);
    button.SetImageAlign(33);
    button.InitButton(nullptr, 1, FXL_FOCUS, FALSE);
    EXPECT_EQ(CRect(0, 1, 173, 28), button.m_rcImage[0]);
}

TEST_F(FxButtonModel, ExplicitPictureRectangleStays) {
    CFxButton button;
    host.AddButton(button, "Own", BS_PUSHBUTTON, kRect, 1);
    UsePictures(button, {"##"}, {"##"}, {}, {});
    button.m_rcImage[1].SetRect(5, 6, 9, 8);
    button.InitButton(nullptr, 1, 0, FALSE);
    EXPECT_EQ(CRect(5, 6, 9, 8), button.m_rcImage[1]);
    EXPECT_EQ(CRect(59, 15, 61, 16), button.m_rcImage[0]);  // 60 - 2 / 2, 15 - 1 / 2
    EXPECT_TRUE(button.m_rcImage[2].IsRectNull());  // no picture, not placed
}

struct GlyphCase {
    DWORD style;
    CRect checkBox;
    CRect text;
};

const GlyphCase kGlyphCases[] = {
    // Glyph left, centred vertically: 30 / 2 - 13 / 2 = 9.
    {BS_AUTOCHECKBOX, CRect(0, 9, 13, 22), CRect(19, 0, 120, 30)},
    // Glyph right: moved right by 120 - 13 - 0 + 0 - 2 and down by (30 - 13) / 2.
    {BS_AUTORADIOBUTTON | BS_LEFTTEXT, CRect(105, 8, 118, 21), CRect(4, 0, 120, 30)},
    // Push-like: laid out as a push button.
    {BS_AUTOCHECKBOX | BS_PUSHLIKE, CRect(0, 0, 13, 13), CRect(0, 0, 120, 30)},
    {BS_PUSHBUTTON, CRect(0, 0, 13, 13), CRect(0, 0, 120, 30)},
};

TEST_F(FxButtonModel, CaptionAndGlyphLayout) {
    for (const auto& c : kGlyphCases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        CFxButton button;
        host.AddButton(button, "Glyph", c.style, kRect, 1);
        button.InitButton(nullptr, 1, 0, FALSE);
        EXPECT_EQ(c.checkBox, button.m_rcCheckBox);
        for (int i = 0; i < FX_STATE_COUNT; ++i) EXPECT_EQ(c.text, button.m_rcText[i]) << "state " << i;
    }
}

TEST_F(FxButtonModel, EdgeColoursFromTheBackgroundOrTheButtonFace) {
    CFxButton button;
    host.AddButton(button, "Edges", BS_PUSHBUTTON, kRect, 1);
    const COLORREF back = RGB(200, 100, 50);
    button.m_crBack[1] = back;
    button.m_crBack[2] = back;
    button.m_bEdgeFromBack[2] = FALSE;
    button.InitButton(nullptr, 1, 0, FALSE);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(EdgeColor(face, FXE_RAISED, k), button.m_crEdge[0][k - 1]);
        EXPECT_EQ(EdgeColor(back, FXE_SUNKEN, k), button.m_crEdge[1][k - 1]);
        EXPECT_EQ(EdgeColor(face, FXE_RAISED, k), button.m_crEdge[2][k - 1]);
    }
}

TEST_F(FxButtonModel, InitButtonSetsTheCheckStateOfCheckBoxesOnly) {
    CFxButton check, push;
    host.AddButton(check, "Check", BS_AUTOCHECKBOX, kRect, 1);
    host.AddButton(push, "Push", BS_PUSHBUTTON, RECT{10, 50, 130, 80}, 2);
    check.InitButton(nullptr, 1, 0, TRUE);
    push.InitButton(nullptr, 1, 0, TRUE);
    EXPECT_EQ(BST_CHECKED, check.SendMessage(BM_GETCHECK));
    EXPECT_EQ(BST_UNCHECKED, push.SendMessage(BM_GETCHECK));
}

TEST_F(FxButtonModel, BackgroundSnapshotIsThePartUnderTheButton) {
    // The parent's picture: red left of x = 70, green from there.
    Rows rows(100, std::string(200, 'r'));
    for (auto& row : rows) row.replace(70, 130, 130, 'g');
    HBITMAP back = MakePicture(rows);

    CFxButton button;
    host.AddButton(button, "", BS_PUSHBUTTON, RECT{50, 20, 110, 50}, 1);  // x 50..109 in the parent
    button.InitButton(back, 1, 0, FALSE);
    for (int i = 0; i < FX_STATE_COUNT; ++i) EXPECT_FALSE(button.m_bDrawBack[i]);
    ASSERT_FALSE(button.m_bmpBack.IsNull());
    EXPECT_EQ(PictureColor('r'), button.m_dcBack.GetPixel(19, 10));
    EXPECT_EQ(PictureColor('g'), button.m_dcBack.GetPixel(20, 10));

    // Drawn moved with the edge style: raised (normal) one pixel left.
    Painted normal(button, 0);
    EXPECT_EQ(PictureColor('r'), normal.At(18, 15));
    EXPECT_EQ(PictureColor('g'), normal.At(19, 15));
    Painted pressed(button, ODS_SELECTED);
    EXPECT_EQ(PictureColor('r'), pressed.At(20, 15));
    EXPECT_EQ(PictureColor('g'), pressed.At(21, 15));
    // The caller's bitmap is still whole and free to use.
    PictureDC still(back);
    EXPECT_EQ(PictureColor('g'), ::GetPixel(still.dc(), 150, 50));
}

TEST_F(FxButtonModel, ButtonWithoutParentTakesNoSnapshot) {
    HBITMAP back = MakePicture(Rows(40, std::string(40, 'r')));
    CFxButton button;
    HWND hWnd = ::CreateWindowExA(WS_EX_TOOLWINDOW, "BUTTON", "Alone", WS_POPUP | BS_PUSHBUTTON, 0, 0, 30, 20,
                                  nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(button.SubclassWindow(hWnd));
    button.InitButton(back, 1, 0, FALSE);
    EXPECT_TRUE(button.m_bmpBack.IsNull());
    EXPECT_TRUE(button.m_bDrawBack[0]);
    button.DestroyWindow();
    ::DeleteObject(back);
}

}  // namespace
