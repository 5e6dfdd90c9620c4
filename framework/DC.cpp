#include "framework/DC.h"

#include "framework/GdiObject.h"
#include "framework/Region.h"

CDC::~CDC() { DeleteDC(); }

BOOL CDC::CreateCompatibleDC(HDC hDC) {
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(hDC);
    m_release = m_hDC ? Release::Delete : Release::None;
    return m_hDC != nullptr;
}

BOOL CDC::DeleteDC() {
    if (m_release != Release::Delete || !m_hDC) return FALSE;
    BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_release = Release::None;
    return ok;
}

void CDC::Attach(HDC hDC) {
    DeleteDC();
    m_hDC = hDC;
    m_release = Release::None;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    m_hDC = nullptr;
    m_release = Release::None;
    return h;
}

HGDIOBJ CDC::SelectObject(const CGdiObject& object) { return ::SelectObject(m_hDC, object.GetSafeHandle()); }

int CDC::SelectClipRgn(const CRgn* pRgn) { return ::SelectClipRgn(m_hDC, pRgn ? static_cast<HRGN>(*pRgn) : nullptr); }

BOOL CDC::AlphaBlend(int x, int y, int w, int h, const CDC* pSrc, int xSrc, int ySrc, int wSrc, int hSrc,
                     BLENDFUNCTION blend) {
    return ::AlphaBlend(m_hDC, x, y, w, h, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, wSrc, hSrc, blend);
}

CPoint CDC::MoveTo(int x, int y) {
    POINT old = {0, 0};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

BOOL CDC::FillRgn(const CRgn* pRgn, HBRUSH hBrush) { return ::FillRgn(m_hDC, *pRgn, hBrush); }

void CDC::FillSolidRect(const RECT* pRect, COLORREF colour) {
    ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, pRect, nullptr, 0, nullptr);
}

CSize CDC::GetTextExtent(const char* text, int length) const {
    SIZE s = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, text, length, &s);
    return CSize(s);
}
