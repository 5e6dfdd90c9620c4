// A worker thread that is created suspended, with a priority, and whose
// object deletes itself (closing the thread's handle) when the thread ends.
//
//   CWorkerThread* p = CWorkerThread::Begin(&Work, param, THREAD_PRIORITY_ABOVE_NORMAL);
//   DWORD id = p->m_nThreadID;   // read before resuming
//   p->Resume();                 // from here on the object may be gone
#pragma once

#include <windows.h>

class CWorkerThread {
public:
    // The system's thread routine: DWORD WINAPI Procedure(LPVOID).
    using Procedure = LPTHREAD_START_ROUTINE;

    // The thread starts suspended (createSuspended false: resumed at once).
    // Null when the thread could not be created.
    static CWorkerThread* Begin(Procedure procedure, void* param, int priority, bool createSuspended = true,
                                UINT stackSize = 0);

    // Resumes the thread. Once it runs, the thread may end and delete this
    // object at any time, so the caller must not use the pointer afterwards.
    DWORD Resume() { return ::ResumeThread(m_hThread); }

    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;

private:
    CWorkerThread(Procedure procedure, void* param) : m_pfnProcedure(procedure), m_pParam(param) {}
    ~CWorkerThread();
    static unsigned __stdcall Start(void* self);

    Procedure m_pfnProcedure;
    void* m_pParam;
};
