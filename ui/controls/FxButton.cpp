// CFxButton: attaching to the control, the defaults, and the setters.
#include "ui/controls/FxButton.h"

#include "framework/ClientDC.h"

IMPLEMENT_RUNTIME_CLASS(CFxButton, CButton)

namespace {

// The font whose face and height become the caption's defaults: the
// control's own, or the dialog default font for a control that has none.
LOGFONTA CaptionFontOf(HWND hWnd) {
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA lf = {};
    ::GetObjectA(font, sizeof lf, &lf);
    return lf;
}

// The kind of button from the low byte of its style: a check box when
// (low AND 3) = 3, a radio button when (low AND 9) = 9, else a push button.
int KindOfStyle(DWORD style) {
    const DWORD low = style & 0xFF;
    int kind = FXT_PUSH;
    if ((low & 3) == 3) kind = FXT_CHECK;
    if ((low & 9) == 9) kind = FXT_RADIO;
    return kind;
}

const int kPushEdges[FX_STATE_COUNT] = {FXE_RAISED, FXE_SUNKEN, FXE_RAISED, FXE_RAISED};
const int kFlatEdges[FX_STATE_COUNT] = {FXE_FLAT, FXE_FLAT, FXE_FLAT, FXE_FLAT};

constexpr UINT kPushTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;  // 37
constexpr UINT kCheckTextFormat = DT_VCENTER | DT_SINGLELINE;             // 36
constexpr UINT kDefaultImageAlign = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

}  // namespace

CFxButton::CFxButton() = default;

// The members go in the reverse of their declaration order: the tooltip,
// the background and shape record, the captions, the picture record (each
// device context before the bitmap selected into it); the window last, in
// the base class.
CFxButton::~CFxButton() = default;

void CFxButton::PreSubclassWindow() {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);

    const DWORD style = GetStyle();
    m_nType = KindOfStyle(style);
    m_bPushLike = (style & BS_PUSHLIKE) != 0;
    m_bLeftText = (style & BS_LEFTTEXT) != 0;

    // Input state.
    m_bChecked = FALSE;
    m_bLButtonDown = FALSE;
    m_bFocused = FALSE;
    m_bDragEntered = FALSE;
    m_bHot = FALSE;
    m_bTracking = FALSE;

    const LOGFONTA font = CaptionFontOf(m_hWnd);
    const std::string caption = GetWindowText();
    const bool pushLook = HasPushLook();

    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        m_bImageRgnReady[i] = FALSE;
        m_bShapeRgnReady[i] = FALSE;

        m_pImage[i] = nullptr;
        m_rcImage[i].SetRectEmpty();
        m_crImageKey[i] = face;
        m_crImageKey2[i] = face;
        m_pImageDC[i] = nullptr;
        m_nImageAlign[i] = kDefaultImageAlign;
        m_szImage[i] = CSize();
        m_pImageRgn[i] = nullptr;
        m_bImageShift[i] = TRUE;
        m_bImageKey[i] = FALSE;
        m_nImageAlpha[i] = 255;

        m_strText[i] = caption;
        m_strFontName[i] = font.lfFaceName;
        m_nFontHeight[i] = font.lfHeight;
        m_crText[i] = text;
        m_nTextFormat[i] = pushLook ? kPushTextFormat : kCheckTextFormat;
        m_nFontStyle[i] = 0;
        m_rcText[i].SetRectEmpty();
        m_bTextShift[i] = TRUE;

        m_nEdge[i] = pushLook ? kPushEdges[i] : kFlatEdges[i];
        m_nBorderWidth[i] = 2;
        m_bEdgeFromBack[i] = TRUE;

        m_crShapeKey[i] = face;
        m_crShapeKey2[i] = face;
        m_bShapeInvert[i] = FALSE;
        m_bShape[i] = FALSE;
        m_pShapeRgn[i] = nullptr;

        m_crBack[i] = face;
        m_bDrawBack[i] = TRUE;
    }
    m_crText[FxIndex(FXS_DISABLED)] = grey;
    m_bDrawImage = FALSE;
    m_bDrawText = TRUE;
    m_bDrawBorder = TRUE;

    m_nRoundWidth = 0;
    m_nRoundHeight = 0;
    m_bBackShift = TRUE;
    m_rcCheckBox.SetRect(0, 0, 13, 13);
    m_bUnclippedCopy = TRUE;

    m_bReady = FALSE;
    for (int c = 0; c < 3; ++c) {
        m_nBackTint[c] = 0;
        m_nTextTint[c] = 0;
    }
    m_nFocusFontStyle = 0;
    m_nFocusFontDelta = 0;
    m_nFocusAlphaDelta = 0;
    m_bFocusTint = TRUE;
    m_bDrawFocus = TRUE;
    m_hCursor = nullptr;

    // Owner-drawn from now on. The type bits are replaced, the other bits of
    // the low byte kept; for push, default push, automatic check box and
    // automatic radio button this equals OR-ing in BS_OWNERDRAW, and every
    // other type becomes owner-drawn too.
    SendMessage(BM_SETSTYLE, (style & 0xF0) | BS_OWNERDRAW, TRUE);

    GetClientRect(&m_rcClient);
    m_rcFocus = m_rcClient;
    m_rcFocus.DeflateRect(3, 3);

    CButton::PreSubclassWindow();
}

// --- Helpers -------------------------------------------------------------------

void CFxButton::RepaintIfReady() {
    if (m_bReady && m_hWnd) Invalidate(TRUE);
}

void CFxButton::SetAllDrawBack(BYTE draw) {
    for (BYTE& d : m_bDrawBack) d = draw;
    RepaintIfReady();
}

