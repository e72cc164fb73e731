// The launcher's background: the shaped window drawn from IDB_LAUNCHER_BG,
// with the control layer as its companion.
#pragma once
#include "framework/TranslucentDialog.h"

class CZrTranslucentDlg : public CTranslucentDialog {
  DECLARE_DYNAMIC(CZrTranslucentDlg)
 public:
  // The background on template IDD_LAUNCHER, showing image imageId of imageType.
  CZrTranslucentDlg(UINT imageId, const wchar_t* imageType, HINSTANCE module, CWnd* parent);
  ~CZrTranslucentDlg() override;

  CStandardDialog* NewStandardDialog() override;
  void SetupWidgets() override;
};
