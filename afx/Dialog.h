// CDialog: dialogs from templates, run modally or modelessly.
//
// DoModal takes its owner by the main-window rule (see afx::GetSafeOwner) and
// disables it for the run. Its loop dispatches every message of the thread,
// each after PreTranslateMessage, and ends when the dialog ends (EndDialog) or
// when it retrieves WM_QUIT, which it posts again so that the caller sees it
// too; the result is then -1. At the end DoModal destroys the dialog's window
// if the object still has one.
#pragma once
#include "afx/Wnd.h"

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)
 public:
  CDialog() = default;
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);
  CDialog(const wchar_t* templateName, CWnd* parent);
  ~CDialog() override;

  virtual INT_PTR DoModal();
  // Creates the dialog modelessly; parent (or the main window) becomes its owner.
  virtual BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL Create(const wchar_t* templateName, CWnd* parent = nullptr);

  virtual BOOL OnInitDialog();
  void EndDialog(int result);
  // Ends the modal loop without touching any window: also works on an object
  // that has been detached from its window.
  void EndModalLoop(int result) noexcept;
  bool IsRunningModal() const noexcept { return m_bContinueModal; }

  BOOL PreTranslateMessage(MSG* msg) override;

 protected:
  virtual void OnOK();
  virtual void OnCancel();
  // Runs before the dialog's own initialisation; hosts the template's ActiveX controls.
  virtual void PreInitDialog() {}
  // Applies the template's initialisation data to its controls.
  virtual BOOL ExecuteDlgInit();

  const wchar_t* m_lpszTemplateName = nullptr;
  UINT m_nIDHelp = 0;
  CWnd* m_pParentWnd = nullptr;

  DECLARE_MESSAGE_MAP()

 private:
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  bool CreateFromTemplate(HWND owner);
  INT_PTR RunModalLoop();

  bool m_bContinueModal = false;
  INT_PTR m_nModalResult = -1;
};
