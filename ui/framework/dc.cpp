#include "ui/framework/dc.h"

namespace cantivo::ui {

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) {
    const COLORREF old = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    FillSolidRect(CRect(rect.left, rect.top, rect.right - 1, rect.top + 1), topLeft);
    FillSolidRect(CRect(rect.left, rect.top, rect.left + 1, rect.bottom - 1), topLeft);
    FillSolidRect(CRect(rect.right - 1, rect.top, rect.right, rect.top + height), bottomRight);
    FillSolidRect(CRect(rect.left, rect.bottom - 1, rect.left + width, rect.bottom), bottomRight);
}

int CDC::DrawText(const std::string& text, RECT rect, UINT format) {
    return ::DrawTextA(m_hDC, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

void CDC::DrawBitmap(HBITMAP bitmap, int x, int y, int width, int height) {
    if (bitmap == nullptr) return;
    CCompatibleDC source(m_hDC);
    if (source == nullptr) return;
    SelectedObject selected(source, bitmap);
    BitBlt(x, y, width, height, source, 0, 0, SRCCOPY);
}

CPaintDC::CPaintDC(HWND hwnd) : CDC(nullptr), m_hWnd(hwnd) { m_hDC = ::BeginPaint(m_hWnd, &m_ps); }

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }

CClientDC::CClientDC(HWND hwnd) : CDC(::GetDC(hwnd)), m_hWnd(hwnd) {}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, m_hDC); }

}  // namespace cantivo::ui
