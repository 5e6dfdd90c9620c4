#include "framework/PaintDC.h"

#include "framework/Wnd.h"

CPaintDC::CPaintDC(CWnd* pWnd) : CPaintDC(pWnd ? pWnd->m_hWnd : nullptr) {}
