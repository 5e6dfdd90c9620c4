#include "framework/CmdTarget.h"

const MessageMapEntry* FindMessageEntry(const MessageMap* pMap, UINT message, WPARAM wParam, LPARAM lParam) {
    UINT code = 0, id = 0;
    if (message == WM_COMMAND) {
        code = HIWORD(wParam);
        id = LOWORD(wParam);
    } else if (message == WM_NOTIFY) {
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (!pHdr) return nullptr;
        code = pHdr->code;
        id = static_cast<UINT>(pHdr->idFrom);
    }
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const MessageMapEntry* e = pMap->entries; e->message != 0; ++e) {
            if (message < e->message || message > e->lastMessage) continue;
            if (e->byIdAndCode && (e->code != code || e->id != id)) continue;
            return e;
        }
    }
    return nullptr;
}

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {MessageMapEntry{}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

bool CCmdTarget::DispatchToMap(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const MessageMapEntry* e = FindMessageEntry(GetMessageMap(), message, wParam, lParam);
    if (!e) return false;
    LRESULT r = e->thunk(this, message, wParam, lParam);
    if (pResult) *pResult = r;
    return true;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    return DispatchToMap(WM_COMMAND, MAKEWPARAM(id, code), 0, nullptr);
}
