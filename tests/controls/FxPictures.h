// Small pictures for the skinned-button tests, drawn from rows of letters.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The colour a letter stands for in a picture:
//   '.' magenta key   'f' button face   '#' dark blue   'r' red   'g' green
//   'w' white         'k' black         'y' yellow
COLORREF PictureColor(char letter);

// An empty 24-bit top-down DIB section; bits receives its pixels.
HBITMAP MakeCanvas(int width, int height, void** bits);

// A 24-bit top-down DIB section of the rows (all rows of equal length).
HBITMAP MakePicture(const std::vector<std::string>& rows);

// A bitmap selected into a memory device context, both released together.
class PictureDC {
public:
    explicit PictureDC(HBITMAP bitmap);
    explicit PictureDC(const std::vector<std::string>& rows) : PictureDC(MakePicture(rows)) {}
    ~PictureDC();
    PictureDC(const PictureDC&) = delete;
    PictureDC& operator=(const PictureDC&) = delete;

    HDC dc() const { return m_dc; }
    HBITMAP bitmap() const { return m_bitmap; }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// The pixels of the region within a width x height area as rows of letters:
// '#' inside, '.' outside.
std::vector<std::string> RegionMask(HRGN region, int width, int height);

// The opaque-pixel mask a picture should give: '.' where the letter's colour
// is one of the keys, '#' elsewhere.
std::vector<std::string> ExpectedMask(const std::vector<std::string>& rows, COLORREF key,
                                      COLORREF key2);
