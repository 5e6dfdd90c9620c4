// Owns one kernel object handle (a thread, a file) and closes it.
#pragma once

#include <windows.h>

class CKernelHandle {
public:
    CKernelHandle() = default;
    // Takes a handle as the system returns it; null and INVALID_HANDLE_VALUE
    // both mean "none".
    explicit CKernelHandle(HANDLE handle) { Reset(handle); }
    ~CKernelHandle() { Reset(); }
    CKernelHandle(const CKernelHandle&) = delete;
    CKernelHandle& operator=(const CKernelHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    void Reset(HANDLE handle = nullptr)
    {
        if (m_handle)
            CloseHandle(m_handle);
        m_handle = (handle == INVALID_HANDLE_VALUE) ? nullptr : handle;
    }

private:
    HANDLE m_handle = nullptr;
};
