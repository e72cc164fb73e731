#include "framework/TranslucentDialog.h"

#include "afx/LayeredWindow.h"
#include "afx/MessageMapEntries.h"
#include "framework/LayerBuffer.h"
#include "framework/LayerGeometry.h"
#include "framework/ResourceImage.h"

BEGIN_MESSAGE_MAP(CTranslucentDialog, CDialog)
  ON_WM_ERASEBKGND()
  ON_WM_MOVE()
  ON_WM_SIZE()
  ON_WM_CREATE()
  ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CTranslucentDialog::CTranslucentDialog(UINT templateId, UINT imageId, const wchar_t* imageType,
                                       HINSTANCE module, CWnd* parent)
    : CDialog(templateId, parent), m_pImage(LoadResourceImage(imageId, imageType, module)) {}

CTranslucentDialog::~CTranslucentDialog() {
  m_pStandardDlg.reset();
  m_pImage.reset();
}

CTranslucentDialog::ImageSize CTranslucentDialog::GetImageSize() const {
  // An image that could not even be allocated counts as one without a picture.
  if (!m_pImage) return ImageSize{0, 0};
  return ImageSize{static_cast<int>(m_pImage->GetWidth()), static_cast<int>(m_pImage->GetHeight())};
}

int CTranslucentDialog::OnCreate(LPCREATESTRUCTW) {
  // Centred as the framed window the template describes, sized as the image.
  ImageSize image = GetImageSize();
  RECT framed{0, 0, image.width, image.height};
  ::AdjustWindowRect(&framed, static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)), FALSE);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  layer::Rect place = layer::Place(image.width, image.height, framed.right - framed.left,
                                   framed.bottom - framed.top,
                                   layer::WorkArea{work.left, work.top, work.right, work.bottom});

  if (Default() == -1) return -1;

  m_pStandardDlg.reset(NewStandardDialog());
  if (m_pStandardDlg) m_pStandardDlg->CreateAndShow();

  // The frame goes with the move below; its WM_MOVE and WM_SIZE bring the companion along.
  ModifyStyle(WS_CAPTION, WS_POPUP);
  MoveWindow(place.x, place.y, place.width, place.height, TRUE);
  return 0;
}

BOOL CTranslucentDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_blend = BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  SetupWidgets();
  RefreshLayer();
  return TRUE;
}

void CTranslucentDialog::RefreshLayer() {
  ImageSize image = GetImageSize();
  DWORD exStyle = static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE));
  if (!(exStyle & WS_EX_LAYERED)) ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, static_cast<LONG>(exStyle | WS_EX_LAYERED));

  afx::WindowDc windowDc(m_hWnd);
  afx::UniqueMemoryDc memoryDc(::CreateCompatibleDC(windowDc.get()));
  CRect window;
  GetWindowRect(&window);

  // No buffer for a picture without pixels, and so nothing to present.
  layer::Buffer buffer = layer::CreateBuffer(image.width, image.height);
  if (!buffer.bitmap || !memoryDc) return;
  {
    afx::SelectedObject selected(memoryDc.get(), buffer.bitmap.get());
    layer::DrawImage(memoryDc.get(), *m_pImage, image.width, image.height);

    POINT destination{window.left, window.top};
    SIZE size{image.width, image.height};
    POINT source{0, 0};
    // A missing presentation function leaves the window as it was.
    afx::UpdateLayeredWindowByName(m_hWnd, windowDc.get(), &destination, &size, memoryDc.get(), &source, 0,
                                   &m_blend, ULW_ALPHA);
  }
  // The 4 * w * h bytes go as soon as the picture is presented.
  buffer.bitmap.reset();
}

void CTranslucentDialog::OnRenderRequest(LPARAM) { RefreshLayer(); }

void CTranslucentDialog::OnLButtonDown(UINT, CPoint) {
  // Any pixel that takes the click drags the window, as its caption would.
  SendMessage(WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
  Default();
}

void CTranslucentDialog::OnMove(int x, int y) {
  Default();
  if (m_pStandardDlg)
    ::SetWindowPos(m_pStandardDlg->GetSafeHwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CTranslucentDialog::OnSize(UINT, int cx, int cy) {
  // Whatever the kind of change: minimised, the companion is 0 by 0 too.
  Default();
  if (m_pStandardDlg)
    ::SetWindowPos(m_pStandardDlg->GetSafeHwnd(), nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
}

BOOL CTranslucentDialog::PreTranslateMessage(MSG* msg) {
  // Enter and Esc go straight to their window, so the dialog manager never
  // turns them into OK or Cancel.
  if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
    ::TranslateMessage(msg);
    ::DispatchMessageW(msg);
    return TRUE;
  }
  return CDialog::PreTranslateMessage(msg);
}

BOOL CTranslucentDialog::OnEraseBkgnd(CDC*) { return TRUE; }
