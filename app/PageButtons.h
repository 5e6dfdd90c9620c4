// The look of the main window's two page buttons: skinned buttons with the
// program's bitmaps, a caption in Arial and no focus rectangle.
#pragma once

#include <windows.h>

class CFxButton;

struct PageButtonLook {
    UINT normalBitmap;    // normal and pressed
    UINT hotBitmap;       // while the mouse is over it
    UINT disabledBitmap;  // disabled, and normal while its page is hidden
    const char* caption;
};

extern const PageButtonLook kDownloaderPageButtonLook;
extern const PageButtonLook kPlayerPageButtonLook;

// The configuration up to the set-up: pictures, their keys and alignment.
void SetPageButtonPictures(CFxButton& button, const PageButtonLook& look);
// The one-off set-up, as the page buttons take it.
void InitPageButton(CFxButton& button);
// The configuration after the set-up: font, caption, colours and format.
void SetPageButtonCaption(CFxButton& button, const PageButtonLook& look);
// All of it, in that order.
void ConfigurePageButton(CFxButton& button, const PageButtonLook& look);