int CFxButton::LargestBorderWidth() const {
    int largest = m_nBorderWidth[0];
    for (int w : m_nBorderWidth) largest = w > largest ? w : largest;
    return largest;
}

int CFxButton::EdgeShift(int index) const {
    switch (m_nEdge[index]) {
    case FXE_RAISED: return -1;
    case FXE_SUNKEN: return 1;
    default: return 0;
    }
}

CBitmap* CFxButton::ImageOf(int index) const {
    return index == 0 && m_bUseDisabledImage ? m_pImage[FxIndex(FXS_DISABLED)] : m_pImage[index];
}

CDC* CFxButton::ImageDCOf(int index) const {
    return index == 0 && m_bUseDisabledImage ? m_pImageDC[FxIndex(FXS_DISABLED)] : m_pImageDC[index];
}

int CFxButton::ImageAlphaOf(int index) const {
    return index == 0 && m_bUseDisabledImage ? m_nImageAlpha[FxIndex(FXS_DISABLED)] : m_nImageAlpha[index];
}

// --- Setters -------------------------------------------------------------------

void CFxButton::SetBitmaps(UINT normal, UINT pressed, UINT hot, UINT disabled) {
    const UINT ids[FX_STATE_COUNT] = {normal, pressed, hot, disabled};
    CClientDC screen(m_hWnd);
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        m_bDrawImage = TRUE;
        // A second call replaces the pictures: the device context lets go of
        // the old bitmap before the bitmap goes.
        m_dcImage[i].DeleteDC();
        m_pImageDC[i] = nullptr;
        m_pImage[i] = nullptr;
        m_szImage[i] = CSize();
        if (!m_bmpImage[i].LoadBitmap(ids[i])) continue;  // the state has no picture
        const CSize size = m_bmpImage[i].GetSize();
        if (size.cx <= 0 || size.cy <= 0 || !m_dcImage[i].CreateCompatibleDC(&screen)) {
            m_bmpImage[i].DeleteObject();
            continue;
        }
        m_szImage[i] = size;
        m_pImage[i] = &m_bmpImage[i];
        m_dcImage[i].SelectObject(m_bmpImage[i]);
        m_pImageDC[i] = &m_dcImage[i];
    }
}

void CFxButton::TakeKeyColors(COLORREF (&target)[FX_STATE_COUNT], COLORREF normal, COLORREF pressed,
                              COLORREF hot, COLORREF disabled) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF given[FX_STATE_COUNT] = {normal, pressed, hot, disabled};
    target[0] = normal;
    for (int i = 1; i < FX_STATE_COUNT; ++i) target[i] = given[i] == face ? normal : given[i];
}

void CFxButton::SetImageKeyColors(COLORREF normal, COLORREF pressed, COLORREF hot, COLORREF disabled) {
    TakeKeyColors(m_crImageKey, normal, pressed, hot, disabled);
    for (BYTE& on : m_bImageKey) on = TRUE;
    RepaintIfReady();
}

void CFxButton::SetShapeKeyColors(COLORREF normal, COLORREF pressed, COLORREF hot, COLORREF disabled) {
    TakeKeyColors(m_crShapeKey, normal, pressed, hot, disabled);
    for (BYTE& on : m_bShape) on = TRUE;
    RepaintIfReady();
}

void CFxButton::SetTextColors(COLORREF normal, COLORREF pressed, COLORREF hot, COLORREF disabled) {
    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    m_crText[FxIndex(FXS_NORMAL)] = normal;
    m_crText[FxIndex(FXS_PRESSED)] = pressed == text ? normal : pressed;
    m_crText[FxIndex(FXS_HOT)] = hot == text ? normal : hot;
    if (disabled != ::GetSysColor(COLOR_GRAYTEXT)) m_crText[FxIndex(FXS_DISABLED)] = disabled;
    RepaintIfReady();
}

void CFxButton::TakeStrings(std::string (&target)[FX_STATE_COUNT], const char* normal, BOOL fillEmpty,
                            const char* pressed, const char* hot, const char* disabled) {
    const char* given[FX_STATE_COUNT] = {normal, pressed, hot, disabled};
    const std::string normalText = normal ? normal : "";
    for (int i = 0; i < FX_STATE_COUNT; ++i) {
        const bool empty = !given[i] || !*given[i];
        if (!empty) target[i] = given[i];
        else if (fillEmpty) target[i] = normalText;
    }
}

void CFxButton::SetButtonText(const char* normal, BOOL fillEmpty, const char* pressed, const char* hot,
                              const char* disabled) {
    TakeStrings(m_strText, normal, fillEmpty, pressed, hot, disabled);
    RepaintIfReady();
}

void CFxButton::SetFontName(const char* normal, BOOL fillEmpty, const char* pressed, const char* hot,
                            const char* disabled) {
    TakeStrings(m_strFontName, normal, fillEmpty, pressed, hot, disabled);
    RepaintIfReady();
}

void CFxButton::SetImageShift(BOOL shift) {
    for (BYTE& s : m_bImageShift) s = shift ? TRUE : FALSE;
    RepaintIfReady();
}

void CFxButton::SetBorderWidth(int width) {
    for (int& w : m_nBorderWidth) w = width;
    RepaintIfReady();
}

void CFxButton::SetImageAlign(UINT align) {
    for (UINT& a : m_nImageAlign) a = align;
    RepaintIfReady();
}

void CFxButton::SetFontHeight(int height) {
    for (int& h : m_nFontHeight) h = height;
    RepaintIfReady();
}

void CFxButton::SetTextFormat(UINT format) {
    for (UINT& f : m_nTextFormat) f = format;
    RepaintIfReady();
}
