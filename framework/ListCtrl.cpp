#include "framework/ListCtrl.h"

#include <vector>

#include "framework/ImageList.h"

IMPLEMENT_RUNTIME_CLASS(CListCtrl, CWnd)

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width) {
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
    col.fmt = format;
    col.pszText = const_cast<char*>(heading);
    col.iSubItem = column;
    if (width >= 0) {
        col.mask |= LVCF_WIDTH;
        col.cx = width;
    }
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&col)));
}

BOOL CListCtrl::GetColumn(int column, LVCOLUMNA* pColumn) const {
    return static_cast<BOOL>(SendMessage(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(pColumn)));
}

int CListCtrl::InsertItem(int item, const char* text, int image) {
    LVITEMA it = {};
    it.mask = LVIF_TEXT;
    it.iItem = item;
    it.pszText = const_cast<char*>(text);
    if (image >= 0) {
        it.mask |= LVIF_IMAGE;
        it.iImage = image;
    }
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const char* text) {
    LVITEMA it = {};
    it.iSubItem = subItem;
    it.pszText = const_cast<char*>(text);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&it)));
}

std::string CListCtrl::GetItemText(int item, int subItem) const {
    // Grows the buffer until the text fits with room to spare.
    for (size_t size = 256;; size *= 4) {
        std::vector<char> buffer(size, '\0');
        LVITEMA it = {};
        it.iSubItem = subItem;
        it.pszText = buffer.data();
        it.cchTextMax = static_cast<int>(size);
        int length = static_cast<int>(SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&it)));
        if (length < static_cast<int>(size) - 1 || size >= (1u << 20))
            return std::string(buffer.data(), static_cast<size_t>(length > 0 ? length : 0));
    }
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
    LVITEMA it = {};
    it.mask = LVIF_PARAM;
    it.iItem = item;
    it.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
    LVITEMA it = {};
    it.mask = LVIF_PARAM;
    it.iItem = item;
    if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return 0;
    return static_cast<DWORD_PTR>(it.lParam);
}

BOOL CListCtrl::SetItemImage(int item, int image) {
    LVITEMA it = {};
    it.mask = LVIF_IMAGE;
    it.iItem = item;
    it.iImage = image;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&it)));
}

int CListCtrl::GetItemImage(int item) const {
    LVITEMA it = {};
    it.mask = LVIF_IMAGE;
    it.iItem = item;
    if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&it))) return -1;
    return it.iImage;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
    LVITEMA it = {};
    it.state = state;
    it.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&it)));
}

int CListCtrl::FindItemByData(DWORD_PTR data, int start) const {
    LVFINDINFOA find = {};
    find.flags = LVFI_PARAM;
    find.lParam = static_cast<LPARAM>(data);
    return static_cast<int>(SendMessage(LVM_FINDITEMA, start, reinterpret_cast<LPARAM>(&find)));
}

HIMAGELIST CListCtrl::SetImageList(CImageList* pImageList, int type) {
    return reinterpret_cast<HIMAGELIST>(SendMessage(
        LVM_SETIMAGELIST, type, reinterpret_cast<LPARAM>(pImageList ? pImageList->GetSafeHandle() : nullptr)));
}
