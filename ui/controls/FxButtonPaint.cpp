// CFxButton: painting. Every paint is composed off-screen in one image of the
// client size and copied to the screen in one block.
#include "framework/Brush.h"
#include "framework/Pen.h"
#include "framework/SelectGuard.h"
#include "ui/controls/FxButton.h"
#include "ui/controls/FxColors.h"
#include "ui/controls/FxRoundBorder.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);

// Frame-control flags of the check glyph: rows check box, radio button;
// columns unchecked, checked, disabled.
const UINT kGlyphFlags[2][3] = {
    {DFCS_BUTTONCHECK, DFCS_BUTTONCHECK | DFCS_CHECKED, DFCS_BUTTONCHECK | DFCS_INACTIVE},
    {DFCS_BUTTONRADIO, DFCS_BUTTONRADIO | DFCS_CHECKED, DFCS_BUTTONRADIO | DFCS_INACTIVE},
};

int Clamp(int v, int low, int high) { return v < low ? low : (v > high ? high : v); }

}  // namespace

void CFxButton::DrawItem(LPDRAWITEMSTRUCT pDrawItem) {
    // While the button is held, its pushed look follows the pointer. A wrong
    // pushed state is corrected instead of drawn: the change repaints.
    if (HasCapture() && m_bLButtonDown) {
        POINT cursor;
        const bool over = ::GetCursorPos(&cursor) && IsButtonAt(cursor);
        const bool pushed = (GetState() & BST_PUSHED) != 0;
        m_bHot = over ? TRUE : FALSE;
        if (over != pushed) {
            SetState(over ? TRUE : FALSE);
            return;
        }
    }

    const UINT item = pDrawItem->itemState;
    int state = FXS_NORMAL;
    if (item & ODS_DISABLED) state = FXS_DISABLED;
    else if ((item & ODS_SELECTED) || m_bChecked) state = FXS_PRESSED;
    else if (m_bHot) state = FXS_HOT;
    m_nState = state;
    m_bFocused = (item & ODS_FOCUS) != 0;
    const int i = FxIndex(state);

    CDC target(pDrawItem->hDC);
    const int saved = target.SaveDC();  // the caller gets its clipping back
    if (HasCornerEllipse()) target.SelectClipRgn(m_pShapeRgn[i]);

    const int width = m_rcClient.Width();
    const int height = m_rcClient.Height();
    CBitmap offscreenBitmap;
    CDC offscreen;
    offscreen.CreateCompatibleDC(&target);
    offscreenBitmap.CreateCompatibleBitmap(&target, width, height);
    {
        CSelectGuard selected(offscreen, offscreenBitmap);

        if (!m_bmpBack.IsNull()) {
            const int shift = m_bBackShift ? EdgeShift(i) : 0;
            offscreen.BitBlt(shift, shift, width, height, &m_dcBack, 0, 0, SRCCOPY);
        }
        if (HasCornerEllipse()) DrawRoundBorder(&offscreen, state);
        else if (m_bDrawBack[i]) DrawBackground(&offscreen, m_rcClient, state);
        if (m_bDrawImage && ImageOf(i)) DrawImage(&offscreen, state);
        if (m_bDrawText) DrawButtonText(&offscreen, m_rcClient, state);
        if (m_bDrawBorder && !HasCornerEllipse()) DrawBorder(&offscreen, m_rcClient, state);

        ApplyWindowShape(i);
        if (!m_bUnclippedCopy) target.SelectClipRgn(m_pShapeRgn[i]);
        target.BitBlt(0, 0, width, height, &offscreen, 0, 0, SRCCOPY);
        if (m_bFocused && m_bDrawFocus) DrawFocus(&target, state);
    }
    target.RestoreDC(saved);
}

void CFxButton::ApplyWindowShape(int index) {
    CRgn* shape = m_pShapeRgn[index];
    if (m_bShape[index] && shape && !shape->IsNull() && ImageDCOf(index)) {
        HRGN copy = ::CreateRectRgn(0, 0, 0, 0);
        ::CombineRgn(copy, *shape, nullptr, RGN_COPY);
        if (SetWindowRgn(copy, FALSE)) {
            m_rgnWindow = copy;  // the window's now
        } else {
            ::DeleteObject(copy);
        }
    } else {
        SetWindowRgn(nullptr, FALSE);
        m_rgnWindow = nullptr;
    }
}

