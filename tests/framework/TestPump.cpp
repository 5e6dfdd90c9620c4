#include "tests/framework/TestPump.h"

#include "framework/MessageLoop.h"

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = ::GetTickCount();
    for (;;) {
        PumpWaitingMessages();
        if (done()) return true;
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    }
}

void PumpPending() {
    // Twice: handling a message may post or invalidate more.
    PumpWaitingMessages();
    PumpWaitingMessages();
}
