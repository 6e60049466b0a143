#include "ui/controls/drag_handle.h"

#include "ui/framework/dc.h"

namespace cantivo::ui {

void CDragHandle::SetPictures(std::vector<BitmapRef> pictures) {
    m_pictures = std::move(pictures);
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

void CDragHandle::OnDraw(CDC& dc) {
    const auto state = static_cast<std::size_t>(DrawingState());
    if (state < m_pictures.size()) dc.DrawBitmap(m_pictures[state], 0, 0, m_width, m_height);
}

void CDragHandle::Recentre() {
    m_anchor = {m_width / 2, m_height / 2};
    ClientToScreen(m_anchor);
    SetCursorPos(m_anchor.x, m_anchor.y);
}

void CDragHandle::BeginDrag() {
    SetFocus();
    Recentre();
    SetCapture();
    m_dragging = true;
}

void CDragHandle::EndDrag() {
    m_dragging = false;
    if (::GetCapture() == m_hWnd) ReleaseCapture();
}

void CDragHandle::OnLButtonDown(UINT, POINT) { BeginDrag(); }

void CDragHandle::OnLButtonUp(UINT, POINT) { EndDrag(); }

void CDragHandle::OnMouseMove(UINT flags, POINT point) {
    if (!m_dragging) return;
    if ((flags & MK_LBUTTON) == 0) {
        EndDrag();
        return;
    }
    ClientToScreen(point);
    OnDrag(point.x - m_anchor.x, point.y - m_anchor.y);
}

void CDragHandle::OnKeyDown(UINT key, UINT, UINT) {
    if (!OnArrowKey(key)) Default();
}

void CDragHandle::OnSetFocus(HWND) {
    Invalidate(FALSE);
    Default();
}

void CDragHandle::OnKillFocus(HWND) {
    Invalidate(FALSE);
    Default();
}

// The arrow keys are the handle's, not the dialog's.
UINT CDragHandle::OnGetDlgCode() { return DLGC_WANTARROWS; }

void CDragHandle::OnCaptureChanged(HWND newCapture) {
    if (newCapture != m_hWnd) m_dragging = false;
    Default();
}

void CDragHandle::OnDestroy() {
    EndDrag();
    Default();
}

}  // namespace cantivo::ui
