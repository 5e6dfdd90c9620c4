#include "ui/controls/FxRoundBorder.h"

namespace {

// One element of the figure, its coordinates already worked out for a given
// size. For a line only (x1, y1) -> (x2, y2) is used; an arc has a bounding
// box (x1, y1) - (x2, y2), a start point (sx, sy) and an end point (ex, ey).
struct Element {
    bool arc;
    int x1, y1, x2, y2;
    int sx, sy, ex, ey;
};

void DrawElement(HDC dc, const Element& e) {
    if (e.arc) {
        Arc(dc, e.x1, e.y1, e.x2, e.y2, e.sx, e.sy, e.ex, e.ey);
    } else {
        MoveToEx(dc, e.x1, e.y1, nullptr);
        LineTo(dc, e.x2, e.y2);
    }
}

}  // namespace

void DrawRoundFigure(HDC dc, FxFigureHalf half, int w, int h, int W, int H) {
    const Element light[] = {
        // lower-left corner, upper half
        {true, 0, h - 1 - H, W, h - 1, 0, (2 * h - 2 - H) / 2, 0, h - 1},
        // left side
        {false, 0, h, 0, 0, 0, 0, 0, 0},
        // upper-left corner
        {true, 0, 0, W, H, W / 2, 0, 0, H / 2},
        // top side
        {false, 0, 0, w, 0, 0, 0, 0, 0},
        // upper-right corner, upper half
        {true, w - 1 - W, 0, w - 1, H, w - 1, 0, (2 * w - 2 - W) / 2, 0},
    };
    const Element dark[] = {
        // upper-right corner, lower half
        {true, w - 1 - W, 0, w - 1, H, w - 1, H / 2, w - 1, 0},
        // right side
        {false, w - 2, 0, w - 2, h, 0, 0, 0, 0},
        // lower-right corner
        {true, w - 1 - W, h - 1 - H, w - 1, h - 1, (2 * w - 2 - W) / 2, h - 1, w - 1,
         (2 * h - 2 - H) / 2},
        // bottom side
        {false, w - 2, h - 2, 0, h - 2, 0, 0, 0, 0},
        // lower-left corner, lower half
        {true, -1, h - 1 - H, W - 1, h - 1, 0, h - 1, (W - 2) / 2, h - 1},
    };
    const int previous = SetArcDirection(dc, AD_COUNTERCLOCKWISE);
    for (const Element& e : half == FX_LIGHT_HALF ? light : dark) DrawElement(dc, e);
    SetArcDirection(dc, previous);
}
