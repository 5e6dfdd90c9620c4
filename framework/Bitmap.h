// A GDI bitmap that deletes itself.
#pragma once

#include "framework/GdiObject.h"
#include "framework/Size.h"

class CDC;

class CBitmap : public CGdiObject {
public:
    // The bitmap resource with that id from ResourceModule().
    BOOL LoadBitmap(UINT resourceId);
    BOOL CreateCompatibleBitmap(CDC* pDC, int width, int height);
    BOOL CreateCompatibleBitmap(HDC hDC, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* pBits);

    int GetBitmap(BITMAP* pInfo) const { return GetObject(sizeof(BITMAP), pInfo); }
    // Width and height in pixels; 0, 0 without a bitmap.
    CSize GetSize() const;

    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
