#include "framework/StandardDialog.h"

#include "afx/LayeredWindow.h"
#include "afx/MessageMapEntries.h"

// Its run-time class and its map continue with the plain dialog's: none of
// the HTML dialog's own handlers take part.
IMPLEMENT_DYNAMIC(CStandardDialog, CDialog)

BEGIN_MESSAGE_MAP(CStandardDialog, CDialog)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CStandardDialog::CStandardDialog(UINT templateId, COLORREF colorKey, CWnd* parent)
    : CDHtmlDialog(templateId, 0, parent), m_colorKey(colorKey) {}

CStandardDialog::~CStandardDialog() = default;

void CStandardDialog::CreateAndShow() {
  CDialog::Create(m_lpszTemplateName, m_pParentWnd);
  ShowWindow(SW_SHOW);
}

BOOL CStandardDialog::OnInitDialog() {
  // The plain dialog's initialisation: the HTML dialog's would make a browser
  // of its own over the whole client area.
  CDialog::OnInitDialog();
  m_brush.Attach(::CreateSolidBrush(m_colorKey));
  ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, ::GetWindowLongW(m_hWnd, GWL_EXSTYLE) | WS_EX_LAYERED);
  afx::SetLayeredWindowAttributesByName(m_hWnd, m_colorKey, 0, LWA_COLORKEY);
  return TRUE;
}

HBRUSH CStandardDialog::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
  if (ctlColor == CTLCOLOR_DLG) return m_brush;
  return CWnd::OnCtlColor(dc, wnd, ctlColor);
}

void CStandardDialog::OnOK() {
  if (CWnd* owner = GetParent()) owner->SendMessage(WM_CLOSE);
  CDialog::OnOK();
}

void CStandardDialog::OnCancel() {
  if (CWnd* owner = GetParent()) owner->SendMessage(WM_CLOSE);
  CDialog::OnCancel();
}
