// CObject.h: the root of the framework's classes and their run-time class
// information. CRuntimeClass names a class, links to its base and, for
// classes declared dynamically creatable, makes a new object; the document
// template creates documents, views and frames this way.
//
//   DECLARE_DYNAMIC(C)          in the class: C has run-time class information
//   IMPLEMENT_DYNAMIC(C, Base)  in one .cpp file
//   DECLARE_DYNCREATE(C)        as DECLARE_DYNAMIC, and C can be made by CreateObject
//   IMPLEMENT_DYNCREATE(C, Base)
//   RUNTIME_CLASS(C)            the CRuntimeClass* of C
#pragma once

#include "platform/Types.h"

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;
    CObject* (*m_pfnCreateObject)();  // null unless the class is DECLARE_DYNCREATE

    // A new object of the class, or null when it is not dynamically creatable.
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    // True when this class is pBase or derives from it.
    bool IsDerivedFrom(const CRuntimeClass* pBase) const;
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(C) (&C::class##C)

#define DECLARE_DYNAMIC(C)                                  \
public:                                                     \
    static const CRuntimeClass class##C;                    \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(C)                                \
    DECLARE_DYNAMIC(C)                                      \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(C, Base, pfn)               \
    const CRuntimeClass C::class##C = {#C, RUNTIME_CLASS(Base), pfn}; \
    const CRuntimeClass* C::GetRuntimeClass() const { return RUNTIME_CLASS(C); }

#define IMPLEMENT_DYNAMIC(C, Base) IMPLEMENT_RUNTIMECLASS_(C, Base, nullptr)

#define IMPLEMENT_DYNCREATE(C, Base)                        \
    CObject* C::CreateObject() { return new C; }            \
    IMPLEMENT_RUNTIMECLASS_(C, Base, &C::CreateObject)

// Checked downcast: null when p is null or not of class C.
inline CObject* AfxDynamicDowncast(const CRuntimeClass* pClass, CObject* p)
{
    return p && p->IsKindOf(pClass) ? p : nullptr;
}
#define DYNAMIC_DOWNCAST(C, p) static_cast<C*>(AfxDynamicDowncast(RUNTIME_CLASS(C), p))
