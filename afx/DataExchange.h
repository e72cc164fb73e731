// Dialog data exchange: binding members to the dialog's controls.
#pragma once
#include "afx/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate) noexcept
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
};

// Binds control to the dialog's control id the first time it runs; later runs
// change nothing.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
