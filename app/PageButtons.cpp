#include "app/PageButtons.h"

#include "res/resource.h"
#include "ui/controls/FxButton.h"

namespace {
const COLORREF kKeyMagenta = RGB(255, 0, 255);
const COLORREF kCaptionBlue = RGB(12, 62, 113);
const UINT kCentredAtTop = DT_CENTER | DT_SINGLELINE;                   // 33
const UINT kCentredCaption = DT_CENTER | DT_VCENTER | DT_SINGLELINE;    // 37
const int kCaptionHeight = 14;
}  // namespace

const PageButtonLook kDownloaderPageButtonLook = {IDB_DOWNLOADER_NORMAL, IDB_DOWNLOADER_HOT,
                                                  IDB_DOWNLOADER_DISABLED, "YouTube Download"};
const PageButtonLook kPlayerPageButtonLook = {IDB_PLAYER_NORMAL, IDB_PLAYER_HOT, IDB_PLAYER_DISABLED,
                                              "Video Player"};

void SetPageButtonPictures(CFxButton& button, const PageButtonLook& look)
{
    // The button-face colour makes the other states take the normal state's key.
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    button.SetBitmaps(look.normalBitmap, look.normalBitmap, look.hotBitmap, look.disabledBitmap);
    button.SetImageKeyColors(kKeyMagenta, face, face, face);
    button.SetImageShift(FALSE);
    button.SetBorderWidth(0);
    button.m_bUnclippedCopy = FALSE;
    button.SetShapeKeyColors(kKeyMagenta, face, face, face);
    button.SetImageAlign(kCentredAtTop);
    button.m_bDrawText = TRUE;
}

void InitPageButton(CFxButton& button)
{
    button.InitButton(nullptr, 1, FXL_FOCUS, FALSE);
}

void SetPageButtonCaption(CFxButton& button, const PageButtonLook& look)
{
    // The button-text colour makes pressed and hot take the normal colour;
    // the grey-text colour keeps the disabled default.
    button.m_bUseDisabledImage = FALSE;
    button.SetFontName("Arial", TRUE, "", "", "");
    button.SetButtonText(look.caption, TRUE, "", "", "");
    button.SetFontHeight(kCaptionHeight);
    button.SetTextColors(kCaptionBlue, ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNTEXT),
                         ::GetSysColor(COLOR_GRAYTEXT));
    button.SetTextFormat(kCentredCaption);
}

void ConfigurePageButton(CFxButton& button, const PageButtonLook& look)
{
    SetPageButtonPictures(button, look);
    InitPageButton(button);
    SetPageButtonCaption(button, look);
}
