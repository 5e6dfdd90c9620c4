// The device context of one WM_PAINT: BeginPaint on construction, EndPaint
// on destruction.
#pragma once

#include "framework/DC.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND hWnd) : m_hWndPaint(hWnd) { m_hDC = ::BeginPaint(hWnd, &m_ps); }
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override {
        ::EndPaint(m_hWndPaint, &m_ps);
        m_hDC = nullptr;
    }

    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWndPaint;
};
