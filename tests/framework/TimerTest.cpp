// Window timers reach the window's OnTimer with their id, until killed.
#include <gtest/gtest.h>

#include <vector>

#include "framework/Wnd.h"
#include "tests/framework/TestPump.h"

namespace {

class TimerWnd : public CWnd {
public:
    std::vector<UINT_PTR> ticks;

protected:
    void OnTimer(UINT_PTR id) {
        ticks.push_back(id);
        if (ticks.size() == 2) KillTimer(id);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TimerWnd, CWnd)
    MapMsg<WM_TIMER, &ThisClass::OnTimer>(),
END_MESSAGE_MAP()

TEST(TimerTest, TicksCarryTheirIdUntilKilled) {
    TimerWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "timer", WS_POPUP, RECT{0, 0, 50, 50}, nullptr, 0));
    ASSERT_EQ(wnd.SetTimer(7, 10), 7u);
    ASSERT_TRUE(PumpUntil([&] { return wnd.ticks.size() >= 2; }));
    EXPECT_EQ(wnd.ticks, (std::vector<UINT_PTR>{7, 7}));
    // Killed by its second tick: nothing more arrives, and killing again fails.
    EXPECT_FALSE(wnd.KillTimer(7));
    EXPECT_FALSE(PumpUntil([&] { return wnd.ticks.size() > 2; }, 60));
}

}  // namespace