void CFxButton::DrawBackground(CDC* pDC, const CRect& rc, int nState) {
    COLORREF colour = m_crBack[FxIndex(nState)];
    if (nState != FXS_DISABLED && IsFocusTinted())
        colour = TintColor(colour, m_nBackTint[0], m_nBackTint[1], m_nBackTint[2]);
    pDC->FillSolidRect(&rc, colour);
}

void CFxButton::DrawBorder(CDC*, const CRect&, int) {}

void CFxButton::DrawImage(CDC* pDC, int nState) {
    const int i = FxIndex(nState);
    CRect rc = m_rcImage[i];
    CRgn clip;
    if (m_bImageRgnReady[i]) {
        clip.CreateRectRgn(0, 0, 0, 0);
        if (m_pImageRgn[i] && !m_pImageRgn[i]->IsNull()) clip.CopyRgn(m_pImageRgn[i]);
    } else {
        clip.CreateRectRgnIndirect(&m_rcClient);
    }
    if (m_bImageShift[i]) {
        const int shift = EdgeShift(i);
        rc.OffsetRect(shift, shift);
        clip.OffsetRgn(shift, shift);
    }
    pDC->SelectClipRgn(m_bImageKey[i] ? &clip : nullptr);

    const int d = FxIndex(FXS_DISABLED);
    if (nState == FXS_DISABLED && m_pImageDC[d] == m_pImageDC[FxIndex(FXS_NORMAL)]) {
        // No picture of its own: an embossed silhouette, white shifted one
        // pixel right and down under the shaded shape.
        CBrush white(kWhite);
        CBrush shade(ShadeColor(m_crBack[d]));
        CRgn* shape = m_pImageRgn[d];
        const bool byRegion = m_bImageKey[d] != 0;
        CSelectGuard brush(*pDC, white);
        if (byRegion) {
            if (shape && !shape->IsNull()) pDC->FillRgn(shape, white);
            ::OffsetClipRgn(*pDC, -1, -1);
            pDC->SelectObject(shade);
            if (shape && !shape->IsNull()) pDC->FillRgn(shape, shade);
            ::OffsetClipRgn(*pDC, 1, 1);
        } else {
            pDC->FillRect(&m_rcImage[d], white);
            CRect moved = m_rcImage[d];
            moved.OffsetRect(-1, -1);
            pDC->SelectObject(shade);
            pDC->FillRect(&moved, shade);
        }
    } else if (CDC* source = ImageDCOf(i)) {
        int alpha = ImageAlphaOf(i);
        if (IsFocusTinted()) alpha = Clamp(alpha + m_nFocusAlphaDelta, 0, 255);
        pDC->SetStretchBltMode(HALFTONE);
        const CSize& size = m_szImage[i];
        if (alpha != 255) {
            const BLENDFUNCTION blend = {AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
            pDC->AlphaBlend(rc.left, rc.top, rc.Width(), rc.Height(), source, 0, 0, size.cx, size.cy, blend);
        } else {
            pDC->StretchBlt(rc.left, rc.top, rc.Width(), rc.Height(), source, 0, 0, size.cx, size.cy, SRCCOPY);
        }
    }
    pDC->SelectClipRgn(static_cast<const CRgn*>(nullptr));
}

void CFxButton::CreateCaptionFont(CFont& font, int index) const {
    UINT style = m_nFontStyle[index];
    int height = m_nFontHeight[index];
    if (IsFocusTinted()) {
        style |= m_nFocusFontStyle;
        height += m_nFocusFontDelta;
    }
    LOGFONTA lf = {};
    ::lstrcpynA(lf.lfFaceName, m_strFontName[index].c_str(), LF_FACESIZE);  // 31 characters at most
    lf.lfHeight = height;
    lf.lfWeight = (style & FXF_BOLD) ? FW_BOLD : 0;
    lf.lfItalic = (style & FXF_ITALIC) ? TRUE : FALSE;
    lf.lfUnderline = (style & FXF_UNDERLINE) ? TRUE : FALSE;
    lf.lfStrikeOut = (style & FXF_STRIKEOUT) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    font.CreateFontIndirect(&lf);
}

// The caption goes in the state's own caption rectangle; the rectangle given
// is the area being painted.
void CFxButton::DrawButtonText(CDC* pDC, const CRect&, int nState) {
    const int i = FxIndex(nState);
    COLORREF colour = m_crText[i];
    if (IsFocusTinted()) colour = TintColor(colour, m_nTextTint[0], m_nTextTint[1], m_nTextTint[2]);
    CFont font;
    CreateCaptionFont(font, i);
    CSelectGuard selected(*pDC, font);
    pDC->SetTextColor(colour);

    CRect rc = m_rcText[i];
    if (rc == m_rcClient) {
        const int border = LargestBorderWidth();
        const int inset = (border > 0 ? border : 0) + 1;
        rc.DeflateRect(inset, inset);
    }
    if (m_bTextShift[i]) {
        const int shift = EdgeShift(i);
        rc.OffsetRect(shift, shift);
    }
    pDC->SetBkMode(TRANSPARENT);

    if (nState == FXS_DISABLED) {
        // Embossed: white one pixel right and down, the shade on top.
        rc.OffsetRect(1, 1);
        pDC->SetTextColor(kWhite);
        pDC->DrawText(m_strText[i], &rc, m_nTextFormat[i]);
        rc.OffsetRect(-1, -1);
        pDC->SetTextColor(ShadeColor(m_crBack[i]));
        pDC->DrawText(m_strText[i], &rc, m_nTextFormat[i]);
        pDC->SetTextColor(colour);
    } else {
        pDC->DrawText(m_strText[i], &rc, m_nTextFormat[i]);
    }

    if (!HasPushLook()) {
        const int glyph = nState == FXS_DISABLED ? 2 : (SendMessage(BM_GETCHECK) ? 1 : 0);
        CRect box = m_rcCheckBox;
        pDC->DrawFrameControl(&box, DFC_BUTTON, kGlyphFlags[m_nType == FXT_RADIO ? 1 : 0][glyph]);
    }
}

void CFxButton::DrawFocus(CDC* pDC, int nState) {
    if (HasPushLook()) {
        pDC->DrawFocusRect(&m_rcFocus);
        return;
    }
    // Around the caption, measured in the caption's own font.
    const int i = FxIndex(nState);
    CFont font;
    CreateCaptionFont(font, i);
    CSelectGuard selected(*pDC, font);
    const CSize text = pDC->GetTextExtent(m_strText[i]);
    const CSize space = pDC->GetTextExtent(" ", 1);
    CRect rc(0, 0, text.cx + space.cx, text.cy);
    const int dx = m_bLeftText ? space.cx : m_rcCheckBox.right + 2 * space.cx - m_rcCheckBox.left;
    rc.OffsetRect(dx, (m_rcText[i].Height() - text.cy) / 2);
    pDC->DrawFocusRect(&rc);
}

void CFxButton::DrawRoundBorder(CDC* pDC, int nState) {
    const int i = FxIndex(nState);
    if (m_bDrawBack[i]) DrawBackground(pDC, m_rcClient, nState);
    if (!m_bDrawBorder) return;

    const int w = m_rcClient.Width();
    const int h = m_rcClient.Height();
    const COLORREF* edge = m_crEdge[i];
    CPen outerLight(PS_SOLID, 1, edge[0]);
    CSelectGuard selected(*pDC, outerLight);
    auto draw = [&](const CPen& pen, FxFigureHalf half) {
        pDC->SelectObject(pen);
        DrawRoundFigure(*pDC, half, w, h, m_nRoundWidth, m_nRoundHeight);
        pDC->SelectObject(outerLight);  // so that the other pens can go
    };
    if (m_nBorderWidth[i] > 1) {
        CPen innerLight(PS_SOLID, 3, edge[1]);
        CPen innerDark(PS_SOLID, 2, edge[3]);
        draw(innerLight, FX_LIGHT_HALF);
        draw(innerDark, FX_DARK_HALF);
    }
    if (m_nBorderWidth[i] > 0) {
        CPen outerDark(PS_SOLID, 1, edge[2]);
        draw(outerLight, FX_LIGHT_HALF);
        draw(outerDark, FX_DARK_HALF);
    }
}
