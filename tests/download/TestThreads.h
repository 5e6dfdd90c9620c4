// Real threads for the tests of the task helpers: created suspended, like
// workers, and ending as soon as they run.
#pragma once

#include "download/KernelHandle.h"

#include <windows.h>

#include <memory>
#include <vector>

class CTestThreads {
    static DWORD WINAPI EndAtOnce(LPVOID) { return 0; }

public:
    // Ends every thread (resuming those still suspended) and waits for them.
    ~CTestThreads()
    {
        for (const auto& thread : m_threads) {
            while (ResumeThread(thread->Get()) > 1) {
            }
            WaitForSingleObject(thread->Get(), 10000);
        }
    }

    // A new suspended thread; gives its id.
    DWORD Add()
    {
        DWORD id = 0;
        m_threads.push_back(std::make_unique<CKernelHandle>(
            CreateThread(nullptr, 0, &CTestThreads::EndAtOnce, nullptr, CREATE_SUSPENDED, &id)));
        return id;
    }

    // Resumes the thread by its handle and waits until it has ended.
    void End(size_t index)
    {
        ResumeThread(m_threads[index]->Get());
        WaitForSingleObject(m_threads[index]->Get(), 10000);
    }

    HANDLE Handle(size_t index) const { return m_threads[index]->Get(); }

private:
    std::vector<std::unique_ptr<CKernelHandle>> m_threads;
};
