#include "ui/framework/dialog.h"

#include "ui/framework/resource_handle.h"

namespace cantivo::ui {

LRESULT Dispatch(CWnd* wnd, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Only WM_INITDIALOG is ours here; every later message comes through the
// subclass, and what it leaves falls back to the dialog manager.
INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog->SubclassWindow(hwnd)) return TRUE;
    return Dispatch(dialog, hwnd, message, wParam, lParam);
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr && !m_modal) ::DestroyWindow(m_hWnd);
}

INT_PTR CDialog::DoModal() {
    m_modal = true;
    const INT_PTR result =
        DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate),
                        m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr, DialogProc,
                        reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_pParentWnd = parent;
    return Create(templateId, parent != nullptr ? parent->m_hWnd : nullptr);
}

BOOL CDialog::Create(UINT templateId, HWND parent) {
    if (m_hWnd != nullptr) return FALSE;
    m_nIDTemplate = templateId;
    m_modal = false;
    CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(templateId), parent, DialogProc,
                       reinterpret_cast<LPARAM>(this));
    return m_hWnd != nullptr;
}

void CDialog::EndDialog(int result) {
    if (m_modal)
        ::EndDialog(m_hWnd, result);
    else
        DestroyWindow();
}

BOOL CDialog::OnInitDialog() { return TRUE; }
void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            return FALSE;
    }
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

}  // namespace cantivo::ui
