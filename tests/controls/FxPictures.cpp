#include "tests/controls/FxPictures.h"

#include <cstring>

COLORREF PictureColor(char letter) {
    switch (letter) {
    case '.': return RGB(255, 0, 255);
    case 'f': return GetSysColor(COLOR_BTNFACE);
    case '#': return RGB(12, 62, 113);
    case 'r': return RGB(255, 0, 0);
    case 'g': return RGB(0, 160, 0);
    case 'w': return RGB(255, 255, 255);
    case 'k': return RGB(0, 0, 0);
    case 'y': return RGB(255, 255, 0);
    }
    return RGB(128, 128, 128);
}

HBITMAP MakeCanvas(int width, int height, void** bits) {
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

HBITMAP MakePicture(const std::vector<std::string>& rows) {
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows[0].size()) : 0;
    void* bits = nullptr;
    HBITMAP bitmap = MakeCanvas(width, height, &bits);
    const int stride = (width * 3 + 3) & ~3;
    auto* bytes = static_cast<BYTE*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = PictureColor(rows[y][x]);
            BYTE* p = bytes + y * stride + x * 3;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    return bitmap;
}

PictureDC::PictureDC(HBITMAP bitmap)
    : m_dc(CreateCompatibleDC(nullptr)), m_bitmap(bitmap), m_old(SelectObject(m_dc, bitmap)) {}

PictureDC::~PictureDC() {
    SelectObject(m_dc, m_old);
    DeleteDC(m_dc);
    DeleteObject(m_bitmap);
}

std::vector<std::string> RegionMask(HRGN region, int width, int height) {
    std::vector<std::string> rows(height, std::string(width, '.'));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (region && PtInRegion(region, x, y)) rows[y][x] = '#';
    return rows;
}

std::vector<std::string> ExpectedMask(const std::vector<std::string>& rows, COLORREF key,
                                      COLORREF key2) {
    std::vector<std::string> mask = rows;
    for (auto& row : mask)
        for (auto& ch : row) {
            const COLORREF c = PictureColor(ch);
            ch = (c == key || c == key2) ? '.' : '#';
        }
    return mask;
}
