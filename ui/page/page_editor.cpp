// The page's in-place editor: an edit with a spin that opens over a value
// button, stores every valid number as it is typed, and closes when it loses
// the focus. Enter, Escape and clicks elsewhere reach it before the dialog's
// own keyboard handling.
#include "resources/resource.h"
#include "ui/page/grid_fields.h"
#include "ui/page/prop_page.h"

namespace cantivo {

namespace {

bool IsClick(UINT message) { return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK; }

bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// Where a mouse message happened, in screen coordinates.
POINT ScreenPoint(const MSG& message) {
    POINT point = ui::CPoint(message.lParam);
    ClientToScreen(message.hwnd, &point);
    return point;
}

bool Over(HWND window, POINT screenPoint) {
    RECT rect{};
    return IsWindowVisible(window) && GetWindowRect(window, &rect) && PtInRect(&rect, screenPoint);
}

}  // namespace

bool CMFCSamplePropPage::PreTranslateMessage(MSG& message) {
    if (m_hWnd == nullptr || (message.hwnd != m_hWnd && !IsChild(m_hWnd, message.hwnd))) return false;
    if (m_pEditedValue != nullptr && PreTranslateEditorMessage(message)) return true;
    if (RouteArrowKey(message)) return true;
    return IsInput(message.message) && IsDialogMessageA(m_hWnd, &message) != FALSE;
}

bool CMFCSamplePropPage::PreTranslateEditorMessage(const MSG& message) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        ::SetFocus(GetDlgItem(IDC_STYLE_LIST));
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        *m_pEditedValue = m_nValueBeforeEdit;
        ShowEditedValue();
        MarkModified();
        ::SetFocus(GetDlgItem(IDC_STYLE_LIST));
        return true;
    }
    if (!IsClick(message.message)) return false;
    POINT point = ScreenPoint(message);
    if (Over(m_spin, point)) {
        m_spin.ScreenToClient(point);
        m_spin.SendMessage(message.message, message.wParam, MAKELPARAM(point.x, point.y));
        return true;
    }
    if (Over(m_editor, point)) return false;
    // Only closes the edit: a second click is needed to reach anything else.
    ::SetFocus(GetDlgItem(IDC_STYLE_LIST));
    return true;
}

void CMFCSamplePropPage::OpenEditor(ui::CGradBtn& button, std::int16_t* field, int upper) {
    button.ShowWindow(SW_HIDE);
    RECT place = button.GetWindowRect();
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
    // Room for the spin, which takes the edit's right end as its buddy.
    place.right += GetSystemMetrics(SM_CXVSCROLL);
    m_editor.SetWindowPos(nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                          SWP_NOZORDER);
    m_spin.SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(m_editor.m_hWnd));
    m_spin.SetRange32(0, upper);

    SetDlgItemInt(m_hWnd, IDC_EDITOR, static_cast<UINT>(*field), TRUE);
    m_editor.ShowWindow(SW_SHOW);
    m_spin.ShowWindow(SW_SHOW);
    m_editor.SetFocus();
    const UINT id = static_cast<UINT>(button.GetDlgCtrlID());
    if (id < IDC_INITIAL_FIRST || id > IDC_INITIAL_LAST) {
        m_editor.SetSel(0, -1);
        m_editor.SendMessage(EM_SCROLLCARET);
    }
    m_pEditedValue = field;
    m_nEditedButton = id;
    m_nValueBeforeEdit = *field;
}

void CMFCSamplePropPage::OnEditorChange() {
    if (m_pEditedValue == nullptr) return;
    int lower = 0;
    int upper = 0;
    m_spin.SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    BOOL isNumber = FALSE;
    const int value = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_EDITOR, &isNumber, TRUE));
    if (!isNumber || value < lower || value > upper) return;  // the last stored value stays
    *m_pEditedValue = static_cast<std::int16_t>(value);
    ShowEditedValue();
    MarkModified();
}

void CMFCSamplePropPage::ShowEditedValue() {
    auto& button = *static_cast<ui::CGradBtn*>(ui::CWnd::FromHandlePermanent(GetDlgItem(static_cast<int>(m_nEditedButton))));
    button.SetNumber(*m_pEditedValue);
    if (m_nEditedButton < IDC_DEPTH_FIRST || m_nEditedButton > IDC_DEPTH_LAST) return;
    const int row = static_cast<int>(m_nEditedButton - IDC_DEPTH_FIRST) + 1;
    PlaceHandlesShowing(row);
    if (row == kVariableRow) m_slider.SetPos(*m_pEditedValue);
}

void CMFCSamplePropPage::CloseEditor() {
    if (m_pEditedValue == nullptr) return;
    m_pEditedValue = nullptr;
    m_editor.ShowWindow(SW_HIDE);
    m_spin.ShowWindow(SW_HIDE);
    ::ShowWindow(GetDlgItem(static_cast<int>(m_nEditedButton)), SW_SHOW);
}

}  // namespace cantivo
