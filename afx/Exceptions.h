// The framework's exceptions: thrown by value, caught by reference. The
// automation and event layers catch them at the COM boundary and turn them
// into the failure the caller expects (see afx/DispatchMap.h).
#pragma once
#include <windows.h>

#include "afx/AfxString.h"
#include "afx/RuntimeClass.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  CException() = default;
  CException(const CException&) = default;
  CException& operator=(const CException&) = default;
  ~CException() override = default;
};

// Memory could not be had.
class CMemoryException : public CException {
  DECLARE_DYNAMIC(CMemoryException)
};

// An OLE or automation call failed with a status code.
class COleException : public CException {
  DECLARE_DYNAMIC(COleException)
 public:
  explicit COleException(SCODE sc = E_FAIL) noexcept : m_sc(sc) {}
  SCODE m_sc;
};

// An automation member reported an exception of its own (DISP_E_EXCEPTION).
class COleDispatchException : public CException {
  DECLARE_DYNAMIC(COleDispatchException)
 public:
  COleDispatchException(const wchar_t* description, UINT helpId, WORD code);
  WORD m_wCode = 0;
  SCODE m_scError = 0;
  CString m_strSource;
  CString m_strDescription;
  CString m_strHelpFile;
  DWORD m_dwHelpContext = 0;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowOleException(SCODE sc);
[[noreturn]] void AfxThrowOleDispatchException(WORD code, const wchar_t* description, UINT helpId = 0);
