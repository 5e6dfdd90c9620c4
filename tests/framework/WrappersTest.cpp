// The control, menu, clipboard, dialog and resource wrappers.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/Bitmap.h"
#include "framework/Clipboard.h"
#include "framework/FileDialog.h"
#include "framework/ImageList.h"
#include "framework/ListCtrl.h"
#include "framework/Menu.h"
#include "framework/ResourceModule.h"
#include "res/resource.h"

namespace {

class ListCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&icc);
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, RECT{0, 0, 400, 300}, nullptr, 0));
        ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL,
                                  RECT{0, 0, 400, 300}, parent.m_hWnd, 1006));
        list.InsertColumn(0, "-", LVCFMT_LEFT, 20);
        list.InsertColumn(1, "Name", LVCFMT_LEFT, 200);
    }
    CWnd parent;
    CListCtrl list;
};

TEST_F(ListCtrlTest, RowsCarryTextsDataAndImages) {
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR8 | ILC_MASK, 2, 0));
    EXPECT_EQ(images.Add(::LoadIconA(nullptr, IDI_INFORMATION)), 0);
    EXPECT_EQ(images.Add(::LoadIconA(nullptr, IDI_ERROR)), 1);
    list.SetImageList(&images, LVSIL_SMALL);
    images.Detach();  // the list destroys it

    EXPECT_EQ(list.InsertItem(0, "", 1), 0);
    EXPECT_EQ(list.InsertItem(1, "", 0), 1);
    const std::string longName(700, 'n');  // longer than the first buffer
    EXPECT_TRUE(list.SetItemText(0, 1, "short"));
    EXPECT_TRUE(list.SetItemText(1, 1, longName.c_str()));
    EXPECT_TRUE(list.SetItemData(0, 0xDEADBEEF));
    EXPECT_TRUE(list.SetItemData(1, 42));

    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(0, 1), "short");
    EXPECT_EQ(list.GetItemText(1, 1), longName);
    EXPECT_EQ(list.GetItemText(5, 1), "");
    EXPECT_EQ(list.GetItemData(0), 0xDEADBEEFu);
    EXPECT_EQ(list.GetItemImage(0), 1);
    EXPECT_TRUE(list.SetItemImage(0, 0));
    EXPECT_EQ(list.GetItemImage(0), 0);

    EXPECT_EQ(list.FindItemByData(42), 1);
    EXPECT_EQ(list.FindItemByData(7), -1);

    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), -1);
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 1);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(list.FindItemByData(42), 0);
    DWORD styles = list.GetExtendedStyle();
    list.SetExtendedStyle(styles | LVS_EX_GRIDLINES);
    EXPECT_EQ(list.GetExtendedStyle(), styles | LVS_EX_GRIDLINES);
}

TEST(ResourceTest, MenuBitmapAndStringsComeFromTheResources) {
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TASK_MENU));
    CMenu popup;
    popup.Attach(menu.GetSubMenu(0));
    ASSERT_EQ(popup.GetMenuItemCount(), 5);
    const struct {
        UINT id;
        const char* text;
    } items[] = {{ID_TASK_PLAY, "&Play"}, {0, ""}, {ID_TASK_RETRY, "&Retry"}, {ID_TASK_DELETE, "&Delete Task"},
                 {ID_TASK_DELETE_FILE, "Delete Task&&&File"}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(popup.GetMenuItemID(i), items[i].id) << i;
        EXPECT_EQ(popup.GetMenuString(i, MF_BYPOSITION), items[i].text) << i;
    }
    popup.Detach();

    CBitmap background;
    ASSERT_TRUE(background.LoadBitmap(IDB_BACKGROUND));
    EXPECT_EQ(background.GetSize(), CSize(778, 550));
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4242));

    char text[64];
    EXPECT_STREQ(LoadResourceString(IDS_ABOUTBOX, text, sizeof(text)), "About Quillon(&A)...");
    EXPECT_STREQ(LoadResourceString(4242, text, sizeof(text)), "");
}

TEST(SystemMenuTest, ItemsAppendedToTheSystemMenuAreThere) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "sys", WS_POPUP | WS_CAPTION | WS_SYSMENU, RECT{0, 0, 100, 100}, nullptr, 0));
    CMenu sys;
    sys.Attach(wnd.GetSystemMenu(FALSE));
    ASSERT_NE(sys.GetSafeHmenu(), nullptr);
    int before = sys.GetMenuItemCount();
    sys.AppendMenu(MF_SEPARATOR);
    sys.AppendMenu(MF_STRING, IDM_ABOUTBOX, "About Quillon(&A)...");
    EXPECT_EQ(sys.GetMenuItemCount(), before + 2);
    EXPECT_EQ(sys.GetMenuString(IDM_ABOUTBOX, MF_BYCOMMAND), "About Quillon(&A)...");
    // Borrowed: the object's end leaves the window's menu alone.
}

TEST(ClipboardTest, TextGoesOnAndComesBack) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "clip", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    {
        CClipboard clip;
        ASSERT_TRUE(clip.Open(owner.m_hWnd));
        EXPECT_TRUE(clip.SetText("http://www.youtube.com/watch?v=abc"));
    }
    {
        CClipboard clip;
        ASSERT_TRUE(clip.Open(owner.m_hWnd));
        EXPECT_EQ(clip.GetText(), "http://www.youtube.com/watch?v=abc");
        ::EmptyClipboard();
        EXPECT_EQ(clip.GetText(), "");
    }
    CClipboard closed;
    EXPECT_EQ(closed.GetText(), "");
}

OPENFILENAMEA g_seenOfn;
BOOL WINAPI FakeOpen(OPENFILENAMEA* p) {
    g_seenOfn = *p;
    ::lstrcpyA(p->lpstrFile, "C:\\videos\\clip.flv");
    return TRUE;
}
BOOL WINAPI FakeCancel(OPENFILENAMEA*) { return FALSE; }

TEST(FileDialogTest, PassesFilterNameAndFlagsAndReturnsThePath) {
    CFileDialog::s_pfnShowOpen = &FakeOpen;
    CFileDialog dlg(TRUE, "*.flv", "C:\\videos\\*.flv", OFN_HIDEREADONLY, "All Files (*.flv)|*.flv||");
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.GetPathName(), "C:\\videos\\clip.flv");
    const char expectedFilter[] = "All Files (*.flv)\0*.flv\0";
    ASSERT_NE(g_seenOfn.lpstrFilter, nullptr);
    EXPECT_EQ(std::string(g_seenOfn.lpstrFilter, sizeof(expectedFilter)),
              std::string(expectedFilter, sizeof(expectedFilter)));
    EXPECT_EQ(g_seenOfn.lpstrFilter[sizeof(expectedFilter)], '\0');  // the list ends with an empty entry
    EXPECT_STREQ(g_seenOfn.lpstrDefExt, "*.flv");
    EXPECT_TRUE(g_seenOfn.Flags & OFN_HIDEREADONLY);

    CFileDialog::s_pfnShowOpen = &FakeCancel;
    CFileDialog cancelled(TRUE);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    CFileDialog::s_pfnShowOpen = &::GetOpenFileNameA;
}

}  // namespace
