#include "ui/controls/reg2d.h"

#include "ui/framework/dc.h"

namespace cantivo::ui {

namespace {

RegKey RegKeyFor(UINT key) {
    switch (key) {
        case VK_HOME:
            return RegKey::kHome;
        case VK_LEFT:
            return RegKey::kLeft;
        case VK_RIGHT:
            return RegKey::kRight;
        case VK_UP:
            return RegKey::kUp;
        case VK_DOWN:
            return RegKey::kDown;
        default:
            return RegKey::kOther;
    }
}

}  // namespace

void CReg2DBtn::SetBitmaps(const HBITMAP (&bitmaps)[8]) {
    SetPictures(std::vector<BitmapRef>(std::begin(bitmaps), std::end(bitmaps)));
}

int CReg2DBtn::DrawingState() const {
    return RegHandleState(m_pad.IsWindowEnabled(), m_pad.XEnabled(), m_pad.YEnabled(), ::GetFocus() == m_hWnd);
}

// Measured from the press point every time: held further out, the values run faster.
void CReg2DBtn::OnDrag(int dx, int dy) {
    m_pad.StoreAndNotify(RegValuesAfterDrag(dx, -dy, m_pad.XEnabled(), m_pad.YEnabled(), m_pad.Values()));
}

bool CReg2DBtn::OnArrowKey(UINT key) {
    const RegKey regKey = RegKeyFor(key);
    if (regKey == RegKey::kOther) return false;
    m_pad.StoreAndNotify(RegValuesAfterKey(regKey, m_pad.XEnabled(), m_pad.YEnabled(), m_pad.Values()));
    return true;
}

BOOL CReg2D::Create(const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent, id);
}

void CReg2D::SetPens(PenRef, PenRef highlight, PenRef, PenRef) { m_highlight = highlight; }

void CReg2D::EnableAxes(bool x, bool y) {
    m_xEnabled = x;
    m_yEnabled = y;
}

void CReg2D::BindValues(std::int16_t* x, std::int16_t* y) {
    m_xValue = x;
    m_yValue = y;
}

RegValues CReg2D::Values() const {
    return {m_xValue != nullptr ? *m_xValue : kRegValueCentre, m_yValue != nullptr ? *m_yValue : kRegValueCentre};
}

void CReg2D::PlaceHandle() {
    const RegValues values = Values();
    const PlanePoint topLeft = RegHandleTopLeft(m_geometry, m_xEnabled, values.x, m_yEnabled, values.y);
    m_btn.SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_btn.Invalidate(FALSE);
}

void CReg2D::StoreAndNotify(RegValues values) {
    // An axis without storage keeps its value.
    std::int16_t spareX = static_cast<std::int16_t>(Values().x);
    std::int16_t spareY = static_cast<std::int16_t>(Values().y);
    if (m_xValue == nullptr) values.x = spareX;
    if (m_yValue == nullptr) values.y = spareY;
    const int code = StoreRegValues(m_xValue != nullptr ? m_xValue : &spareX,
                                    m_yValue != nullptr ? m_yValue : &spareY, values);
    if (code != kRegNoChange) ::SendMessageA(GetParent(), WM_REG2D_CHANGED, m_notifyId, code);
}

int CReg2D::OnCreate(CREATESTRUCTA* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    m_geometry = Reg2DGeometryFor(GetClientRect().Plane());
    const PlanePoint centre = m_geometry.centre;
    return m_btn.CreateEx(0, "", WS_CHILD | WS_VISIBLE, centre.x - kRegHandleHalf, centre.y - kRegHandleHalf,
                          kRegHandleSize, kRegHandleSize, m_hWnd, kReg2DHandleId)
               ? 0
               : -1;
}

void CReg2D::OnDraw(CDC& dc) {
    CRect client = GetClientRect();
    CRect inner = client;
    inner.DeflateRect(2, 2, 2, 2);
    dc.FillSolidRect(inner, GetSysColor(COLOR_BTNFACE));
    dc.DrawEdge(client, EDGE_SUNKEN, BF_RECT);
    const CRect travel(m_geometry.travel);
    if (IsWindowEnabled()) dc.FillSolidRect(travel, RGB(84, 159, 84));
    if (m_highlight == nullptr) return;
    SelectedObject pen(dc, m_highlight);
    const PlanePoint centre = m_geometry.centre;
    dc.MoveTo(centre.x, travel.top);
    dc.LineTo(centre.x, travel.bottom);
    dc.MoveTo(travel.left, centre.y);
    dc.LineTo(travel.right, centre.y);
}

void CReg2D::OnLButtonDown(UINT, POINT) { m_btn.BeginDrag(); }

void CReg2D::OnSetFocus(HWND) { m_btn.SetFocus(); }

}  // namespace cantivo::ui
