#include "afx/Exceptions.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(COleException, CException)
IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleDispatchException::COleDispatchException(const wchar_t* description, UINT helpId, WORD code)
    : m_wCode(code), m_strDescription(description), m_dwHelpContext(helpId) {}

void AfxThrowMemoryException() { throw CMemoryException(); }

void AfxThrowOleException(SCODE sc) { throw COleException(sc); }

void AfxThrowOleDispatchException(WORD code, const wchar_t* description, UINT helpId) {
  throw COleDispatchException(description, helpId, code);
}
