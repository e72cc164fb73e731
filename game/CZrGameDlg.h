// The game window. For now a plain dialog on the game template that keeps the
// address it is given; the HTML-hosting window takes its place.
#pragma once
#include "afx/afxwin.h"
#include "res/resource.h"

class CZrGameDlg : public CDialog {
 public:
  explicit CZrGameDlg(CWnd* parent = nullptr) : CDialog(IDD_GAME, parent) {}
  void SetLaunchInfo(CString strGameUrl, CString strNote) {
    m_strGameUrl = std::move(strGameUrl);
    m_strLaunchNote = std::move(strNote);
  }

 private:
  CString m_strGameUrl;
  CString m_strLaunchNote;
};
