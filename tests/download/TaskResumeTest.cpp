// Resumption by thread id and the running count.
#include "download/TaskResume.h"

#include "download/TaskState.h"
#include "tests/download/TestThreads.h"

#include <gtest/gtest.h>

namespace {

class TaskResumeTest : public ::testing::Test {
protected:
    void SetUp() override { g_runningTasks = 0; }
    void TearDown() override { g_runningTasks = 0; }

    CTestThreads m_threads;
};

TEST_F(TaskResumeTest, CountsOnlyAThreadThatWasReallySuspended)
{
    const DWORD id = m_threads.Add();
    EXPECT_TRUE(ResumeTask(id));
    EXPECT_EQ(g_runningTasks, 1);

    // Running (or already ended): not counted again.
    EXPECT_FALSE(ResumeTask(id));
    WaitForSingleObject(m_threads.Handle(0), 10000);
    EXPECT_FALSE(ResumeTask(id));
    EXPECT_FALSE(ResumeTask(0));
    EXPECT_EQ(g_runningTasks, 1);
}

TEST_F(TaskResumeTest, AdmissionsInQuickSuccessionStartNoMoreThanThree)
{
    // What the admission does for each new task, five times in a row, before
    // any of the threads had a chance to run.
    int resumed = 0;
    for (int i = 0; i < 5; ++i) {
        const DWORD id = m_threads.Add();
        if (g_runningTasks < 3 && ResumeTask(id))
            ++resumed;
    }
    EXPECT_EQ(resumed, 3);
    EXPECT_EQ(g_runningTasks, 3);
}

}  // namespace
