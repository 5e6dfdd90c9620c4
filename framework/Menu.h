// A menu. A loaded or created menu is destroyed with the object; an attached
// one (a window's system menu, a sub-menu) is only borrowed.
#pragma once

#include <windows.h>

#include <string>

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    ~CMenu() { DestroyMenu(); }

    BOOL LoadMenu(UINT resourceId);
    BOOL CreatePopupMenu();
    // Borrows a menu that someone else owns.
    void Attach(HMENU hMenu);
    HMENU Detach();
    BOOL DestroyMenu();

    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, const char* text = nullptr) {
        return ::AppendMenuA(m_hMenu, flags, idOrPopup, text);
    }
    HMENU GetSubMenu(int position) const { return ::GetSubMenu(m_hMenu, position); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
    // flags: MF_BYCOMMAND or MF_BYPOSITION.
    std::string GetMenuString(UINT item, UINT flags) const;
    UINT GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND hOwner) const {
        return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, hOwner, nullptr);
    }

private:
    HMENU m_hMenu = nullptr;
    bool m_bOwned = false;
};
