#include "afx/DataExchange.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (control.m_hWnd) return;
  control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}
