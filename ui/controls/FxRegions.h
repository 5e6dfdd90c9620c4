// Regions made from the opaque pixels of a picture.
#pragma once

#include <windows.h>

// A new region holding exactly the pixels of the width x height area at
// (0, 0) of the device context whose colour equals neither key; one
// rectangle per maximal run of such pixels within a row. The caller owns the
// region. Returns null only when the system cannot create a region.
HRGN RegionFromBitmap(HDC dc, int width, int height, COLORREF key, COLORREF key2);
