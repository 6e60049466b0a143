#include "ui/controls/slider.h"

#include "resources/resource.h"
#include "ui/framework/dc.h"

namespace cantivo::ui {

namespace {

SliderKey SliderKeyFor(UINT key) {
    switch (key) {
        case VK_HOME:
            return SliderKey::kHome;
        case VK_LEFT:
            return SliderKey::kLeft;
        case VK_RIGHT:
            return SliderKey::kRight;
        default:
            return SliderKey::kOther;
    }
}

}  // namespace

HFONT SliderLabelFont() {
    static CFont font;
    if (font == nullptr) {
        LOGFONTA description{};
        description.lfHeight = 8;
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = ANSI_CHARSET;
        description.lfOutPrecision = OUT_DEFAULT_PRECIS;
        description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        description.lfQuality = PROOF_QUALITY;
        description.lfPitchAndFamily = VARIABLE_PITCH | FF_DONTCARE;
        font.CreateFontIndirect(description);
    }
    return font;
}

void CSliderBtn::SetBitmaps(HBITMAP normal, HBITMAP focused, HBITMAP disabled) {
    SetPictures({normal, focused, disabled});
}

int CSliderBtn::DrawingState() const {
    if (!m_slider.IsWindowEnabled()) return 2;
    return ::GetFocus() == m_hWnd ? 1 : 0;
}

void CSliderBtn::OnDrag(int dx, int) {
    const int pos = SliderPosAfterDrag(dx, m_slider.m_pos, m_slider.m_min, m_slider.m_max);
    // The cursor goes back onto the moved handle, so it stays there while dragging.
    if (pos != m_slider.m_pos) {
        m_slider.SetPos(pos);
        Recentre();
        m_slider.NotifyParent();
    }
}

bool CSliderBtn::OnArrowKey(UINT key) {
    const SliderKey sliderKey = SliderKeyFor(key);
    if (sliderKey == SliderKey::kOther) return false;
    const int pos = SliderPosAfterKey(sliderKey, m_slider.m_pos, m_slider.m_min, m_slider.m_max);
    if (pos != m_slider.m_pos) {
        m_slider.SetPos(pos);
        m_slider.NotifyParent();
    }
    return true;
}

CSlider::CSlider() : m_btn(*this) { SliderLabelFont(); }

BOOL CSlider::Create(const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect, parent, id);
}

void CSlider::SetPens(PenRef darkShadow, PenRef highlight, PenRef shadow) {
    m_darkShadow = darkShadow;
    m_highlight = highlight;
    m_shadow = shadow;
}

void CSlider::SetRange(int min, int max) {
    m_min = min;
    m_max = max;
}

void CSlider::SetPos(int pos) {
    if (pos == m_pos || m_max == m_min) return;
    m_pos = pos;
    const CRect client = GetClientRect();
    const PlanePoint topLeft = SliderHandleTopLeft(client.Width(), client.Height(), pos, m_min, m_max);
    m_btn.SetWindowPos(nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSlider::NotifyParent() {
    ::SendMessageA(GetParent(), WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(m_pos)),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

void CSlider::EnableSlider(bool enable) {
    EnableWindow(enable);
    Invalidate();
    m_btn.Invalidate(FALSE);
}

int CSlider::OnCreate(CREATESTRUCTA* create) {
    if (CWnd::OnCreate(create) == -1) return -1;
    m_textColour = GetSysColor(COLOR_BTNTEXT);
    m_highlightColour = GetSysColor(COLOR_BTNHIGHLIGHT);
    m_shadowColour = GetSysColor(COLOR_BTNSHADOW);
    m_bitmaps[0].LoadBitmap(IDB_SLIDER_HANDLE);
    m_bitmaps[1].LoadBitmap(IDB_SLIDER_HANDLE_FOCUSED);
    m_bitmaps[2].LoadBitmap(IDB_SLIDER_HANDLE_DISABLED);
    m_btn.SetBitmaps(m_bitmaps[0], m_bitmaps[1], m_bitmaps[2]);
    return m_btn.CreateEx(0, "", WS_CHILD | WS_VISIBLE, 0, 0, kSliderHandleWidth, kSliderHandleHeight, m_hWnd,
                          kSliderHandleId)
               ? 0
               : -1;
}

void CSlider::OnDestroy() {
    m_btn.SetBitmaps(nullptr, nullptr, nullptr);
    for (CBitmap& bitmap : m_bitmaps) bitmap.DeleteObject();
    Default();
}

BOOL CSlider::OnEraseBkgnd(HDC dc) {
    CDC target(dc);
    target.FillSolidRect(GetClientRect(), GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CSlider::OnDraw(CDC& dc) {
    const CRect client = GetClientRect();
    const int w = client.Width();
    const int h = client.Height();
    const int r = w - 13;
    const HGDIOBJ oldPen = dc.SelectStockObject(BLACK_PEN);

    dc.SelectObject(m_shadow);
    dc.MoveTo(10, h - 6);
    dc.LineTo(10, h - 8);
    dc.LineTo(r + 1, h - 8);
    dc.SelectObject(m_highlight);
    dc.LineTo(r + 1, h - 6);
    dc.LineTo(10, h - 6);

    const bool enabled = IsWindowEnabled();
    if (enabled) {
        dc.SelectObject(m_darkShadow);
        dc.MoveTo(11, h - 7);
        dc.LineTo(r, h - 7);
    } else {
        dc.SelectObject(m_shadow);
    }
    const SliderScale scale = SliderScaleFor(w, h);
    for (int x : scale.longTicks) {
        dc.MoveTo(x, h - 10);
        dc.LineTo(x, h - 17);
    }
    for (int x : scale.shortTicks) {
        dc.MoveTo(x, h - 10);
        dc.LineTo(x, h - 15);
    }
    dc.SelectObject(oldPen);

    SelectedObject font(dc, SliderLabelFont());
    dc.SetBkMode(TRANSPARENT);
    static const char* const kLabels[] = {"0", "100", "200"};
    constexpr UINT kFormat = DT_SINGLELINE | DT_CENTER | DT_BOTTOM;
    for (int i = 0; i < 3; ++i) {
        CRect rect(scale.labels[i]);
        if (enabled) {
            dc.SetTextColor(m_textColour);
        } else {
            // Embossed: a highlight one pixel right and down under the shadow.
            CRect raised = rect;
            OffsetRect(&raised, 1, 1);
            dc.SetTextColor(m_highlightColour);
            dc.DrawText(kLabels[i], raised, kFormat);
            dc.SetTextColor(m_shadowColour);
        }
        dc.DrawText(kLabels[i], rect, kFormat);
    }
}

void CSlider::OnLButtonDown(UINT, POINT) { m_btn.BeginDrag(); }

void CSlider::OnSetFocus(HWND) { m_btn.SetFocus(); }

}  // namespace cantivo::ui
