// Run-time class information: every class that declares it can be named,
// asked for its base, and created by its name.
//
//   class CFxButton : public CButton {
//       DECLARE_RUNTIME_CLASS(CFxButton)
//       ...
//   };
//   IMPLEMENT_RUNTIME_CLASS(CFxButton, CButton)      // in the .cpp file
//
//   CObject* p = CRuntimeClass::CreateObject("CFxButton");
//   p->IsKindOf(RUNTIME_CLASS(CButton));              // true
#pragma once

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;   // null for CObject
    CObject* (*m_pfnCreateObject)();     // null when the class can't be created
    mutable const CRuntimeClass* m_pNextClass = nullptr;  // registry link

    // A new object of this class on the heap, or null.
    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* pBase) const;

    // The registered class of that name, or null.
    static const CRuntimeClass* FromName(const char* className);
    // A new object of the registered class of that name, or null.
    static CObject* CreateObject(const char* className);
    // Adds a class to the registry (done by IMPLEMENT_RUNTIME_CLASS).
    static void Register(const CRuntimeClass* pClass);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* pClass) const;
    static const CRuntimeClass* ThisRuntimeClass();
};

#define RUNTIME_CLASS(theClass) (theClass::ThisRuntimeClass())

#define DECLARE_RUNTIME_CLASS(theClass)                         \
public:                                                         \
    static const CRuntimeClass* ThisRuntimeClass();             \
    const CRuntimeClass* GetRuntimeClass() const override;      \
    static CObject* CreateRuntimeObject();

#define IMPLEMENT_RUNTIME_CLASS(theClass, baseClass)                                 \
    CObject* theClass::CreateRuntimeObject() { return new theClass; }               \
    const CRuntimeClass* theClass::ThisRuntimeClass() {                              \
        static const CRuntimeClass rc = {#theClass, baseClass::ThisRuntimeClass(),   \
                                         &theClass::CreateRuntimeObject};            \
        return &rc;                                                                  \
    }                                                                                \
    const CRuntimeClass* theClass::GetRuntimeClass() const { return ThisRuntimeClass(); } \
    static const bool s_registered_##theClass =                                      \
        (CRuntimeClass::Register(theClass::ThisRuntimeClass()), true);
