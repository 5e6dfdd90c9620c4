#include "framework/RuntimeClass.h"

#include <cstring>

namespace {
// Head of the list of registered classes. Registration runs during static
// initialisation, on one thread.
const CRuntimeClass*& RegistryHead() {
    static const CRuntimeClass* head = nullptr;
    return head;
}
}  // namespace

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBase) const {
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass)
        if (p == pBase) return true;
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className) {
    if (!className) return nullptr;
    for (const CRuntimeClass* p = RegistryHead(); p; p = p->m_pNextClass)
        if (std::strcmp(p->m_lpszClassName, className) == 0) return p;
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* className) {
    const CRuntimeClass* p = FromName(className);
    return p ? p->CreateObject() : nullptr;
}

void CRuntimeClass::Register(const CRuntimeClass* pClass) {
    for (const CRuntimeClass* p = RegistryHead(); p; p = p->m_pNextClass)
        if (p == pClass) return;
    pClass->m_pNextClass = RegistryHead();
    RegistryHead() = pClass;
}

const CRuntimeClass* CObject::ThisRuntimeClass() {
    static const CRuntimeClass rc = {"CObject", nullptr, nullptr};
    return &rc;
}

const CRuntimeClass* CObject::GetRuntimeClass() const { return ThisRuntimeClass(); }

bool CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

static const bool s_registered_CObject = (CRuntimeClass::Register(CObject::ThisRuntimeClass()), true);
