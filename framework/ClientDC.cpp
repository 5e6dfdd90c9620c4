#include "framework/ClientDC.h"

#include "framework/Wnd.h"

CClientDC::CClientDC(CWnd* pWnd) : CClientDC(pWnd ? pWnd->m_hWnd : nullptr) {}
