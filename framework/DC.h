// A device context. Wrapping a handle that someone else owns (a message's
// device context) borrows it; CreateCompatibleDC makes a memory device
// context that this object deletes. CPaintDC, CClientDC and CMemoryDC are the
// other ways to get one.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Point.h"
#include "framework/Rect.h"
#include "framework/Size.h"

class CRgn;
class CGdiObject;

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC borrowed) : m_hDC(borrowed) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    // A memory device context compatible with another (null: the screen).
    BOOL CreateCompatibleDC(CDC* pDC) { return CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr); }
    BOOL CreateCompatibleDC(HDC hDC);
    // Deletes a memory device context made by CreateCompatibleDC.
    BOOL DeleteDC();
    // Borrowing: the caller keeps ownership.
    void Attach(HDC hDC);
    HDC Detach();

    // Selection. Returns the previously selected object.
    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    HGDIOBJ SelectObject(const CGdiObject& object);
    HGDIOBJ SelectStockObject(int index) { return ::SelectObject(m_hDC, ::GetStockObject(index)); }
    // Null removes the clipping region.
    int SelectClipRgn(const CRgn* pRgn);
    int SelectClipRgn(HRGN hRgn) { return ::SelectClipRgn(m_hDC, hRgn); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }

    // Attributes.
    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }

    // Pixels and copies.
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
    BOOL BitBlt(int x, int y, int w, int h, const CDC* pSrc, int xSrc, int ySrc, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, w, h, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, rop);
    }
    BOOL StretchBlt(int x, int y, int w, int h, const CDC* pSrc, int xSrc, int ySrc, int wSrc, int hSrc,
                    DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, w, h, pSrc ? pSrc->m_hDC : nullptr, xSrc, ySrc, wSrc, hSrc, rop);
    }
    BOOL AlphaBlend(int x, int y, int w, int h, const CDC* pSrc, int xSrc, int ySrc, int wSrc, int hSrc,
                    BLENDFUNCTION blend);

    // Lines and shapes.
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
        return ::Arc(m_hDC, l, t, r, b, x1, y1, x2, y2);
    }
    BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
    BOOL RoundRect(int l, int t, int r, int b, int w, int h) { return ::RoundRect(m_hDC, l, t, r, b, w, h); }
    int FillRect(const RECT* pRect, HBRUSH hBrush) { return ::FillRect(m_hDC, pRect, hBrush); }
    BOOL FillRgn(const CRgn* pRgn, HBRUSH hBrush);
    // An opaque fill in one colour; the background colour is left changed, as
    // by the system's own opaque text-out.
    void FillSolidRect(const RECT* pRect, COLORREF colour);
    BOOL DrawFocusRect(const RECT* pRect) { return ::DrawFocusRect(m_hDC, pRect); }
    BOOL DrawFrameControl(RECT* pRect, UINT type, UINT state) {
        return ::DrawFrameControl(m_hDC, pRect, type, state);
    }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

    // Text.
    BOOL TextOut(int x, int y, const char* text, int length) { return ::TextOutA(m_hDC, x, y, text, length); }
    BOOL TextOut(int x, int y, const std::string& text) {
        return TextOut(x, y, text.c_str(), static_cast<int>(text.size()));
    }
    int DrawText(const char* text, int length, RECT* pRect, UINT format) {
        return ::DrawTextA(m_hDC, text, length, pRect, format);
    }
    int DrawText(const std::string& text, RECT* pRect, UINT format) {
        return DrawText(text.c_str(), static_cast<int>(text.size()), pRect, format);
    }
    CSize GetTextExtent(const char* text, int length) const;
    CSize GetTextExtent(const std::string& text) const {
        return GetTextExtent(text.c_str(), static_cast<int>(text.size()));
    }

protected:
    enum class Release { None, Delete };
    HDC m_hDC = nullptr;
    Release m_release = Release::None;
};
