// Selects a GDI object into a device context for one scope and puts the
// previous object back at its end, so the object can be deleted afterwards.
#pragma once

#include <windows.h>

#include "framework/GdiObject.h"

class CSelectGuard {
public:
    CSelectGuard(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
    CSelectGuard(HDC hDC, const CGdiObject& object) : CSelectGuard(hDC, object.GetSafeHandle()) {}
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;
    ~CSelectGuard() {
        if (m_hOld && m_hOld != HGDI_ERROR) ::SelectObject(m_hDC, m_hOld);
    }

    HGDIOBJ Previous() const { return m_hOld; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
