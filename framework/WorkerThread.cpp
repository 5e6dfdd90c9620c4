#include "framework/WorkerThread.h"

#include <process.h>

CWorkerThread* CWorkerThread::Begin(Procedure procedure, void* param, int priority, bool createSuspended,
                                    UINT stackSize) {
    CWorkerThread* p = new CWorkerThread(procedure, param);
    unsigned id = 0;
    uintptr_t h = ::_beginthreadex(nullptr, stackSize, &CWorkerThread::Start, p, CREATE_SUSPENDED, &id);
    if (!h) {
        delete p;
        return nullptr;
    }
    p->m_hThread = reinterpret_cast<HANDLE>(h);
    p->m_nThreadID = id;
    ::SetThreadPriority(p->m_hThread, priority);
    if (!createSuspended) p->Resume();
    return p;
}

CWorkerThread::~CWorkerThread() {
    if (m_hThread) ::CloseHandle(m_hThread);
}

unsigned __stdcall CWorkerThread::Start(void* self) {
    CWorkerThread* p = static_cast<CWorkerThread*>(self);
    UINT result = p->m_pfnProcedure(p->m_pParam);
    delete p;
    return result;
}
