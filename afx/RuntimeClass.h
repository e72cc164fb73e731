// Run-time class information: a class's name, its base, and for dynamically
// creatable classes a way to make one.
#pragma once

class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  const CRuntimeClass* m_pBaseClass;
  CObject* (*m_pfnCreateObject)();

  bool IsDerivedFrom(const CRuntimeClass* base) const noexcept {
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
      if (c == base) return true;
    return false;
  }
  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  bool IsKindOf(const CRuntimeClass* c) const noexcept { return GetRuntimeClass()->IsDerivedFrom(c); }
  static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(theClass) (&theClass::class##theClass)

#define DECLARE_DYNAMIC(theClass)                              \
 public:                                                       \
  static const CRuntimeClass class##theClass;                  \
  const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(theClass) \
  DECLARE_DYNAMIC(theClass)         \
  static CObject* CreateObject();

#define AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, create)                         \
  const CRuntimeClass theClass::class##theClass = {#theClass, RUNTIME_CLASS(baseClass), \
                                                   create};                             \
  const CRuntimeClass* theClass::GetRuntimeClass() const { return RUNTIME_CLASS(theClass); }

#define IMPLEMENT_DYNAMIC(theClass, baseClass) AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, nullptr)

#define IMPLEMENT_DYNCREATE(theClass, baseClass)                      \
  CObject* theClass::CreateObject() { return new theClass; }          \
  AFX_IMPLEMENT_RUNTIMECLASS(theClass, baseClass, &theClass::CreateObject)
