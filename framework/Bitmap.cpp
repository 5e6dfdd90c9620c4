#include "framework/Bitmap.h"

#include "framework/DC.h"
#include "framework/ResourceModule.h"

BOOL CBitmap::LoadBitmap(UINT resourceId) {
    return Attach(::LoadBitmapA(ResourceModule(), MAKEINTRESOURCEA(resourceId)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int width, int height) {
    return CreateCompatibleBitmap(pDC ? pDC->GetSafeHdc() : nullptr, width, height);
}

BOOL CBitmap::CreateCompatibleBitmap(HDC hDC, int width, int height) {
    return Attach(::CreateCompatibleBitmap(hDC, width, height));
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* pBits) {
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, pBits));
}

CSize CBitmap::GetSize() const {
    BITMAP bm = {};
    if (!m_hObject || !GetBitmap(&bm)) return CSize();
    return CSize(bm.bmWidth, bm.bmHeight);
}
