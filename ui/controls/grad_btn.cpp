#include "ui/controls/grad_btn.h"

#include "ui/controls/mem_dc2.h"

namespace cantivo::ui {

void CGradBtn::SetFaces(CGradient* normal, CGradient* checked, CGradient* other) {
    m_faces[0] = normal;
    m_faces[1] = checked;
    m_faces[2] = other;
}

const std::string& CGradBtn::Caption() {
    if (m_caption.empty()) m_caption = GetWindowText();
    return m_caption;
}

int CGradBtn::GetNumber(bool& ok) {
    ok = true;
    return CaptionNumber(Caption());
}

void CGradBtn::SetNumber(int value) {
    m_caption = std::to_string(value);
    Invalidate(FALSE);
}

LRESULT CGradBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDBLCLK:
            message = WM_LBUTTONDOWN;
            [[fallthrough]];
        case WM_LBUTTONDOWN:
            // A programmatic click (BM_CLICK) arrives here as the press it
            // makes, so it flips a toggle once.
            if (m_mode == GradBtnMode::kMomentary)
                m_pressed = TRUE;
            else
                m_checked = !m_checked;
            break;
        case WM_MOUSEMOVE:
            if (m_mode == GradBtnMode::kMomentary && m_pressed && !GetClientRect().PtInRect(CPoint(lParam))) {
                // Dragged out: the button lets go as if released there.
                message = WM_LBUTTONUP;
                wParam &= ~static_cast<WPARAM>(MK_LBUTTON);
                m_pressed = FALSE;
            }
            break;
        case WM_LBUTTONUP:
            m_pressed = FALSE;
            break;
        case BM_GETCHECK:
            return m_checked;
        case BM_SETCHECK:
            if (static_cast<BOOL>(wParam) != m_checked) {
                m_checked = static_cast<BOOL>(wParam);
                Invalidate(FALSE);
            }
            return 0;
        default:
            break;
    }
    return CMFCButton::WindowProc(message, wParam, lParam);
}

void CGradBtn::OnDraw(CDC& dc) {
    const std::string& caption = Caption();
    const CRect client = GetClientRect();
    CMemDC2 surface(dc, client);
    SelectedObject font(surface, ParentFont());
    surface.SetBkMode(TRANSPARENT);

    const int faceIndex = m_faceIndex >= 0 && m_faceIndex < 3 ? m_faceIndex : 0;
    const GradBtnLook look = GradBtnLookFor(IsWindowEnabled(), m_mode, faceIndex, m_checked, m_pressed);
    // The last column keeps the surface's button face.
    CRect area = client;
    area.right -= 1;
    if (m_faces[look.face] != nullptr) m_faces[look.face]->Draw(surface, area);
    if (look.sunken)
        surface.Draw3dRect(area, kBevelDark, kBevelLight);
    else
        surface.Draw3dRect(area, kBevelLight, kBevelDark);
    surface.SetTextColor(look.captionColour);
    surface.DrawText(caption, area, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

}  // namespace cantivo::ui
