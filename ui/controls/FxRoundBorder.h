// The outline figure of a button with rounded corners.
#pragma once

#include <windows.h>

// Which half of the figure: the light half runs from the lower-left corner
// over the left and top sides to the upper-right corner, the dark half from
// there over the right and bottom sides back to the lower-left corner.
enum FxFigureHalf { FX_LIGHT_HALF, FX_DARK_HALF };

// Draws one half of the outline of the client rectangle (0, 0, width,
// height) with corner ellipses of cornerWidth x cornerHeight, using the pen
// selected into the device context. Arcs run counter-clockwise from their
// start point to their end point; lines include their start and exclude
// their end.
void DrawRoundFigure(HDC dc, FxFigureHalf half, int width, int height, int cornerWidth,
                     int cornerHeight);
