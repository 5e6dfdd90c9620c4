// A list-view control (used in report view): columns, rows with texts in
// sub-items, a state image and 32-bit item data, selection.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Wnd.h"

class CImageList;

class CListCtrl : public CWnd {
    DECLARE_RUNTIME_CLASS(CListCtrl)
public:
    int InsertColumn(int column, const char* heading, int format = LVCFMT_LEFT, int width = -1);
    BOOL GetColumn(int column, LVCOLUMNA* pColumn) const;
    int GetColumnWidth(int column) const { return static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column)); }
    HWND GetHeaderCtrl() const { return reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)); }

    // Inserts a row with its first column's text; returns its index or -1.
    int InsertItem(int item, const char* text, int image = -1);
    BOOL DeleteItem(int item) { return static_cast<BOOL>(SendMessage(LVM_DELETEITEM, item)); }
    BOOL DeleteAllItems() { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }

    BOOL SetItemText(int item, int subItem, const char* text);
    std::string GetItemText(int item, int subItem) const;
    BOOL SetItemData(int item, DWORD_PTR data);
    DWORD_PTR GetItemData(int item) const;
    BOOL SetItemImage(int item, int image);
    int GetItemImage(int item) const;
    BOOL SetItemState(int item, UINT state, UINT mask);
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask));
    }
    // The next row after start (-1: from the top) with the LVNI_ flags.
    int GetNextItem(int start, int flags) const {
        return static_cast<int>(SendMessage(LVM_GETNEXTITEM, start, MAKELPARAM(flags, 0)));
    }
    // The first row after start (-1: from the top) whose item data is data, or -1.
    int FindItemByData(DWORD_PTR data, int start = -1) const;

    DWORD GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE)); }
    DWORD SetExtendedStyle(DWORD style) {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
    }
    // type: LVSIL_SMALL, LVSIL_NORMAL or LVSIL_STATE. Returns the previous list.
    HIMAGELIST SetImageList(CImageList* pImageList, int type);
    HIMAGELIST GetImageList(int type) const {
        return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, type));
    }
};
