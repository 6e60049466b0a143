// Dialogs from templates in the resource module, modal or modeless. The
// dialog window is subclassed when WM_INITDIALOG arrives, so from then on its
// messages reach WindowProc like those of any other window.
#pragma once

#include "ui/framework/wnd.h"

namespace cantivo::ui {

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // The value given to EndDialog, or -1 when the dialog could not be made.
    INT_PTR DoModal();
    // A modeless dialog.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    BOOL Create(UINT templateId, HWND parent);
    void EndDialog(int result);

protected:
    // Nonzero lets the system give the first control the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    friend INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    bool m_modal = false;
};

}  // namespace cantivo::ui
