// Paint cost of one 173 x 27 skinned page button per state (DrawItem into a
// memory device context) and the one-off set-up cost of InitButton with its
// region building, with the main window's configuration and bitmaps.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/PageButtons.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "ui/controls/FxButton.h"
#include "ui/controls/FxRegions.h"

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const RECT kButtonRect = {10, 10, 183, 39};  // 173 x 29, as the main window's

double TicksPerMicrosecond() {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1e6;
}

double Now() {
    static const double perUs = TicksPerMicrosecond();
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / perUs;
}

void PumpQueued() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

HWND NewButtonWindow(HWND parent) {
    return ::CreateWindowExA(0, "BUTTON", "YouTube Download", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP,
                             kButtonRect.left, kButtonRect.top, kButtonRect.right - kButtonRect.left,
                             kButtonRect.bottom - kButtonRect.top, parent, reinterpret_cast<HMENU>(1009),
                             ::GetModuleHandleA(nullptr), nullptr);
}

struct Figures {
    double mean, best, median;
};

Figures Summarise(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    double sum = 0;
    for (double u : us) sum += u;
    return {sum / us.size(), us.front(), us[us.size() / 2]};
}

void Print(const char* name, const Figures& f, int runs) {
    std::printf("%-40s %10.1f %10.1f %10.1f %8d\n", name, f.mean, f.median, f.best, runs);
}

}  // namespace

int main() {
    CWnd host;
    host.CreateEx(0, nullptr, "bench", WS_POPUP | WS_VISIBLE, RECT{100, 100, 400, 200}, nullptr, 0);
    PumpQueued();

    std::printf("Skinned page button, 173 x 27 bitmaps, under Wine; microseconds per operation\n");
    std::printf("%-40s %10s %10s %10s %8s\n", "operation", "mean", "median", "best", "runs");

    // Set-up: InitButton on a freshly configured button, regions included.
    {
        const int runs = 100;
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            auto button = std::make_unique<CFxButton>();
            button->SubclassWindow(NewButtonWindow(host.m_hWnd));
            SetPageButtonPictures(*button, kDownloaderPageButtonLook);
            const double start = Now();
            InitPageButton(*button);
            times.push_back(Now() - start);
            HWND hWnd = button->m_hWnd;
            button.reset();
            ::DestroyWindow(hWnd);
            PumpQueued();
        }
        Print("InitButton (4 states, shared regions)", Summarise(times), runs);
    }

    // One region scan of a 173 x 27 picture, as InitButton does per key set.
    {
        HBITMAP bitmap = ::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_DOWNLOADER_NORMAL));
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        const int runs = 200;
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            const double start = Now();
            HRGN region = RegionFromBitmap(dc, 173, 27, kMagenta, ::GetSysColor(COLOR_BTNFACE));
            times.push_back(Now() - start);
            ::DeleteObject(region);
        }
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::DeleteObject(bitmap);
        Print("RegionFromBitmap 173 x 27", Summarise(times), runs);
    }

    // Paint per state.
    CFxButton button;
    button.SubclassWindow(NewButtonWindow(host.m_hWnd));
    ConfigurePageButton(button, kDownloaderPageButtonLook);
    PumpQueued();

    HDC screen = ::GetDC(nullptr);
    HDC target = ::CreateCompatibleDC(screen);
    HBITMAP targetBitmap = ::CreateCompatibleBitmap(screen, button.m_rcClient.Width(), button.m_rcClient.Height());
    HGDIOBJ oldTarget = ::SelectObject(target, targetBitmap);

    struct PaintCase {
        const char* name;
        UINT itemState;
        BOOL hot;
        BYTE useDisabledImage;
    } cases[] = {
        {"DrawItem normal", 0, FALSE, FALSE},
        {"DrawItem pressed", ODS_SELECTED, FALSE, FALSE},
        {"DrawItem hot", 0, TRUE, FALSE},
        {"DrawItem disabled", ODS_DISABLED, FALSE, FALSE},
        {"DrawItem normal, disabled picture", 0, FALSE, TRUE},
    };
    for (const auto& c : cases) {
        button.m_bHot = c.hot;
        button.m_bUseDisabledImage = c.useDisabledImage;
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = 1009;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = c.itemState;
        dis.hwndItem = button.m_hWnd;
        dis.hDC = target;
        dis.rcItem = button.m_rcClient;
        for (int i = 0; i < 50; ++i) button.DrawItem(&dis);  // warm-up
        const int runs = 2000;
        std::vector<double> times;
        times.reserve(runs);
        for (int i = 0; i < runs; ++i) {
            const double start = Now();
            button.DrawItem(&dis);
            times.push_back(Now() - start);
        }
        Print(c.name, Summarise(times), runs);
    }

    ::SelectObject(target, oldTarget);
    ::DeleteObject(targetBitmap);
    ::DeleteDC(target);
    ::ReleaseDC(nullptr, screen);
    return 0;
}
