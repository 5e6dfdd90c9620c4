// Owns one WinInet handle (a session or a response) and closes it.
#pragma once

#include <windows.h>
#include <wininet.h>

class CInternetHandle {
public:
    CInternetHandle() = default;
    ~CInternetHandle() { Reset(); }
    CInternetHandle(const CInternetHandle&) = delete;
    CInternetHandle& operator=(const CInternetHandle&) = delete;

    HINTERNET Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    void Reset(HINTERNET handle = nullptr)
    {
        if (m_handle)
            InternetCloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HINTERNET m_handle = nullptr;
};
