#include "afx/Dialog.h"

#include "afx/MessageMapEntries.h"
#include "afx/WinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {

// The dialog manager's procedure: only WM_INITDIALOG needs the object here,
// every other message was routed through the object before it got this far.
INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM, LPARAM) noexcept {
  if (message != WM_INITDIALOG) return FALSE;
  auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hwnd));
  if (!dialog) return TRUE;
  try {
    return dialog->OnInitDialog();
  } catch (...) {
    return FALSE;  // a failed initialisation leaves the focus as it is
  }
}

}  // namespace

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_lpszTemplateName(MAKEINTRESOURCEW(templateId)), m_nIDHelp(templateId), m_pParentWnd(parent) {}

CDialog::CDialog(const wchar_t* templateName, CWnd* parent)
    : m_lpszTemplateName(templateName), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

bool CDialog::CreateFromTemplate(HWND owner) {
  HINSTANCE resources = AfxGetResourceHandle();
  HRSRC found = ::FindResourceW(resources, m_lpszTemplateName, MAKEINTRESOURCEW(5));  // RT_DIALOG
  if (!found) return false;
  HGLOBAL loaded = ::LoadResource(resources, found);
  auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(::LockResource(loaded));
  if (!dialogTemplate) return false;
  HWND created = nullptr;
  {
    afx::WindowCreationScope binding(this);
    created = ::CreateDialogIndirectParamW(resources, dialogTemplate, owner, &DialogProcedure, 0);
  }
  return created != nullptr;
}

INT_PTR CDialog::DoModal() {
  HWND owner = afx::GetSafeOwner(m_pParentWnd);
  bool reenableOwner = owner && owner != ::GetDesktopWindow() && ::IsWindowEnabled(owner);
  if (reenableOwner) ::EnableWindow(owner, FALSE);

  m_bContinueModal = true;
  m_nModalResult = -1;
  if (CreateFromTemplate(owner) && m_bContinueModal) RunModalLoop();
  m_bContinueModal = false;

  if (m_hWnd)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  if (reenableOwner) ::EnableWindow(owner, TRUE);
  if (owner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
  if (m_hWnd) DestroyWindow();
  return m_nModalResult;
}

INT_PTR CDialog::RunModalLoop() {
  // A template without WS_VISIBLE shows once the queue first runs dry.
  bool showWhenIdle = m_hWnd && !(GetStyle() & WS_VISIBLE);
  MSG msg;
  while (m_bContinueModal) {
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (showWhenIdle && m_hWnd) {
        showWhenIdle = false;
        ShowWindow(SW_SHOWNORMAL);
        ::UpdateWindow(m_hWnd);
        continue;
      }
      afx::DeleteTemporaryWindows();
    }
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // The program is ending: pass the quit on to whoever runs below this loop.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      m_nModalResult = -1;
      break;
    }
    CWinApp* app = AfxGetApp();
    BOOL consumed = app ? app->PreTranslateMessage(&msg) : afx::WalkPreTranslateTree(nullptr, &msg);
    if (!consumed) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return m_nModalResult;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) { return Create(MAKEINTRESOURCEW(templateId), parent); }

BOOL CDialog::Create(const wchar_t* templateName, CWnd* parent) {
  m_lpszTemplateName = templateName;
  if (IS_INTRESOURCE(templateName)) m_nIDHelp = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(templateName));
  m_pParentWnd = parent;
  HWND owner = parent ? parent->GetSafeHwnd() : nullptr;
  if (!owner && AfxGetMainWnd()) owner = AfxGetMainWnd()->GetSafeHwnd();
  return CreateFromTemplate(owner);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
  PreInitDialog();
  return Default();
}

BOOL CDialog::OnInitDialog() {
  if (!ExecuteDlgInit()) {
    EndDialog(-1);
    return FALSE;
  }
  UpdateData(FALSE);
  return TRUE;
}

BOOL CDialog::ExecuteDlgInit() { return TRUE; }

void CDialog::EndModalLoop(int result) noexcept {
  m_nModalResult = result;
  if (m_bContinueModal) {
    m_bContinueModal = false;
    // Wakes the loop if it waits for a message.
    ::PostMessageW(nullptr, WM_NULL, 0, 0);
  }
}

void CDialog::EndDialog(int result) {
  EndModalLoop(result);
  if (m_hWnd) ::EndDialog(m_hWnd, result);
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return FALSE;
  if (!m_hWnd || (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))) return FALSE;
  return ::IsDialogMessageW(m_hWnd, msg);
}
