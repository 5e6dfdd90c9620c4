// A window: the handle, the object attached to it, and the routing of its
// messages through the class's message map (framework/MessageMap.h).
//
// An object becomes attached to a window in one of three ways:
//   - it creates the window (Create, CreateEx, or a dialog's Create/DoModal);
//     the object is attached before the window's first message;
//   - it subclasses an existing window (SubclassWindow, used by the dialog data
//     exchange to bind a member to a control of a template); PreSubclassWindow
//     runs first;
//   - Attach maps the handle to the object without routing its messages.
// Every attached window is in a handle->object map, FromHandlePermanent.
// Windows are used on one user-interface thread only.
#pragma once

#include <windows.h>

#include <string>

#include "framework/CmdTarget.h"
#include "framework/Point.h"
#include "framework/Rect.h"

class CDC;
class CDataExchange;

class CWnd : public CCmdTarget {
    DECLARE_RUNTIME_CLASS(CWnd)
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // A window that this object created is destroyed; a subclassed one is
    // given back its own window procedure.
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // The object attached to a window, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // --- Attaching ---------------------------------------------------------
    BOOL Attach(HWND hWnd);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT id, CWnd* pParent);
    HWND UnsubclassWindow();

    // --- Creation ----------------------------------------------------------
    // className null: the framework's own window class (arrow cursor, window
    // colour background, double clicks).
    BOOL CreateEx(DWORD exStyle, const char* className, const char* windowName, DWORD style, const RECT& rect,
                  HWND hParent, UINT id, void* pParam = nullptr);
    virtual BOOL Create(const char* className, const char* windowName, DWORD style, const RECT& rect,
                        CWnd* pParent, UINT id);
    BOOL DestroyWindow();

    // --- Routing -----------------------------------------------------------
    // Offered every message that the message loop takes from the queue for
    // this window or one of its descendants, before it is dispatched. True
    // consumes the message.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Runs the map, then (when nothing handled the message) DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The processing of the window's own class (or the one it was subclassed
    // from).
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Map lookup, including the notifications handed back to controls and
    // commands offered to the application. False when nothing handled it.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The system's processing of the message now being handled.
    LRESULT Default();
    const MSG* GetCurrentMessage() const { return m_pCurrentMsg; }

    // --- Data exchange -----------------------------------------------------
    virtual void DoDataExchange(CDataExchange* pDX);
    // saveAndValidate true: controls -> members; false: members -> controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // --- Thin forwards to the system ---------------------------------------
    LRESULT SendMessage(UINT m, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(m_hWnd, m, w, l); }
    BOOL PostMessage(UINT m, WPARAM w = 0, LPARAM l = 0) const { return ::PostMessageA(m_hWnd, m, w, l); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetTopLevelParent() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    void GetClientRect(RECT* pRect) const { ::GetClientRect(m_hWnd, pRect); }
    void GetWindowRect(RECT* pRect) const { ::GetWindowRect(m_hWnd, pRect); }
    void ScreenToClient(POINT* p) const { ::ScreenToClient(m_hWnd, p); }
    void ScreenToClient(RECT* pRect) const;
    void ClientToScreen(POINT* p) const { ::ClientToScreen(m_hWnd, p); }
    void ClientToScreen(RECT* pRect) const;
    BOOL MoveWindow(int x, int y, int w, int h, BOOL repaint = TRUE) {
        return ::MoveWindow(m_hWnd, x, y, w, h, repaint);
    }
    BOOL MoveWindow(const RECT& r, BOOL repaint = TRUE) {
        return MoveWindow(r.left, r.top, r.right - r.left, r.bottom - r.top, repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int w, int h, UINT flags) {
        return ::SetWindowPos(m_hWnd, after, x, y, w, h, flags);
    }
    BOOL ShowWindow(int show) { return ::ShowWindow(m_hWnd, show); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    HWND SetCapture() { return ::SetCapture(m_hWnd); }
    bool HasCapture() const { return m_hWnd && ::GetCapture() == m_hWnd; }

    void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void InvalidateRect(const RECT* pRect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, pRect, erase); }
    void ValidateRect(const RECT* pRect) { ::ValidateRect(m_hWnd, pRect); }
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(const RECT* pRect, HRGN hRgn, UINT flags) { return ::RedrawWindow(m_hWnd, pRect, hRgn, flags); }
    // The window takes ownership of the region.
    int SetWindowRgn(HRGN hRgn, BOOL redraw) { return ::SetWindowRgn(m_hWnd, hRgn, redraw); }

    std::string GetWindowText() const;
    void SetWindowText(const char* text) { ::SetWindowTextA(m_hWnd, text); }
    void SetWindowText(const std::string& text) { SetWindowText(text.c_str()); }
    std::string GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }
    void SetFont(HFONT hFont, BOOL redraw = TRUE) {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), redraw);
    }
    HICON SetIcon(HICON hIcon, BOOL big) {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(hIcon)));
    }

    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) { return ::SetTimer(m_hWnd, id, elapseMs, nullptr); }
    BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }

    // A message box owned by this window; caption null: the program's title.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);
    // The window's system menu (revert TRUE restores the default menu).
    HMENU GetSystemMenu(BOOL revert) const { return ::GetSystemMenu(m_hWnd, revert); }

    // --- Default handlers: each runs Default() -----------------------------
    // A derived class's handler of the same name calls these for the
    // system's processing.
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnTimer(UINT_PTR nIDEvent);
    void OnShowWindow(BOOL bShow, UINT nStatus);
    void OnClose();
    void OnDestroy();
    int OnCreate(LPCREATESTRUCTA pCreate);
    void OnSize(UINT nType, int cx, int cy);
    void OnSysCommand(UINT nID, LPARAM lParam);
    HCURSOR OnQueryDragIcon();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnRButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnEnable(BOOL bEnable);
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDrawItem);
    void OnContextMenu(CWnd* pWnd, CPoint point);

protected:
    // Runs when a window is attached by subclassing or creation, before the
    // object receives the window's messages.
    virtual void PreSubclassWindow();
    // Runs after the window's last message (WM_NCDESTROY), when the object
    // has been detached; an object that lives on the heap for its window may
    // delete itself here.
    virtual void PostNcDestroy();

    DECLARE_MESSAGE_MAP()

private:
    friend class CWndCreationHook;
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Hands a notification that the map did not handle back to the control
    // that sent it; false when that control has no object or no entry.
    bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void AttachAtCreation(HWND hWnd);

    WNDPROC m_pfnSuper = nullptr;      // the procedure we subclassed
    const MSG* m_pCurrentMsg = nullptr;
    bool m_bCreatedHere = false;       // the object created the window
};

// A borrowed view of a window that may have no object: the attached object
// when there is one, otherwise a temporary wrapper valid for this scope.
class CTempWnd {
public:
    explicit CTempWnd(HWND hWnd);
    ~CTempWnd() { m_temp.m_hWnd = nullptr; }
    CWnd* Get() { return m_pWnd; }

private:
    CWnd m_temp;
    CWnd* m_pWnd;
};

#include "framework/MessageCrackers.h"
