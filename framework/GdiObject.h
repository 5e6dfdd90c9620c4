// Base of the GDI object wrappers: owns one GDI handle and deletes it.
#pragma once

#include <windows.h>

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject() { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    bool IsNull() const { return m_hObject == nullptr; }

    // Takes ownership of a handle; the previous one is deleted first.
    bool Attach(HGDIOBJ h) {
        DeleteObject();
        m_hObject = h;
        return h != nullptr;
    }
    // Gives up ownership without deleting.
    HGDIOBJ Detach() {
        HGDIOBJ h = m_hObject;
        m_hObject = nullptr;
        return h;
    }
    // Deletes the handle (fails while it is selected into a device context).
    BOOL DeleteObject() {
        if (!m_hObject) return FALSE;
        BOOL ok = ::DeleteObject(m_hObject);
        m_hObject = nullptr;
        return ok;
    }

    int GetObject(int size, void* pBuffer) const { return ::GetObjectA(m_hObject, size, pBuffer); }

protected:
    HGDIOBJ m_hObject = nullptr;
};
