#include "ui/controls/mem_dc2.h"

namespace cantivo::ui {

CMemDC2::CMemDC2(CDC& target, const CRect& rect) : CCompatibleDC(target), m_target(target), m_rect(rect) {
    m_bitmap.CreateCompatibleBitmap(target, rect.Width(), rect.Height());
    m_oldBitmap = SelectObject(m_bitmap);
    // The memory surface uses the target's coordinates.
    SetWindowOrgEx(m_hDC, rect.left, rect.top, nullptr);
    FillSolidRect(rect, GetSysColor(COLOR_BTNFACE));
}

CMemDC2::~CMemDC2() {
    m_target.BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC, m_rect.left, m_rect.top,
                    SRCCOPY);
    SelectObject(m_oldBitmap);
}

}  // namespace cantivo::ui
