// Device contexts. CDC draws on a context someone else keeps; the others own
// theirs: CCompatibleDC deletes its memory context, CPaintDC and CClientDC
// give theirs back to the window.
#pragma once

#include <windows.h>

#include <string>

#include "ui/framework/rect.h"

namespace cantivo::ui {

class CDC {
public:
    explicit CDC(HDC dc) : m_hDC(dc) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    operator HDC() const { return m_hDC; }

    // Selecting no object changes nothing and gives none back.
    HGDIOBJ SelectObject(HGDIOBJ object) { return object != nullptr ? ::SelectObject(m_hDC, object) : nullptr; }
    HGDIOBJ SelectStockObject(int object) { return ::SelectObject(m_hDC, ::GetStockObject(object)); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    void MoveTo(int x, int y) { ::MoveToEx(m_hDC, x, y, nullptr); }
    void LineTo(int x, int y) { ::LineTo(m_hDC, x, y); }
    void Rectangle(const RECT& rect) { ::Rectangle(m_hDC, rect.left, rect.top, rect.right, rect.bottom); }
    void FillSolidRect(const RECT& rect, COLORREF colour);
    void FillRect(const RECT& rect, HBRUSH brush) { ::FillRect(m_hDC, &rect, brush); }
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    void DrawEdge(RECT rect, UINT edge, UINT flags) { ::DrawEdge(m_hDC, &rect, edge, flags); }
    int DrawText(const std::string& text, RECT rect, UINT format);
    BOOL BitBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, DWORD rop) {
        return ::BitBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, rop);
    }
    BOOL StretchBlt(int x, int y, int width, int height, HDC source, int sourceX, int sourceY, int sourceWidth,
                    int sourceHeight, DWORD rop) {
        return ::StretchBlt(m_hDC, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, rop);
    }
    // Copies a whole bitmap to (x, y).
    void DrawBitmap(HBITMAP bitmap, int x, int y, int width, int height);

protected:
    HDC m_hDC;
};

// A memory context like the given one; null when it cannot be made.
class CCompatibleDC : public CDC {
public:
    explicit CCompatibleDC(HDC like) : CDC(::CreateCompatibleDC(like)) {}
    ~CCompatibleDC() {
        if (m_hDC != nullptr) ::DeleteDC(m_hDC);
    }
};

// Restores what a context held before, when the scope ends; selecting no
// object leaves the context as it was.
class SelectedObject {
public:
    SelectedObject(CDC& dc, HGDIOBJ object) : m_dc(dc), m_old(dc.SelectObject(object)) {}
    ~SelectedObject() { m_dc.SelectObject(m_old); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    CDC& m_dc;
    HGDIOBJ m_old;
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND hwnd);
    ~CPaintDC();

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};
};

class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hwnd);
    ~CClientDC();

private:
    HWND m_hWnd;
};

}  // namespace cantivo::ui
