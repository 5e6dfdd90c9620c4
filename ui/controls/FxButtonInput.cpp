// CFxButton: hover and press tracking, the check-box and radio-button
// behaviour, and the relay of mouse messages to the tooltip.
#include "ui/controls/FxButton.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

BEGIN_MESSAGE_MAP(CFxButton, CButton)
    MapMsg<WM_MOUSEMOVE, &ThisClass::OnMouseMove>(),
    MapMsg<WM_MOUSEHOVER, &ThisClass::OnMouseHover>(),
    MapMsg<WM_MOUSELEAVE, &ThisClass::OnMouseLeave>(),
    MapMsg<WM_LBUTTONDOWN, &ThisClass::OnLButtonDown>(),
    MapMsg<WM_LBUTTONUP, &ThisClass::OnLButtonUp>(),
    MapMsg<WM_LBUTTONDBLCLK, &ThisClass::OnLButtonDblClk>(),
    MapMsg<WM_KEYDOWN, &ThisClass::OnKeyDown>(),
    MapMsg<WM_SETFOCUS, &ThisClass::OnSetFocus>(),
    MapMsg<WM_KILLFOCUS, &ThisClass::OnKillFocus>(),
    MapMsg<WM_SETCURSOR, &ThisClass::OnSetCursor>(),
    MapMsg<WM_ENABLE, &ThisClass::OnEnable>(),
    MapMsg<WM_ERASEBKGND, &ThisClass::OnEraseBkgnd>(),
    MapMsg<BM_SETCHECK, &ThisClass::OnSetCheck>(),
    MapMsg<BM_GETCHECK, &ThisClass::OnGetCheck>(),
    MapMsg<UM_FX_UNCHECK, &ThisClass::OnUncheck>(),
END_MESSAGE_MAP()

// A window under the point that cannot be determined is not the button.
bool CFxButton::IsButtonAt(POINT screenPoint) const {
    return m_hWnd && ::WindowFromPoint(screenPoint) == m_hWnd;
}

void CFxButton::RelayToToolTip(UINT message, UINT nFlags, CPoint point) {
    if (!m_ToolTip.m_hWnd) return;
    MSG msg = {m_hWnd, message, nFlags, MAKELPARAM(point.x, point.y), 0, {point.x, point.y}};
    m_ToolTip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

// Hover after 1 ms of rest, and the leave notification. A failed request
// leaves m_bTracking FALSE, so the next mouse move asks again.
void CFxButton::RequestHoverTracking() {
    TRACKMOUSEEVENT tme = {sizeof tme, TME_HOVER | TME_LEAVE, m_hWnd, 1};
    m_bTracking = ::_TrackMouseEvent(&tme) ? TRUE : FALSE;
}

void CFxButton::OnMouseMove(UINT nFlags, CPoint point) {
    if ((nFlags & MK_LBUTTON) && !m_bLButtonDown) {
        // Pressed elsewhere and dragged in: no press look, no check change.
        m_bDragEntered = TRUE;
        return;
    }
    RelayToToolTip(WM_MOUSEMOVE, nFlags, point);
    if (HasCapture() && m_bLButtonDown) {
        CPoint screen = point;
        ClientToScreen(&screen);
        SetState(IsButtonAt(screen) ? TRUE : FALSE);
        return;
    }
    if (!m_bTracking) RequestHoverTracking();
    Default();
}

LRESULT CFxButton::OnMouseHover(WPARAM, LPARAM) {
    if (!m_bHot) {
        m_bHot = TRUE;
        Invalidate();
    }
    return 1;
}

LRESULT CFxButton::OnMouseLeave(WPARAM, LPARAM) {
    m_bTracking = FALSE;
    m_bHot = FALSE;
    Invalidate();
    return 0;
}

void CFxButton::OnLButtonDown(UINT nFlags, CPoint point) {
    m_bDragEntered = FALSE;
    RelayToToolTip(WM_LBUTTONDOWN, nFlags, point);
    if (m_bTracking) {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_CANCEL | TME_LEAVE, m_hWnd, 0};
        if (::_TrackMouseEvent(&tme)) m_bTracking = FALSE;
    }
    Default();  // the standard button takes the capture and shows itself pushed
    m_bLButtonDown = TRUE;
}

void CFxButton::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bDragEntered) {
        Invalidate();
        Default();
        return;
    }
    if (m_nType != FXT_PUSH) {
        CPoint screen = point;
        ClientToScreen(&screen);
        if (IsButtonAt(screen)) SendMessage(BM_SETCHECK, m_nType == FXT_CHECK ? !m_bChecked : TRUE);
    }
    RelayToToolTip(WM_LBUTTONUP, nFlags, point);
    m_bLButtonDown = FALSE;
    Default();  // releases the capture and notifies the parent of the click
}

// A double click counts as a second press.
void CFxButton::OnLButtonDblClk(UINT nFlags, CPoint point) {
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CFxButton::OnKeyDown(UINT nChar, UINT, UINT) {
    if (nChar == VK_SPACE) {
        if (m_nType == FXT_CHECK) SendMessage(BM_SETCHECK, !m_bChecked);
        else if (m_nType == FXT_RADIO) SendMessage(BM_SETCHECK, TRUE);
    }
    Default();  // the standard button presses on space down, clicks on space up
}

void CFxButton::OnSetFocus(CWnd* pOldWnd) {
    m_bFocused = TRUE;
    CButton::OnSetFocus(pOldWnd);
}

// m_bFocused is brought up to date by the next paint.
void CFxButton::OnKillFocus(CWnd*) {
    if (HasCapture()) {
        ::ReleaseCapture();
        m_bLButtonDown = FALSE;
    }
    Default();
}

BOOL CFxButton::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (m_hCursor) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CButton::OnSetCursor(pWnd, nHitTest, message);
}

void CFxButton::OnEnable(BOOL bEnable) {
    if (!bEnable) {
        m_bTracking = FALSE;
        m_bHot = FALSE;
        Invalidate();
    }
    Default();
}

// The paint covers the whole client area.
BOOL CFxButton::OnEraseBkgnd(CDC*) { return TRUE; }

LRESULT CFxButton::OnSetCheck(WPARAM wParam, LPARAM) {
    m_bChecked = wParam != 0;
    if (m_nType == FXT_PUSH) m_bChecked = FALSE;
    if (m_nType == FXT_RADIO && m_bChecked) UncheckGroup();
    Invalidate();
    return 0;
}

LRESULT CFxButton::OnGetCheck(WPARAM, LPARAM) { return m_bChecked ? 1 : 0; }

LRESULT CFxButton::OnUncheck(WPARAM, LPARAM) {
    if (m_bChecked && m_nType == FXT_RADIO) {
        m_bChecked = FALSE;
        Invalidate();
    }
    return 0;
}

// Posts UM_FX_UNCHECK to every other control of the button's dialog group.
// The walk ends when it comes back to the button, or, should the system skip
// the button (a disabled or hidden one), after one full cycle of the group.
void CFxButton::UncheckGroup() {
    HWND parent = GetParent();
    if (!m_hWnd || !parent) return;
    std::vector<HWND> posted;
    HWND next = ::GetNextDlgGroupItem(parent, m_hWnd, FALSE);
    while (next && next != m_hWnd && std::find(posted.begin(), posted.end(), next) == posted.end()) {
        ::PostMessageA(next, UM_FX_UNCHECK, 0, 0);
        posted.push_back(next);
        next = ::GetNextDlgGroupItem(parent, next, FALSE);
    }
}
