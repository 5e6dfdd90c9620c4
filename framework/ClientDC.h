// A window's client-area device context, released on destruction.
#pragma once

#include "framework/DC.h"

class CWnd;

class CClientDC : public CDC {
public:
    // Null: the screen.
    explicit CClientDC(HWND hWnd) : m_hWndDC(hWnd) { m_hDC = ::GetDC(hWnd); }
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override {
        if (m_hDC) ::ReleaseDC(m_hWndDC, m_hDC);
        m_hDC = nullptr;
    }

private:
    HWND m_hWndDC;
};
