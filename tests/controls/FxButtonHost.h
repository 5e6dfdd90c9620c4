// Real button windows for the skinned-button tests: a visible top-level host
// window that hands WM_DRAWITEM back to its buttons, buttons subclassed the
// way a dialog's data exchange binds them, pictures made in memory, and
// paints into memory device contexts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Wnd.h"
#include "ui/controls/FxButton.h"

using Rows = std::vector<std::string>;

// A framework window at a fixed place on the screen, above everything else.
// Records the click notifications of its buttons together with the check
// state the button answered at that moment.
class ButtonHost : public CWnd {
public:
    static constexpr int kLeft = 200;
    static constexpr int kTop = 150;

    ButtonHost();
    ~ButtonHost() override;

    // A "BUTTON" control with that style (WS_CHILD | WS_VISIBLE added),
    // caption and client rectangle, attached to the object by subclassing.
    // Without a font the control has none (WM_GETFONT answers null).
    HWND AddButton(CFxButton& button, const char* caption, DWORD style, const RECT& rect, UINT id,
                   HFONT font = nullptr);

    struct Click {
        UINT id;
        LRESULT checkAtClick;
    };
    std::vector<Click> m_clicks;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Gives the button in-memory pictures for its states the way SetBitmaps
// gives it resources: each bitmap selected into its own memory device
// context. An empty row list leaves the state without a picture.
void UsePictures(CFxButton& button, const Rows& normal, const Rows& pressed, const Rows& hot,
                 const Rows& disabled);

// The result of one DrawItem into a 24-bit memory device context of the
// button's client size, first filled with kCanvas.
class Painted {
public:
    static constexpr COLORREF kCanvas = RGB(1, 2, 3);

    Painted(CFxButton& button, UINT itemState);
    ~Painted();
    Painted(const Painted&) = delete;
    Painted& operator=(const Painted&) = delete;

    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Smallest rectangle holding every pixel for which keep(colour) holds;
    // empty when there is none.
    template <class Keep>
    RECT BoundsOf(Keep keep) const {
        RECT r = {m_width, m_height, 0, 0};
        for (int y = 0; y < m_height; ++y)
            for (int x = 0; x < m_width; ++x)
                if (keep(At(x, y))) {
                    if (x < r.left) r.left = x;
                    if (y < r.top) r.top = y;
                    if (x + 1 > r.right) r.right = x + 1;
                    if (y + 1 > r.bottom) r.bottom = y + 1;
                }
        if (r.right == 0) r = RECT{0, 0, 0, 0};
        return r;
    }
    RECT BoundsOfColour(COLORREF c) const {
        return BoundsOf([c](COLORREF p) { return p == c; });
    }
    int Count(COLORREF c) const;

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    int m_width, m_height;
};

// Pumps until done() holds or two seconds pass.
template <class Done>
bool PumpFor(Done done) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (done()) return true;
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= 2000) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 2000 - elapsed, QS_ALLINPUT);
    }
}

// Handles everything already queued.
void PumpQueued();

// Whether the window has a pending update region.
bool NeedsPaint(HWND hWnd);

// A client point of a window in the packed form of mouse messages.
inline LPARAM ClientPoint(int x, int y) { return MAKELPARAM(x, y); }
