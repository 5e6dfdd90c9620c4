// A button control: push button, check box or radio button. For owner-drawn
// buttons the parent hands WM_DRAWITEM back to the object, which paints in
// DrawItem.
#pragma once

#include "framework/Wnd.h"

class CButton : public CWnd {
    DECLARE_RUNTIME_CLASS(CButton)
public:
    using CWnd::Create;
    BOOL Create(const char* caption, DWORD style, const RECT& rect, CWnd* pParent, UINT id);

    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL pushed) { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pushed)); }
    // The button type and flags in the style's low byte.
    UINT GetButtonStyle() const { return GetStyle() & 0xFF; }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }

    // Paints an owner-drawn button; the default paints nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT pDrawItem);

protected:
    LRESULT OnReflectedDrawItem(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
