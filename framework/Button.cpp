#include "framework/Button.h"

IMPLEMENT_RUNTIME_CLASS(CButton, CWnd)

BEGIN_MESSAGE_MAP(CButton, CWnd)
    MapReflected<WM_DRAWITEM, &ThisClass::OnReflectedDrawItem>(),
END_MESSAGE_MAP()

BOOL CButton::Create(const char* caption, DWORD style, const RECT& rect, CWnd* pParent, UINT id) {
    return CreateEx(0, "BUTTON", caption, style | WS_CHILD, rect, pParent ? pParent->m_hWnd : nullptr, id);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

LRESULT CButton::OnReflectedDrawItem(WPARAM, LPARAM lParam) {
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
}
