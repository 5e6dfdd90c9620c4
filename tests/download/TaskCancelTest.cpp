// The set of cancel requests.
#include "download/TaskCancel.h"

#include "tests/download/TestThreads.h"

#include <gtest/gtest.h>

namespace {

size_t SlotsHolding(DWORD id)
{
    size_t count = 0;
    for (const auto& slot : g_cancelTaskIds)
        count += slot.load() == id ? 1 : 0;
    return count;
}

class TaskCancelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (auto& slot : g_cancelTaskIds)
            slot = 0;
    }
    void TearDown() override { SetUp(); }

    CTestThreads m_threads;
};

TEST_F(TaskCancelTest, EveryOutstandingRequestIsKept)
{
    std::vector<DWORD> ids;
    for (int i = 0; i < 16; ++i) {
        ids.push_back(m_threads.Add());
        ASSERT_TRUE(RequestTaskCancel(ids.back()));
    }
    for (DWORD id : ids)
        EXPECT_TRUE(IsTaskCancelRequested(id));

    // A worker withdraws only its own request.
    ClearTaskCancel(ids[3]);
    EXPECT_FALSE(IsTaskCancelRequested(ids[3]));
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i != 3) {
            EXPECT_TRUE(IsTaskCancelRequested(ids[i])) << i;
        }
    }
}

TEST_F(TaskCancelTest, RepeatedRequestTakesOneSlot)
{
    const DWORD id = m_threads.Add();
    EXPECT_TRUE(RequestTaskCancel(id));
    EXPECT_TRUE(RequestTaskCancel(id));
    EXPECT_EQ(SlotsHolding(id), 1u);
}

TEST_F(TaskCancelTest, TaskWhoseThreadEndedIsNotStored)
{
    const DWORD id = m_threads.Add();
    m_threads.End(0);
    EXPECT_FALSE(RequestTaskCancel(id));
    EXPECT_FALSE(IsTaskCancelRequested(id));
    EXPECT_FALSE(RequestTaskCancel(0));
    EXPECT_FALSE(RequestTaskCancel(GetCurrentProcessId()));  // not a thread of ours, or none
}

TEST_F(TaskCancelTest, FullSetMakesRoomByDroppingRequestsOfEndedThreads)
{
    std::vector<DWORD> ids;
    for (size_t i = 0; i < kCancelSlotCount; ++i) {
        ids.push_back(m_threads.Add());
        ASSERT_TRUE(RequestTaskCancel(ids.back()));
    }
    const DWORD late = m_threads.Add();
    EXPECT_FALSE(RequestTaskCancel(late)) << "every slot holds a live request";

    // A thread that ends without withdrawing its request leaves a stale one.
    m_threads.End(5);
    EXPECT_TRUE(RequestTaskCancel(late));
    EXPECT_FALSE(IsTaskCancelRequested(ids[5]));
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i != 5) {
            EXPECT_TRUE(IsTaskCancelRequested(ids[i])) << i;
        }
    }
}

}  // namespace
