// CDHtmlDialog: a dialog that hosts the system's HTML engine.
// (Interim: the hosting layer fills this in; the constructor and the names
// below are the interface the program's dialogs use.)
#pragma once
#include <exdisp.h>

#include "afx/ComPtr.h"
#include "afx/Dialog.h"

class CDHtmlDialog : public CDialog {
  DECLARE_DYNAMIC(CDHtmlDialog)
 public:
  CDHtmlDialog(UINT templateId, UINT htmlResourceId, CWnd* parent)
      : CDialog(templateId, parent), m_nHtmlResID(htmlResourceId) {}
  ~CDHtmlDialog() override = default;

  // The object page script sees as window.external, while CanAccessExternal holds.
  void SetExternalDispatch(IDispatch* external) { m_spExternalDisp = external; }
  virtual BOOL IsExternalDispatchSafe() { return FALSE; }
  virtual BOOL CanAccessExternal() { return IsExternalDispatchSafe(); }

  // The dialog's own browser, when it has one.
  afx::ComPtr<IWebBrowser2> m_pBrowserApp;

 protected:
  UINT m_nHtmlResID;
  afx::ComPtr<IDispatch> m_spExternalDisp;
};
