// CFxButton: a push button, check box or radio button whose whole look is
// drawn by the program. Each of the four visual states (normal, pressed, hot,
// disabled) has its own background, picture, caption and edge style; the
// window can take the outline of the opaque pixels of its picture.
//
// Attach it to a button control by subclassing (a dialog's data exchange,
// SubclassDlgItem or SubclassWindow): attaching reads the control's style,
// text, font and size and turns it into an owner-drawn button. Then configure
// it with the Set... operations, call InitButton once, and change captions,
// fonts, colours and formats afterwards as needed (those repaint).
//
// The check state lives in m_bChecked alone; BM_SETCHECK and BM_GETCHECK
// are answered by the object. A radio button that becomes checked posts
// UM_FX_UNCHECK to the other controls of its dialog group.
//
// The data members are public: the owner sets a few of them directly
// (m_bUnclippedCopy, m_bDrawText, m_bUseDisabledImage), and those without a
// setter keep the defaults set at attach time unless a derived class or the
// owner changes them before InitButton.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Bitmap.h"
#include "framework/Button.h"
#include "framework/DC.h"
#include "framework/Font.h"
#include "framework/Rect.h"
#include "framework/Region.h"
#include "framework/Size.h"
#include "ui/controls/FxButtonDefs.h"

class CFxButton : public CButton {
    DECLARE_RUNTIME_CLASS(CFxButton)
public:
    CFxButton();
    ~CFxButton() override;

    // --- Configuration (per-state arguments: normal, pressed, hot, disabled) --
    // Loads the four bitmaps from the resource module, each into its own
    // memory device context. An id that cannot be loaded leaves that state
    // without a picture. No repaint; call once, before InitButton.
    void SetBitmaps(UINT normal, UINT pressed, UINT hot, UINT disabled);
    // Picture transparency keys; a colour equal to the current button face
    // means "the normal state's key". Turns transparency on for all states.
    void SetImageKeyColors(COLORREF normal, COLORREF pressed, COLORREF hot, COLORREF disabled);
    // Window-outline keys, the same rule; turns window shaping on.
    void SetShapeKeyColors(COLORREF normal, COLORREF pressed, COLORREF hot, COLORREF disabled);
    // Caption colours; pressed and hot equal to the button-text colour take
    // the normal colour, a disabled colour equal to grey text keeps the
    // disabled colour as it is.
    void SetTextColors(COLORREF normal, COLORREF pressed, COLORREF hot, COLORREF disabled);
    // Every non-empty string is taken; with fillEmpty the states given an
    // empty string take the normal one.
    void SetButtonText(const char* normal, BOOL fillEmpty, const char* pressed, const char* hot,
                       const char* disabled);
    void SetFontName(const char* normal, BOOL fillEmpty, const char* pressed, const char* hot,
                     const char* disabled);
    // The same value for all four states.
    void SetImageShift(BOOL shift);
    void SetBorderWidth(int width);
    void SetImageAlign(UINT align);  // DrawText-style flags; used by InitButton
    void SetFontHeight(int height);
    void SetTextFormat(UINT format);

    // --- Painting and set-up (the layers a derived class may replace) -------
    void DrawItem(LPDRAWITEMSTRUCT pDrawItem) override;
    virtual void DrawBackground(CDC* pDC, const CRect& rc, int nState);
    // Hook for a border of buttons with square corners; draws nothing here.
    virtual void DrawBorder(CDC* pDC, const CRect& rc, int nState);
    virtual void DrawImage(CDC* pDC, int nState);
    virtual void DrawButtonText(CDC* pDC, const CRect& rc, int nState);
    virtual void DrawFocus(CDC* pDC, int nState);
    // The picture region and window outline of one state, from its picture.
    virtual void BuildStateRegions(int nState);
    // Completes the configuration: lays the button out, computes the edge
    // colours and builds the regions. hBack: the parent's background picture
    // (stays the caller's), or null; nUnused has no effect; nLayerMask: FXL_
    // bits of layers to switch off (0xFFFFFFFF: none); bCheck: initial check
    // state of check boxes and radio buttons.
    virtual void InitButton(HBITMAP hBack, int nUnused, UINT nLayerMask, BOOL bCheck);

    // The outline of a button with a corner ellipse.
    void DrawRoundBorder(CDC* pDC, int nState);
    // Makes rgn exactly the pixels of the width x height area of pDC whose
    // colour equals neither key.
    static void RegionFromBitmap(CDC* pDC, CRgn& rgn, int width, int height, COLORREF key, COLORREF key2);

    // --- Input state ---------------------------------------------------------
    BYTE m_bChecked = FALSE;
    BYTE m_bLButtonDown = FALSE;
    BYTE m_bFocused = FALSE;
    BYTE m_bPushLike = FALSE;
    BYTE m_bDragEntered = FALSE;
    BOOL m_bHot = FALSE;
    BOOL m_bTracking = FALSE;
    BYTE m_bLeftText = FALSE;
    BYTE m_bImageRgnReady[FX_STATE_COUNT] = {};
    BYTE m_bShapeRgnReady[FX_STATE_COUNT] = {};
    // The region last handed to the window. Not owned: once handed over the
    // window owns it and frees it when it is replaced.
    HRGN m_rgnWindow = nullptr;

