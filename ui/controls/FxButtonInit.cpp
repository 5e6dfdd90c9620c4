// CFxButton: the one-off set-up that lays the button out, computes its edge
// colours and builds its regions.
#include "framework/ClientDC.h"
#include "framework/SelectGuard.h"
#include "ui/controls/FxButton.h"
#include "ui/controls/FxColors.h"

namespace {

enum Horizontal { LEFT, CENTRE, RIGHT };
enum Vertical { TOP, MIDDLE, BOTTOM };

// Where a picture goes for each alignment (DrawText flags).
struct Placement {
    UINT align;
    Horizontal horizontal;
    Vertical vertical;
};

const Placement kPlacements[] = {
    {DT_SINGLELINE | DT_LEFT | DT_TOP, LEFT, TOP},
    {DT_SINGLELINE | DT_CENTER | DT_TOP, CENTRE, TOP},
    {DT_SINGLELINE | DT_RIGHT | DT_TOP, RIGHT, TOP},
    {DT_SINGLELINE | DT_LEFT | DT_VCENTER, LEFT, MIDDLE},
    {DT_SINGLELINE | DT_CENTER | DT_VCENTER, CENTRE, MIDDLE},
    {DT_SINGLELINE | DT_RIGHT | DT_VCENTER, RIGHT, MIDDLE},
    {DT_SINGLELINE | DT_LEFT | DT_BOTTOM, LEFT, BOTTOM},
    {DT_SINGLELINE | DT_CENTER | DT_BOTTOM, CENTRE, BOTTOM},
    {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, RIGHT, BOTTOM},
};

// Top-left corner of a w x h picture: inside `inner`, centred on the centre
// of `client`; (0, 0) for any other alignment.
POINT PictureOrigin(UINT align, const CRect& client, const CRect& inner, int w, int h) {
    const int cx = (client.left + client.right) / 2;
    const int cy = (client.top + client.bottom) / 2;
    for (const Placement& p : kPlacements) {
        if (p.align != align) continue;
        const int xs[] = {inner.left, cx - w / 2, inner.right - w};
        const int ys[] = {inner.top, cy - h / 2, inner.bottom - h};
        return POINT{xs[p.horizontal], ys[p.vertical]};
    }
    return POINT{0, 0};
}

}  // namespace

void CFxButton::InitButton(HBITMAP hBack, int, UINT nLayerMask, BOOL bCheck) {
    if (m_nType != FXT_PUSH) SendMessage(BM_SETCHECK, bCheck ? 1 : 0);
    if (hBack) TakeBackground(hBack);
    ComputeEdgeColors();
    LayoutCaption();

    // Bitmaps given directly (by a derived class) get their size and pointer.
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        if (m_bmpImage[i].IsNull() || m_pImage[i]) continue;
        const CSize size = m_bmpImage[i].GetSize();
        if (size.cx <= 0 || size.cy <= 0) continue;
        m_szImage[i] = size;
        m_pImage[i] = &m_bmpImage[i];
    }
    PlaceImages();
    for (int state : {FXS_NORMAL, FXS_HOT, FXS_PRESSED, FXS_DISABLED})
        if (ImageOf(FxIndex(state))) BuildStateRegions(state);
    ShapeCorners();
    ShareRegions();
    ApplyLayerMask(nLayerMask);

    // Hover tracking starts as a mouse move to (0, 0) with no key down would
    // start it.
    RelayToToolTip(WM_MOUSEMOVE, 0, CPoint(0, 0));
    if (!m_bTracking) RequestHoverTracking();

    m_bReady = TRUE;
}

// A snapshot of the parent's background picture under the button. Without a
// parent there is no position to take it from, and the background fill stays.
void CFxButton::TakeBackground(HBITMAP hBack) {
    HWND parent = GetParent();
    if (!parent) return;
    SetAllDrawBack(FALSE);

    CRect inParent;
    GetWindowRect(&inParent);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&inParent), 2);

    CClientDC screen(m_hWnd);
    m_dcBack.CreateCompatibleDC(&screen);
    m_bmpBack.CreateCompatibleBitmap(&screen, m_rcClient.Width(), m_rcClient.Height());
    m_dcBack.SelectObject(m_bmpBack);

    CDC source;
    source.CreateCompatibleDC(&screen);
    CSelectGuard selected(source, hBack);
    m_dcBack.BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), &source, inParent.left, inParent.top, SRCCOPY);
}

