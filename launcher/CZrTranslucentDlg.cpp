#include "launcher/CZrTranslucentDlg.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CZrTranslucentDlg, CDialog)

namespace {

// Stands in for the control layer until it has its controls: the colour-keyed
// companion on the control layer's template, and nothing more.
class CControlLayerStandIn : public CStandardDialog {
 public:
  explicit CControlLayerStandIn(CWnd* parent) : CStandardDialog(IDD_LAUNCHER_CONTROLS, 0x00FF00, parent) {}
};

}  // namespace

CZrTranslucentDlg::CZrTranslucentDlg(UINT imageId, const wchar_t* imageType, HINSTANCE module, CWnd* parent)
    : CTranslucentDialog(IDD_LAUNCHER, imageId, imageType, module, parent) {}

CZrTranslucentDlg::~CZrTranslucentDlg() = default;

CStandardDialog* CZrTranslucentDlg::NewStandardDialog() { return new CControlLayerStandIn(this); }

void CZrTranslucentDlg::SetupWidgets() {}
