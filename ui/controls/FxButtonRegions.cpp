// CFxButton: the picture and window-outline regions of each state, built once
// from the pictures, and the sharing of equal regions between states.
#include "framework/SelectGuard.h"
#include "ui/controls/FxButton.h"
#include "ui/controls/FxRegions.h"

void CFxButton::RegionFromBitmap(CDC* pDC, CRgn& rgn, int width, int height, COLORREF key, COLORREF key2) {
    rgn.Attach(::RegionFromBitmap(*pDC, width, height, key, key2));
}

void CFxButton::BuildStateRegions(int nState) {
    const int i = FxIndex(nState);
    CDC* source = ImageDCOf(i);
    const CRect rc = m_rcImage[i];
    const int w = rc.Width();
    const int h = rc.Height();
    const CSize& size = m_szImage[i];
    // No picture, or nothing of it to scan.
    if (!ImageOf(i) || !source || w <= 0 || h <= 0 || size.cx <= 0 || size.cy <= 0) return;

    // The picture at the size it is drawn. Colour-on-colour stretching keeps
    // every pixel's colour exact, so key pixels stay key pixels.
    CBitmap bitmap;
    CDC picture;
    picture.CreateCompatibleDC(source);
    bitmap.CreateCompatibleBitmap(source, w, h);
    CSelectGuard selected(picture, bitmap);
    picture.SetStretchBltMode(COLORONCOLOR);
    picture.StretchBlt(0, 0, w, h, source, 0, 0, size.cx, size.cy, SRCCOPY);

    if (m_bImageKey[i]) {
        RegionFromBitmap(&picture, m_rgnImage[i], w, h, m_crImageKey[i], m_crImageKey2[i]);
        m_rgnImage[i].OffsetRgn(rc.left, rc.top);
        m_bImageRgnReady[i] = TRUE;
    }

    if (HasCornerEllipse() || !m_bShape[i]) return;
    const bool sameKeys = (m_crShapeKey[i] == m_crImageKey[i] && m_crShapeKey2[i] == m_crImageKey2[i]) ||
                          (m_crShapeKey[i] == m_crImageKey2[i] && m_crShapeKey2[i] == m_crImageKey[i]);
    if (m_bShapeInvert[i]) {
        RegionFromBitmap(&picture, m_rgnShape[i], w, h, m_crShapeKey[i], m_crShapeKey2[i]);
        m_rgnShape[i].OffsetRgn(rc.left, rc.top);
        CRgn client;
        client.CreateRectRgnIndirect(&m_rcClient);
        m_rgnShape[i].CombineRgn(&m_rgnShape[i], &client, RGN_XOR);
    } else if (sameKeys && m_bImageRgnReady[i]) {
        // Only a picture region that was built can stand for the outline;
        // without one the outline comes from the picture below.
        m_rgnShape[i].DeleteObject();
        m_rgnShape[i].CopyRgn(&m_rgnImage[i]);
    } else {
        RegionFromBitmap(&picture, m_rgnShape[i], w, h, m_crShapeKey[i], m_crShapeKey2[i]);
        m_rgnShape[i].OffsetRgn(rc.left, rc.top);
    }
    m_bShapeRgnReady[i] = TRUE;
}

namespace {

// Points every built region at the normal state's when the two are equal
// (releasing the equal copy), else at its own.
void ShareStateRegions(CRgn (&regions)[FX_STATE_COUNT], CRgn* (&pointers)[FX_STATE_COUNT],
                       const BYTE (&ready)[FX_STATE_COUNT]) {
    const int normal = FxIndex(FXS_NORMAL);
    if (ready[normal]) pointers[normal] = &regions[normal];
    for (int state : {FXS_HOT, FXS_PRESSED, FXS_DISABLED}) {
        const int i = FxIndex(state);
        if (!ready[i]) continue;
        if (ready[normal] && !regions[normal].IsNull() && !regions[i].IsNull() &&
            regions[i].EqualRgn(&regions[normal])) {
            regions[i].DeleteObject();
            pointers[i] = &regions[normal];
        } else {
            pointers[i] = &regions[i];
        }
    }
}

}  // namespace

void CFxButton::ShareRegions() {
    ShareStateRegions(m_rgnShape, m_pShapeRgn, m_bShapeRgnReady);
    ShareStateRegions(m_rgnImage, m_pImageRgn, m_bImageRgnReady);
}
