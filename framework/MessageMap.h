// Message maps: how a class routes window messages, commands and
// notifications to its handlers.
//
// Each class that handles messages has one static table of entries and a link
// to its base class's table. A message is looked up in the class's own table,
// then in its base's, and so on; the first matching entry handles it. A class
// declares its map in the class body and fills it in its .cpp file:
//
//   class DownloaderDlg : public CDialog {
//       ...
//       void OnTimer(UINT_PTR nIDEvent);                 // typed: WM_TIMER
//       LRESULT OnTaskTitle(WPARAM wParam, LPARAM lParam);  // raw message
//       void OnBrowse();                                 // command (BN_CLICKED)
//       void OnSetFocusUrl();                            // control code
//       void OnDblClkTasks(NMHDR* pNotify, LRESULT* pResult);
//       HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
//       DECLARE_MESSAGE_MAP()
//   };
//
//   BEGIN_MESSAGE_MAP(DownloaderDlg, CDialog)
//       MapMsg<WM_TIMER, &ThisClass::OnTimer>(),
//       MapMsg<UM_TASK_TITLE, &ThisClass::OnTaskTitle>(),
//       MapCommand<1005, &ThisClass::OnBrowse>(),
//       MapControl<EN_SETFOCUS, 1002, &ThisClass::OnSetFocusUrl>(),
//       MapNotify<NM_DBLCLK, 1006, &ThisClass::OnDblClkTasks>(),
//       MapCtlColor<&ThisClass::OnCtlColor>(),
//   END_MESSAGE_MAP()
//
// Entry kinds:
//   MapMsg<Msg, F>         a window message. Messages with a cracker in
//                          framework/MessageCrackers.h get typed arguments
//                          (WM_TIMER -> void OnTimer(UINT_PTR), ...); every
//                          other message is raw: LRESULT F(WPARAM, LPARAM).
//   MapRaw<Msg, F>         a window message, always raw.
//   MapCommand<Id, F>      WM_COMMAND with code 0 (menu item, BN_CLICKED): void F().
//   MapControl<Code, Id, F> WM_COMMAND from control Id with that code: void F().
//   MapNotify<Code, Id, F> WM_NOTIFY from control Id with that code:
//                          void F(NMHDR*, LRESULT* pResult); *pResult starts at 0.
//   MapCtlColor<F>         every WM_CTLCOLOR... message:
//                          HBRUSH F(CDC*, CWnd*, UINT nCtlColor /* CTLCOLOR_... */).
//   MapReflected<Msg, F>   in a control's map: a notification that its parent
//                          did not handle and handed back to the control
//                          (WM_DRAWITEM, WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR...),
//                          raw: LRESULT F(WPARAM, LPARAM), arguments as the
//                          parent received them.
//
// A handler that wants the system's processing too calls Default(), or the
// base class's handler of the same name (CWnd::OnTimer etc. call Default()).
#pragma once

#include <windows.h>

class CCmdTarget;

// Number added to a notification message when a parent hands it back to the
// control that sent it (the system's own convention for reflected messages).
constexpr UINT kReflectBase = 0x2000;
constexpr UINT ReflectedMessage(UINT message) { return kReflectBase + message; }

using MessageThunk = LRESULT (*)(CCmdTarget* pTarget, UINT message, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message = 0;      // 0 ends the table
    UINT lastMessage = 0;  // message range [message, lastMessage]
    UINT code = 0;         // notification code, for WM_COMMAND and WM_NOTIFY
    UINT id = 0;           // control or command id, for WM_COMMAND and WM_NOTIFY
    MessageThunk thunk = nullptr;
    bool byIdAndCode = false;  // only for the command or notification with this id and code
};

struct MessageMap {
    const MessageMap* (*pfnGetBaseMap)();  // null at the root
    const MessageMapEntry* entries;         // ends with a zero entry
};

// The class a member function pointer belongs to.
template <class F> struct MemberClassOf;
template <class C, class R, class... A> struct MemberClassOf<R (C::*)(A...)> { using Type = C; };

template <auto F>
inline auto* MemberTarget(CCmdTarget* p) {
    return static_cast<typename MemberClassOf<decltype(F)>::Type*>(p);
}

// Raw handler: LRESULT F(WPARAM, LPARAM).
struct RawCracker {
    template <auto F>
    static LRESULT Call(CCmdTarget* p, UINT, WPARAM w, LPARAM l) { return (MemberTarget<F>(p)->*F)(w, l); }
};

// The cracker of a window message; specialised in MessageCrackers.h.
template <UINT Msg> struct MessageCracker : RawCracker {};

template <UINT Msg, auto F>
constexpr MessageMapEntry MapMsg() {
    return {Msg, Msg, 0, 0, &MessageCracker<Msg>::template Call<F>};
}

template <UINT Msg, auto F>
constexpr MessageMapEntry MapRaw() {
    return {Msg, Msg, 0, 0, &RawCracker::template Call<F>};
}

template <UINT Msg, auto F>
constexpr MessageMapEntry MapReflected() {
    return {ReflectedMessage(Msg), ReflectedMessage(Msg), 0, 0, &RawCracker::template Call<F>};
}

struct CommandCracker {
    template <auto F>
    static LRESULT Call(CCmdTarget* p, UINT, WPARAM, LPARAM) { (MemberTarget<F>(p)->*F)(); return 0; }
};

template <UINT Id, auto F>
constexpr MessageMapEntry MapCommand() {
    return {WM_COMMAND, WM_COMMAND, 0, Id, &CommandCracker::template Call<F>, true};
}

template <UINT Code, UINT Id, auto F>
constexpr MessageMapEntry MapControl() {
    return {WM_COMMAND, WM_COMMAND, Code, Id, &CommandCracker::template Call<F>, true};
}

struct NotifyCracker {
    template <auto F>
    static LRESULT Call(CCmdTarget* p, UINT, WPARAM, LPARAM l) {
        LRESULT result = 0;
        (MemberTarget<F>(p)->*F)(reinterpret_cast<NMHDR*>(l), &result);
        return result;
    }
};

template <UINT Code, UINT Id, auto F>
constexpr MessageMapEntry MapNotify() {
    return {WM_NOTIFY, WM_NOTIFY, Code, Id, &NotifyCracker::template Call<F>, true};
}

// Finds the entry that handles a message in a map and its bases, or null.
const MessageMapEntry* FindMessageEntry(const MessageMap* pMap, UINT message, WPARAM wParam, LPARAM lParam);

// In the class body.
#define DECLARE_MESSAGE_MAP()                              \
protected:                                                 \
    static const MessageMap* GetThisMessageMap();          \
    const MessageMap* GetMessageMap() const override;

// In the .cpp file; entries are separated by commas; ThisClass names the class.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                     \
    const MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const MessageMap* theClass::GetThisMessageMap() {                               \
        using ThisClass = theClass;                                                 \
        using TheBaseClass = baseClass;                                             \
        static_assert(sizeof(ThisClass) > 0, "the class is complete");              \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                           \
            MessageMapEntry{}};                                                     \
        static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};  \
        return &map;                                                                \
    }
