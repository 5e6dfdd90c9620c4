// A window of skinned buttons for a screenshot: push buttons, check boxes,
// radio buttons and rounded buttons in each visual state, and the main
// window's two page buttons with the program's bitmaps, the shown page's and
// the hidden page's. Prints "ready <width> <height>" once painted and ends
// when the file named by its argument appears (or after a minute).
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "framework/Wnd.h"
#include "res/resource.h"
#include "app/PageButtons.h"
#include "ui/controls/FxButton.h"

namespace {

const int kColumnWidth = 190;
const int kRowHeight = 44;
const int kLabelWidth = 150;
const int kTop = 34;

enum Look { NORMAL, HOT, PRESSED, DISABLED };
const char* const kLookNames[] = {"normal", "hot", "pressed / checked", "disabled"};

struct Kind {
    const char* label;
    const char* caption;
    DWORD style;
    bool rounded;
};

const Kind kKinds[] = {
    {"push button", "Push button", BS_PUSHBUTTON, false},
    {"check box", "Check box", BS_AUTOCHECKBOX, false},
    {"radio button", "Radio button", BS_AUTORADIOBUTTON, false},
    {"push-like check box", "Push-like", BS_AUTOCHECKBOX | BS_PUSHLIKE, false},
    {"rounded push button", "Rounded", BS_PUSHBUTTON, true},
};

HFONT LabelFont() { return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }

void AddLabel(HWND parent, const char* text, int x, int y, int w) {
    HWND label = ::CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, w, 16, parent, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(LabelFont()), FALSE);
}

CFxButton* AddButton(std::vector<std::unique_ptr<CFxButton>>& buttons, HWND parent, const char* caption,
                     DWORD style, const RECT& r, UINT id) {
    // Each radio button in a group of its own, so that all can be checked.
    HWND hWnd = ::CreateWindowExA(0, "BUTTON", caption, style | WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr),
                                  nullptr);
    buttons.push_back(std::make_unique<CFxButton>());
    buttons.back()->SubclassWindow(hWnd);
    return buttons.back().get();
}

// A plain window in the button-face colour, the dialog colour.
class FaceWnd : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) {
            RECT rc;
            ::GetClientRect(m_hWnd, &rc);
            ::FillRect(reinterpret_cast<HDC>(wParam), &rc, ::GetSysColorBrush(COLOR_BTNFACE));
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

bool Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) return false;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const char* stopFile = argc > 1 ? argv[1] : nullptr;
    // The pointer out of the way: no hover but the one set below.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);

    const int kinds = static_cast<int>(sizeof kKinds / sizeof kKinds[0]);
    const int width = kLabelWidth + 4 * kColumnWidth + 10;
    const int height = kTop + (kinds + 2) * kRowHeight + 20;
    FaceWnd host;
    if (!host.CreateEx(0, nullptr, "Skinned buttons", WS_POPUP | WS_VISIBLE, RECT{0, 0, width, height}, nullptr, 0))
        return 1;

    for (int look = 0; look < 4; ++look) AddLabel(host.m_hWnd, kLookNames[look], kLabelWidth + look * kColumnWidth, 10, 170);

    std::vector<std::unique_ptr<CFxButton>> buttons;
    struct Placed {
        CFxButton* button;
        Look look;
    };
    std::vector<Placed> placed;
    UINT id = 100;
    for (int k = 0; k < kinds; ++k) {
        const int y = kTop + k * kRowHeight;
        AddLabel(host.m_hWnd, kKinds[k].label, 10, y + 8, kLabelWidth - 10);
        for (int look = 0; look < 4; ++look) {
            const int x = kLabelWidth + look * kColumnWidth;
            CFxButton* b = AddButton(buttons, host.m_hWnd, kKinds[k].caption, kKinds[k].style,
                                     RECT{x, y, x + 170, y + 30}, id++);
            b->SetFontName("Arial", TRUE, "", "", "");
            b->SetFontHeight(15);
            // A caption colour per state, so that the states tell apart.
            b->SetTextColors(RGB(0, 0, 0), RGB(120, 20, 20), RGB(0, 90, 180), ::GetSysColor(COLOR_GRAYTEXT));
            if (kKinds[k].rounded) {
                b->m_nRoundWidth = 14;
                b->m_nRoundHeight = 14;
            }
            b->InitButton(nullptr, 1, 0, FALSE);
            placed.push_back({b, static_cast<Look>(look)});
        }
    }

    // The page buttons: the shown page's (downloader) and the hidden page's
    // (player, wearing its disabled picture), each normal and hot.
    struct Page {
        const char* label;
        const PageButtonLook& look;
        BYTE hidden;
    } pages[] = {
        {"page button, shown page", kDownloaderPageButtonLook, FALSE},
        {"page button, hidden page", kPlayerPageButtonLook, TRUE},
    };
    for (int p = 0; p < 2; ++p) {
        const int y = kTop + (kinds + p) * kRowHeight + 8;
        AddLabel(host.m_hWnd, pages[p].label, 10, y + 7, kLabelWidth - 10);
        for (Look look : {NORMAL, HOT}) {
            const int x = kLabelWidth + look * kColumnWidth;
            CFxButton* b = AddButton(buttons, host.m_hWnd, pages[p].look.caption, BS_PUSHBUTTON,
                                     RECT{x, y, x + 173, y + 29}, IDC_DOWNLOADER_PAGE_BUTTON + p);
            ConfigurePageButton(*b, pages[p].look);
            b->m_bUseDisabledImage = pages[p].hidden;
            placed.push_back({b, look});
        }
    }

    // The leave notifications of the set-up come first; then the looks.
    for (int i = 0; i < 5; ++i) {
        Pump();
        ::Sleep(20);
    }
    for (const Placed& p : placed) {
        switch (p.look) {
        case NORMAL: break;
        case HOT: p.button->m_bHot = TRUE; break;
        case PRESSED:
            if (p.button->m_nType == FXT_PUSH) p.button->SendMessage(BM_SETSTATE, TRUE);
            else p.button->SendMessage(BM_SETCHECK, 1);
            break;
        case DISABLED:
            if (p.button->m_nType != FXT_PUSH) p.button->SendMessage(BM_SETCHECK, 1);
            p.button->EnableWindow(FALSE);
            break;
        }
        p.button->Invalidate();
    }
    host.UpdateWindow();
    for (int i = 0; i < 5; ++i) {
        Pump();
        ::Sleep(20);
    }

    std::printf("ready %d %d\n", width, height);
    std::fflush(stdout);

    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 60000) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        if (stopFile && ::GetFileAttributesA(stopFile) != INVALID_FILE_ATTRIBUTES) break;
        if (!Pump()) break;
    }
    return 0;
}
