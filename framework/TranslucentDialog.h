// CTranslucentDialog: a dialog whose window has no frame and shows nothing
// but one image with per-pixel alpha: transparent pixels are holes, half-
// transparent ones blend with what lies behind. The window is exactly the
// image's size, starts near the centre of the work area and can be dragged
// from anywhere; Enter and Esc do not end it.
//
// Its controls live on a companion (NewStandardDialog), a colour-keyed
// CStandardDialog that it creates, keeps exactly over itself and deletes.
// The image is composed and presented once, when the dialog initialises;
// the platform keeps the picture from then on, also while the window moves.
#pragma once
#include <memory>

#include "afx/GdiPlus.h"
#include "afx/afxwin.h"
#include "framework/RenderListener.h"
#include "framework/StandardDialog.h"

class CTranslucentDialog : public CDialog, public IRenderListener {
 public:
  // Loads the image (LoadResourceImage) for a dialog on templateId.
  CTranslucentDialog(UINT templateId, UINT imageId, const wchar_t* imageType, HINSTANCE module,
                     CWnd* parent);
  ~CTranslucentDialog() override;

  // The companion: made with new, with this dialog as its parent, not yet
  // created as a window; or null for none.
  virtual CStandardDialog* NewStandardDialog() = 0;
  // The subclass's own preparation, once, just before the first composition.
  virtual void SetupWidgets() = 0;

  BOOL PreTranslateMessage(MSG* msg) override;
  BOOL OnInitDialog() override;

  // Composes the image into a fresh pixel buffer and presents it as the
  // window's content.
  void RefreshLayer();
  void OnRenderRequest(LPARAM hint) override;

 protected:
  int OnCreate(LPCREATESTRUCTW create);
  void OnMove(int x, int y);
  void OnSize(UINT type, int cx, int cy);
  void OnLButtonDown(UINT flags, CPoint point);
  BOOL OnEraseBkgnd(CDC* dc);

  DECLARE_MESSAGE_MAP()

 private:
  struct ImageSize {
    int width;
    int height;
  };
  // The image's size; 0 by 0 for an image without a picture, or none at all.
  ImageSize GetImageSize() const;

  BLENDFUNCTION m_blend{};
  std::unique_ptr<Gdiplus::Image> m_pImage;
  std::unique_ptr<CStandardDialog> m_pStandardDlg;
};
