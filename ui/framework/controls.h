// The standard controls the page and the Options dialog use, bound to the
// controls of a dialog by SubclassDlgItem.
#pragma once

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <string>

#include "ui/framework/wnd.h"

namespace cantivo::ui {

class CButton : public CWnd {
public:
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) { SendMessage(BM_SETSTYLE, style, redraw); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetLimitText(UINT limit) { SendMessage(EM_SETLIMITTEXT, limit); }
    void SetSel(int start, int end) { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
};

class CComboBox : public CWnd {
public:
    int AddString(const std::string& text);
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
    // Empty for an index that holds nothing.
    std::string GetLBText(int index) const;
    int FindStringExact(int start, const std::string& text) const;
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange32(int lower, int upper) { SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    int GetPos32() const { return static_cast<int>(SendMessage(UDM_GETPOS32)); }
    int SetPos32(int pos) { return static_cast<int>(SendMessage(UDM_SETPOS32, 0, pos)); }
};

// An owner-drawn button: the button paints by asking its parent, and the
// parent's WM_DRAWITEM comes back to it as OnDraw.
class CMFCButton : public CButton {
protected:
    BOOL DrawItem(DRAWITEMSTRUCT* item) override;
};

}  // namespace cantivo::ui
