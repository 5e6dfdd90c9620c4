// Worker threads start suspended with their priority and run once resumed.
#include <gtest/gtest.h>

#include <atomic>

#include "framework/WorkerThread.h"

namespace {

struct Job {
    std::atomic<bool> ran{false};
    std::atomic<DWORD> threadId{0};
    HANDLE done = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ~Job() { ::CloseHandle(done); }

    static DWORD WINAPI Run(LPVOID param) {
        Job* job = static_cast<Job*>(param);
        job->threadId = ::GetCurrentThreadId();
        job->ran = true;
        ::SetEvent(job->done);
        return 0;
    }
};

TEST(WorkerThreadTest, StartsSuspendedWithItsPriorityAndRunsWhenResumed) {
    Job job;
    CWorkerThread* p = CWorkerThread::Begin(&Job::Run, &job, THREAD_PRIORITY_ABOVE_NORMAL);
    ASSERT_NE(p, nullptr);
    DWORD id = p->m_nThreadID;
    EXPECT_NE(id, 0u);
    EXPECT_EQ(::GetThreadPriority(p->m_hThread), THREAD_PRIORITY_ABOVE_NORMAL);
    EXPECT_EQ(::WaitForSingleObject(job.done, 50), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_FALSE(job.ran);
    p->Resume();  // p may be gone from here on
    ASSERT_EQ(::WaitForSingleObject(job.done, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(job.threadId, id);
}

TEST(WorkerThreadTest, CanBeResumedByItsIdAlone) {
    Job job;
    CWorkerThread* p = CWorkerThread::Begin(&Job::Run, &job, THREAD_PRIORITY_NORMAL);
    ASSERT_NE(p, nullptr);
    HANDLE h = ::OpenThread(THREAD_SUSPEND_RESUME, FALSE, p->m_nThreadID);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(::ResumeThread(h), 1u);
    ::CloseHandle(h);
    EXPECT_EQ(::WaitForSingleObject(job.done, 5000), WAIT_OBJECT_0);
}

TEST(WorkerThreadTest, NotSuspendedRunsAtOnce) {
    Job job;
    ASSERT_NE(CWorkerThread::Begin(&Job::Run, &job, THREAD_PRIORITY_NORMAL, false), nullptr);
    EXPECT_EQ(::WaitForSingleObject(job.done, 5000), WAIT_OBJECT_0);
}

}  // namespace
