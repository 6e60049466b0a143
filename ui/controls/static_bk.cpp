#include "ui/controls/static_bk.h"

#include "ui/framework/dc.h"

namespace cantivo::ui {

void CStaticBk::SetBackground(COLORREF colour) {
    m_background = colour;
    if (m_hWnd != nullptr) Invalidate();
}

LRESULT CStaticBk::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        const auto* text = reinterpret_cast<const char*>(lParam);
        m_text = text != nullptr ? text : "";
        Invalidate();
        return TRUE;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

void CStaticBk::OnDraw(CDC& dc) {
    const CRect client = GetClientRect();
    dc.FillSolidRect(client, m_background);
    {
        SelectedObject pen(dc, GetStockObject(BLACK_PEN));
        SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
        dc.Rectangle(client);
    }
    SelectedObject font(dc, ParentFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    dc.DrawText(m_text.substr(0, kShownCharacters), client, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

}  // namespace cantivo::ui
