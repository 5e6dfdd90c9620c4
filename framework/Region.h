// A GDI region that deletes itself.
#pragma once

#include "framework/GdiObject.h"
#include "framework/Rect.h"

class CRgn : public CGdiObject {
public:
    BOOL CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
    BOOL CreateRectRgnIndirect(const RECT* pRect) { return Attach(::CreateRectRgnIndirect(pRect)); }
    BOOL CreateRoundRectRgn(int l, int t, int r, int b, int ellipseWidth, int ellipseHeight) {
        return Attach(::CreateRoundRectRgn(l, t, r, b, ellipseWidth, ellipseHeight));
    }
    BOOL CreateEllipticRgn(int l, int t, int r, int b) { return Attach(::CreateEllipticRgn(l, t, r, b)); }

    // Both source regions must exist; this region must exist too (any content).
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int mode) {
        return ::CombineRgn(*this, *pRgn1, pRgn2 ? static_cast<HRGN>(*pRgn2) : nullptr, mode);
    }
    // Makes this region a copy of another; creates it when needed.
    int CopyRgn(const CRgn* pSource) {
        if (!m_hObject) CreateRectRgn(0, 0, 0, 0);
        return ::CombineRgn(*this, *pSource, nullptr, RGN_COPY);
    }
    void SetRectRgn(int l, int t, int r, int b) { ::SetRectRgn(*this, l, t, r, b); }
    int OffsetRgn(int dx, int dy) { return ::OffsetRgn(*this, dx, dy); }
    bool EqualRgn(const CRgn* pOther) const { return ::EqualRgn(*this, *pOther) != FALSE; }
    int GetRgnBox(RECT* pRect) const { return ::GetRgnBox(*this, pRect); }
    bool PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y) != FALSE; }

    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
};
