#include "framework/Menu.h"

#include "framework/ResourceModule.h"

BOOL CMenu::LoadMenu(UINT resourceId) {
    DestroyMenu();
    m_hMenu = ::LoadMenuA(ResourceModule(), MAKEINTRESOURCEA(resourceId));
    m_bOwned = m_hMenu != nullptr;
    return m_bOwned;
}

BOOL CMenu::CreatePopupMenu() {
    DestroyMenu();
    m_hMenu = ::CreatePopupMenu();
    m_bOwned = m_hMenu != nullptr;
    return m_bOwned;
}

void CMenu::Attach(HMENU hMenu) {
    DestroyMenu();
    m_hMenu = hMenu;
    m_bOwned = false;
}

HMENU CMenu::Detach() {
    HMENU h = m_hMenu;
    m_hMenu = nullptr;
    m_bOwned = false;
    return h;
}

BOOL CMenu::DestroyMenu() {
    BOOL ok = FALSE;
    if (m_hMenu && m_bOwned) ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    m_bOwned = false;
    return ok;
}

std::string CMenu::GetMenuString(UINT item, UINT flags) const {
    char text[256] = {};
    int n = ::GetMenuStringA(m_hMenu, item, text, sizeof(text), flags);
    return std::string(text, n > 0 ? static_cast<size_t>(n) : 0);
}
