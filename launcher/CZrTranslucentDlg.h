// The launcher's background window. For now a plain dialog on the launcher
// template; the image-shaped window takes its place with the same constructor.
#pragma once
#include "afx/afxwin.h"
#include "res/resource.h"

class CZrTranslucentDlg : public CDialog {
 public:
  CZrTranslucentDlg(UINT imageId, const wchar_t* imageType, HINSTANCE module, CWnd* parent)
      : CDialog(IDD_LAUNCHER, parent) {
    (void)imageId;
    (void)imageType;
    (void)module;
  }
};
