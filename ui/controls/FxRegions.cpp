#include "ui/controls/FxRegions.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Runs are collected first and turned into a region in chunks: one
// ExtCreateRegion per chunk is far cheaper than one union per run, and the
// chunk bound stays below what older systems accept in one call.
constexpr size_t kRectsPerChunk = 2000;

HRGN RegionFromRects(const RECT* rects, size_t count) {
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    SetRectEmpty(&data->rdh.rcBound);
    for (size_t i = 0; i < count; ++i) UnionRect(&data->rdh.rcBound, &data->rdh.rcBound, &rects[i]);
    if (count > 0) memcpy(data->Buffer, rects, count * sizeof(RECT));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

}  // namespace

HRGN RegionFromBitmap(HDC dc, int width, int height, COLORREF key, COLORREF key2) {
    std::vector<RECT> runs;
    runs.reserve(40);
    for (int y = height - 1; y >= 0; --y) {
        int x = 0;
        while (x < width) {
            while (x < width) {
                const COLORREF c = GetPixel(dc, x, y);
                if (c != key && c != key2) break;
                ++x;
            }
            const int start = x;
            while (x < width) {
                const COLORREF c = GetPixel(dc, x, y);
                if (c == key || c == key2) break;
                ++x;
            }
            if (x > start) runs.push_back(RECT{start, y, x, y + 1});
        }
    }

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (size_t first = 0; region && first < runs.size(); first += kRectsPerChunk) {
        const size_t count = std::min(kRectsPerChunk, runs.size() - first);
        HRGN chunk = RegionFromRects(&runs[first], count);
        if (!chunk) {
            DeleteObject(region);
            return nullptr;
        }
        CombineRgn(region, region, chunk, RGN_OR);
        DeleteObject(chunk);
    }
    return region;
}
