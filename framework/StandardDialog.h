// CStandardDialog: the companion of a translucent dialog. A modeless dialog
// that carries ordinary controls and lies exactly over its owner; its own
// background is one colour, the colour key, and the window is layered with
// that key, so its background is neither drawn nor hit and the owner's image
// shows through with the controls standing on it. OK and Cancel close the
// owner first. From the HTML dialog it takes only the hosting of a WebBrowser
// control its template places; it initialises as a plain dialog.
#pragma once
#include "afx/DHtmlDialog.h"
#include "afx/Gdi.h"

class CStandardDialog : public CDHtmlDialog {
  DECLARE_DYNAMIC(CStandardDialog)
 public:
  CStandardDialog(UINT templateId, COLORREF colorKey, CWnd* parent);
  ~CStandardDialog() override;

  // Creates the window modelessly from the template and parent given at
  // construction and shows it. Called once, by the owner while it is created.
  void CreateAndShow();

  BOOL OnInitDialog() override;

 protected:
  void OnOK() override;
  void OnCancel() override;
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);

  DECLARE_MESSAGE_MAP()

 private:
  COLORREF m_colorKey;  // the background colour and the layered window's key
  CBrush m_brush;       // a solid brush of m_colorKey once the dialog is initialised
};
