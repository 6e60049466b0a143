// Pictures of windows as they paint themselves for WM_PRINTCLIENT, held as
// 32-bit pixels and saved as BMP files. Wine's PrintWindow leaves a window's
// children out, so a window with its controls is put together here, one
// window at a time.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace cantivo::ui {

class WindowPicture {
public:
    // Blank, the size of the window's client area. Magenta shows wherever
    // nothing is painted.
    explicit WindowPicture(HWND window);
    // The pixels of a bitmap.
    explicit WindowPicture(HBITMAP bitmap);

    // Paints a window over the picture at its place within the picture's window.
    void Print(HWND window);
    // The same, then its visible children, bottom of the stacking order first.
    void PrintWithChildren(HWND window);

    COLORREF At(int x, int y) const;
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool operator==(const WindowPicture& other) const;

    // A 24-bit BMP file.
    bool SaveBmp(const std::string& path) const;

private:
    POINT m_origin{};  // the top-left on the screen
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;  // top row first
};

}  // namespace cantivo::ui
