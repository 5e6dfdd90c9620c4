// A point in pixels: the system's POINT with a few helpers.
#pragma once

#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    CPoint(const POINT& p) : POINT(p) {}
    // From the packed coordinates of a mouse message's lParam (signed 16-bit).
    explicit CPoint(LPARAM l)
        : POINT{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))} {}

    void Offset(int dx, int dy) { x += dx; y += dy; }
    bool operator==(const POINT& o) const { return x == o.x && y == o.y; }
    bool operator!=(const POINT& o) const { return !(*this == o); }
};