    // --- Picture record --------------------------------------------------------
    CBitmap m_bmpImage[FX_STATE_COUNT];
    CBitmap* m_pImage[FX_STATE_COUNT] = {};
    CRect m_rcImage[FX_STATE_COUNT];
    COLORREF m_crImageKey[FX_STATE_COUNT] = {};
    COLORREF m_crImageKey2[FX_STATE_COUNT] = {};
    CDC m_dcImage[FX_STATE_COUNT];  // keeps the state's bitmap selected
    CDC* m_pImageDC[FX_STATE_COUNT] = {};
    UINT m_nImageAlign[FX_STATE_COUNT] = {};
    CSize m_szImage[FX_STATE_COUNT];
    CRgn m_rgnImage[FX_STATE_COUNT];
    CRgn* m_pImageRgn[FX_STATE_COUNT] = {};
    BYTE m_bImageShift[FX_STATE_COUNT] = {};
    BYTE m_bImageKey[FX_STATE_COUNT] = {};
    BYTE m_bDrawImage = FALSE;
    int m_nImageAlpha[FX_STATE_COUNT] = {};

    // --- Caption record --------------------------------------------------------
    std::string m_strText[FX_STATE_COUNT];
    std::string m_strFontName[FX_STATE_COUNT];  // at most 31 characters are used
    int m_nFontHeight[FX_STATE_COUNT] = {};
    COLORREF m_crText[FX_STATE_COUNT] = {};
    UINT m_nTextFormat[FX_STATE_COUNT] = {};
    UINT m_nFontStyle[FX_STATE_COUNT] = {};
    CRect m_rcText[FX_STATE_COUNT];
    BYTE m_bTextShift[FX_STATE_COUNT] = {};
    BYTE m_bDrawText = FALSE;

    // --- Edges and border -------------------------------------------------------
    int m_nEdge[FX_STATE_COUNT] = {};
    int m_nBorderWidth[FX_STATE_COUNT] = {};
    COLORREF m_crEdge[FX_STATE_COUNT][4] = {};  // outer light, inner light, outer dark, inner dark
    BYTE m_bEdgeFromBack[FX_STATE_COUNT] = {};
    BYTE m_bDrawBorder = FALSE;

    // --- Background and shape record ------------------------------------------
    CBitmap m_bmpBack;  // the parent's background under the button
    int m_nRoundWidth = 0;
    int m_nRoundHeight = 0;
    BYTE m_bBackShift = FALSE;
    CRect m_rcCheckBox;
    COLORREF m_crShapeKey[FX_STATE_COUNT] = {};
    COLORREF m_crShapeKey2[FX_STATE_COUNT] = {};
    BYTE m_bShapeInvert[FX_STATE_COUNT] = {};
    BYTE m_bShape[FX_STATE_COUNT] = {};
    BYTE m_bUnclippedCopy = FALSE;
    CDC m_dcBack;  // keeps m_bmpBack selected
    CRgn m_rgnShape[FX_STATE_COUNT];
    CRgn* m_pShapeRgn[FX_STATE_COUNT] = {};

    // --- Layout, focus and the rest ---------------------------------------------
    CRect m_rcClient;
    int m_nState = FXS_NORMAL;
    int m_nType = FXT_PUSH;
    BYTE m_bReady = FALSE;
    int m_nBackTint[3] = {};
    int m_nTextTint[3] = {};
    UINT m_nFocusFontStyle = 0;
    int m_nFocusFontDelta = 0;
    int m_nFocusAlphaDelta = 0;
    CRect m_rcFocus;
    BYTE m_bFocusTint = FALSE;
    BYTE m_bDrawFocus = FALSE;
    COLORREF m_crBack[FX_STATE_COUNT] = {};
    BYTE m_bDrawBack[FX_STATE_COUNT] = {};
    HCURSOR m_hCursor = nullptr;
    // The tooltip that the mouse messages are relayed to once it has a window.
    CWnd m_ToolTip;
    BYTE m_bUseDisabledImage = FALSE;

protected:
    void PreSubclassWindow() override;

    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnEnable(BOOL bEnable);
    BOOL OnEraseBkgnd(CDC* pDC);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnUncheck(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // Drawn like a push button: push buttons and push-like check boxes and
    // radio buttons.
    bool HasPushLook() const { return m_nType == FXT_PUSH || m_bPushLike; }
    bool HasCornerEllipse() const { return m_nRoundWidth != 0 || m_nRoundHeight != 0; }
    bool IsFocusTinted() const { return m_bFocused && m_bFocusTint; }
    int LargestBorderWidth() const;
    // How far a state's contents move with its edge style.
    int EdgeShift(int index) const;

    // The state's picture after the disabled-image substitution of the
    // normal state.
    CBitmap* ImageOf(int index) const;
    CDC* ImageDCOf(int index) const;
    int ImageAlphaOf(int index) const;

    void RepaintIfReady();
    void SetAllDrawBack(BYTE draw);
    static void TakeStrings(std::string (&target)[FX_STATE_COUNT], const char* normal, BOOL fillEmpty,
                            const char* pressed, const char* hot, const char* disabled);
    void TakeKeyColors(COLORREF (&target)[FX_STATE_COUNT], COLORREF normal, COLORREF pressed, COLORREF hot,
                       COLORREF disabled);

    // Set-up steps of InitButton.
    void TakeBackground(HBITMAP hBack);
    void ComputeEdgeColors();
    void LayoutCaption();
    void PlaceImages();
    void ShapeCorners();
    void ShareRegions();
    void ApplyLayerMask(UINT nLayerMask);

    // The caption font of a state as it is drawn now (focus style and delta
    // included).
    void CreateCaptionFont(CFont& font, int index) const;
    // The window region of a state, handed to the window or removed.
    void ApplyWindowShape(int index);

    bool IsButtonAt(POINT screenPoint) const;
    void RelayToToolTip(UINT message, UINT nFlags, CPoint point);
    void RequestHoverTracking();
    void UncheckGroup();
};
