#include "tests/controls/FxButtonHost.h"

#include "tests/controls/FxPictures.h"

ButtonHost::ButtonHost() {
    const RECT rect = {kLeft, kTop, kLeft + 400, kTop + 300};
    CreateEx(WS_EX_TOPMOST, nullptr, "button host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, rect, nullptr, 0);
    ::SetForegroundWindow(m_hWnd);
    PumpQueued();
}

ButtonHost::~ButtonHost() { DestroyWindow(); }

HWND ButtonHost::AddButton(CFxButton& button, const char* caption, DWORD style, const RECT& rect, UINT id,
                           HFONT font) {
    HWND hWnd = ::CreateWindowExA(0, "BUTTON", caption, style | WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                  nullptr);
    if (font) ::SendMessageA(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    button.SubclassWindow(hWnd);
    return hWnd;
}

// Every control's clicks, whatever its id.
LRESULT ButtonHost::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam)
        m_clicks.push_back({LOWORD(wParam), ::SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0)});
    return CWnd::WindowProc(message, wParam, lParam);
}

void UsePictures(CFxButton& button, const Rows& normal, const Rows& pressed, const Rows& hot,
                 const Rows& disabled) {
    const Rows* rows[FX_STATE_COUNT] = {&normal, &pressed, &hot, &disabled};
    HDC screen = ::GetDC(nullptr);
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        button.m_bDrawImage = TRUE;
        button.m_dcImage[i].DeleteDC();
        button.m_pImage[i] = nullptr;
        button.m_pImageDC[i] = nullptr;
        button.m_szImage[i] = CSize();
        if (rows[i]->empty()) continue;
        button.m_bmpImage[i].Attach(MakePicture(*rows[i]));
        button.m_szImage[i] = button.m_bmpImage[i].GetSize();
        button.m_pImage[i] = &button.m_bmpImage[i];
        button.m_dcImage[i].CreateCompatibleDC(screen);
        button.m_dcImage[i].SelectObject(button.m_bmpImage[i]);
        button.m_pImageDC[i] = &button.m_dcImage[i];
    }
    ::ReleaseDC(nullptr, screen);
}

Painted::Painted(CFxButton& button, UINT itemState)
    : m_width(button.m_rcClient.Width()), m_height(button.m_rcClient.Height()) {
    void* bits = nullptr;
    m_bitmap = MakeCanvas(m_width, m_height, &bits);
    m_dc = ::CreateCompatibleDC(nullptr);
    m_old = ::SelectObject(m_dc, m_bitmap);
    HBRUSH canvas = ::CreateSolidBrush(kCanvas);
    const RECT all = {0, 0, m_width, m_height};
    ::FillRect(m_dc, &all, canvas);
    ::DeleteObject(canvas);

    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(button.GetDlgCtrlID());
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = itemState;
    dis.hwndItem = button.m_hWnd;
    dis.hDC = m_dc;
    dis.rcItem = button.m_rcClient;
    button.DrawItem(&dis);
}

Painted::~Painted() {
    ::SelectObject(m_dc, m_old);
    ::DeleteDC(m_dc);
    ::DeleteObject(m_bitmap);
}

int Painted::Count(COLORREF c) const {
    int n = 0;
    for (int y = 0; y < m_height; ++y)
        for (int x = 0; x < m_width; ++x) n += At(x, y) == c;
    return n;
}

void PumpQueued() {
    PumpFor([] { return true; });
    PumpFor([] { return true; });
}

bool NeedsPaint(HWND hWnd) { return ::GetUpdateRect(hWnd, nullptr, FALSE) != FALSE; }