void CFxButton::ComputeEdgeColors() {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        const COLORREF base = m_bEdgeFromBack[i] ? m_crBack[i] : face;
        for (int k = 1; k <= 4; ++k) m_crEdge[i][k - 1] = EdgeColor(base, m_nEdge[i], k);
    }
}

void CFxButton::LayoutCaption() {
    if (HasPushLook()) {
        for (CRect& rc : m_rcText)
            if (rc.IsRectEmpty()) rc = m_rcClient;
        return;
    }
    // The glyph is moved from where it is: one layout per button.
    CRect& normal = m_rcText[FxIndex(FXS_NORMAL)];
    normal = m_rcClient;
    const int clientHeight = m_rcClient.Height();
    const int glyphHeight = m_rcCheckBox.Height();
    if (!m_bLeftText) {
        m_rcCheckBox.OffsetRect(0, clientHeight / 2 - glyphHeight / 2);
        normal.left += m_rcCheckBox.Width() + 6;
    } else {
        m_rcCheckBox.OffsetRect(m_rcClient.right - m_rcCheckBox.right - m_rcClient.left + m_rcCheckBox.left - 2,
                                (clientHeight - glyphHeight) / 2);
        normal.left += 4;
    }
    for (CRect& rc : m_rcText) rc = normal;
}

void CFxButton::PlaceImages() {
    const int inset = LargestBorderWidth() + 1;
    CRect inner = m_rcClient;
    inner.DeflateRect(inset, inset);
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        if (!m_pImage[i]) continue;
        m_bDrawImage = TRUE;
        if (!m_rcImage[i].IsRectEmpty()) continue;  // placed by the owner
        const int w = m_szImage[i].cx;
        const int h = m_szImage[i].cy;
        const POINT origin = PictureOrigin(m_nImageAlign[i], m_rcClient, inner, w, h);
        m_rcImage[i].SetRect(origin.x, origin.y, origin.x + w, origin.y + h);
    }
}

// With a corner ellipse every state's outline is one rounded rectangle.
void CFxButton::ShapeCorners() {
    if (!HasCornerEllipse()) return;
    if (m_nRoundWidth > m_rcClient.Width()) m_nRoundWidth = m_rcClient.Width();
    if (m_nRoundHeight > m_rcClient.Height()) m_nRoundHeight = m_rcClient.Height();
    for (BYTE& on : m_bShape) on = TRUE;
    RepaintIfReady();
    const int normal = FxIndex(FXS_NORMAL);
    m_rgnShape[normal].CreateRoundRectRgn(m_rcClient.left, m_rcClient.top, m_rcClient.right, m_rcClient.bottom,
                                          m_nRoundWidth, m_nRoundHeight);
    m_bShapeRgnReady[normal] = TRUE;
    for (int state : {FXS_PRESSED, FXS_HOT, FXS_DISABLED}) m_pShapeRgn[FxIndex(state)] = &m_rgnShape[normal];
}

void CFxButton::ApplyLayerMask(UINT nLayerMask) {
    if (nLayerMask == 0xFFFFFFFF) return;  // no layer switched off
    if (nLayerMask & FXL_BACK) SetAllDrawBack(FALSE);
    const struct {
        UINT bit;
        BYTE CFxButton::*layer;
    } layers[] = {
        {FXL_TEXT, &CFxButton::m_bDrawText},
        {FXL_IMAGE, &CFxButton::m_bDrawImage},
        {FXL_BORDER, &CFxButton::m_bDrawBorder},
        {FXL_FOCUS, &CFxButton::m_bDrawFocus},
    };
    for (const auto& l : layers)
        if (nLayerMask & l.bit) this->*l.layer = FALSE;
}
