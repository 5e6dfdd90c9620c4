// Colour arithmetic of the skinned button: 3-D edge colours, focus tints and
// the 70 % shade used for disabled captions and silhouettes.
#pragma once

#include <windows.h>

// The two factors are single-precision constants widened to double, so that
// a channel of 10 times the dark factor truncates to 6, not 7.
constexpr double FX_DARK_FACTOR = static_cast<double>(0.7f);   // 0.699999988079071
constexpr double FX_LIGHT_FACTOR = static_cast<double>(0.4f);  // 0.4000000059604645

// One of the four colours of a 3-D edge of style FXE_FLAT, FXE_RAISED or
// FXE_SUNKEN: k = 1 outer light, 2 inner light, 3 outer dark, 4 inner dark.
// Any other style or index gives black.
COLORREF EdgeColor(COLORREF base, int style, int k);

// Each channel plus its own percentage of itself, clamped to 0..255.
COLORREF TintColor(COLORREF color, int red, int green, int blue);

// Each channel times the dark factor (70 %).
COLORREF ShadeColor(COLORREF color);
