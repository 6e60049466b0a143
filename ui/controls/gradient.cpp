#include "ui/controls/gradient.h"

namespace cantivo::ui {

namespace {

int DesktopBitsPerPixel() {
    CClientDC screen(nullptr);
    return screen.GetDeviceCaps(BITSPIXEL) * screen.GetDeviceCaps(PLANES);
}

// The gradient's pixels handed to a bitmap the screen can show.
bool MakeGradientBitmap(CBitmap& bitmap, COLORREF colour, int step, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    CClientDC screen(nullptr);
    if (!bitmap.CreateCompatibleBitmap(screen, width, height)) return false;
    const auto pixels = GradientPixels(colour, step, width, height);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    if (SetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS) == 0) {
        bitmap.DeleteObject();
        return false;
    }
    return true;
}

}  // namespace

CGradient::CGradient() : CGradient(DesktopBitsPerPixel()) {}

CGradient::CGradient(int displayBitsPerPixel) : m_highColour(displayBitsPerPixel > 8) {}

void CGradient::Release() {
    m_bitmap.DeleteObject();
    m_brush.DeleteObject();
    m_colour = 0xFFFFFFFF;
    m_step = -1;
    m_kind = GradientKind::kNone;
}

BOOL CGradient::Create(COLORREF colour, int step, const CRect& rect) {
    if (colour == m_colour && step == m_step && rect == m_rect) return m_bitmap != nullptr;
    Release();
    m_colour = colour;
    m_step = step;
    m_rect = rect;
    m_kind = GradientKindFor(step, m_highColour ? 32 : 8);
    if (m_kind == GradientKind::kBitmap && !MakeGradientBitmap(m_bitmap, colour, step, rect.Width(), rect.Height()))
        m_kind = GradientKind::kSolid;
    if (m_kind == GradientKind::kSolid) m_brush.CreateSolidBrush(colour);
    return m_bitmap != nullptr;
}

void CGradient::Draw(CDC& dc, const CRect& rect) {
    if (m_bitmap != nullptr) {
        CCompatibleDC source(dc);
        if (source == nullptr) return;
        SelectedObject selected(source, m_bitmap);
        if (rect.Width() == m_rect.Width() && rect.Height() == m_rect.Height()) {
            dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), source, 0, 0, SRCCOPY);
        } else {
            const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
            dc.StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), source, 0, 0, m_rect.Width(),
                          m_rect.Height(), SRCCOPY);
            SetStretchBltMode(dc, oldMode);
        }
        SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
        dc.Rectangle(rect);
    } else if (m_brush != nullptr) {
        SelectedObject brush(dc, m_brush);
        dc.Rectangle(rect);
    }
}

}  // namespace cantivo::ui
