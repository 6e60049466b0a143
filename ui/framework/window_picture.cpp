#include "ui/framework/window_picture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/files.h"
#include "ui/framework/dc.h"
#include "ui/framework/gdi_objects.h"

namespace cantivo::ui {

namespace {

constexpr DWORD kUnpainted = 0x00FF00FF;

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

template <typename T>
void Append(std::vector<std::uint8_t>& bytes, const T& value) {
    const auto* first = reinterpret_cast<const std::uint8_t*>(&value);
    bytes.insert(bytes.end(), first, first + sizeof value);
}

}  // namespace

WindowPicture::WindowPicture(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    ::ClientToScreen(window, &m_origin);
    m_width = client.right;
    m_height = client.bottom;
    m_pixels.assign(static_cast<std::size_t>(m_width) * m_height, kUnpainted);
}

WindowPicture::WindowPicture(HBITMAP bitmap) {
    BITMAP description{};
    if (::GetObjectA(bitmap, sizeof description, &description) == 0) return;
    m_width = description.bmWidth;
    m_height = description.bmHeight;
    m_pixels.assign(static_cast<std::size_t>(m_width) * m_height, kUnpainted);
    BITMAPINFO info = TopDown32(m_width, m_height);
    CClientDC screen(nullptr);
    ::GetDIBits(screen, bitmap, 0, static_cast<UINT>(m_height), m_pixels.data(), &info, DIB_RGB_COLORS);
}

// Each window paints into a surface of its own: the standard controls clip
// to their client rectangle in device coordinates.
void WindowPicture::Print(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return;
    POINT corner{0, 0};
    ::ClientToScreen(window, &corner);

    CClientDC screen(nullptr);
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    CBitmap surface(::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CCompatibleDC dc(screen);
    if (surface == nullptr || dc == nullptr) return;
    const auto* painted = static_cast<const DWORD*>(bits);
    std::fill_n(static_cast<DWORD*>(bits), static_cast<std::size_t>(width) * height, kUnpainted);
    {
        SelectedObject selected(dc, surface);
        ::SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
        ::SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), PRF_CLIENT);
        ::GdiFlush();
    }
    const int left = corner.x - m_origin.x;
    const int top = corner.y - m_origin.y;
    const int firstX = std::max(0, -left);
    const int lastX = std::min(width, m_width - left);
    for (int y = std::max(0, -top); y < height && top + y < m_height; ++y) {
        if (firstX >= lastX) break;
        std::memcpy(&m_pixels[static_cast<std::size_t>(top + y) * m_width + left + firstX],
                    &painted[static_cast<std::size_t>(y) * width + firstX],
                    static_cast<std::size_t>(lastX - firstX) * sizeof(DWORD));
    }
}

void WindowPicture::PrintWithChildren(HWND window) {
    Print(window);
    HWND child = ::GetWindow(window, GW_CHILD);
    if (child == nullptr) return;
    for (child = ::GetWindow(child, GW_HWNDLAST); child != nullptr; child = ::GetWindow(child, GW_HWNDPREV))
        if (::IsWindowVisible(child)) PrintWithChildren(child);
}

COLORREF WindowPicture::At(int x, int y) const {
    const DWORD pixel = m_pixels.at(static_cast<std::size_t>(y) * m_width + x);
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

bool WindowPicture::operator==(const WindowPicture& other) const {
    return m_width == other.m_width && m_height == other.m_height && m_pixels == other.m_pixels;
}

bool WindowPicture::SaveBmp(const std::string& path) const {
    const std::size_t stride = (static_cast<std::size_t>(m_width) * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = m_width;
    info.biHeight = m_height;  // bottom-up, as BMP files keep it
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(stride * m_height);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;

    std::vector<std::uint8_t> bytes;
    bytes.reserve(file.bfSize);
    Append(bytes, file);
    Append(bytes, info);
    for (int y = m_height - 1; y >= 0; --y) {
        const std::size_t rowStart = bytes.size();
        for (int x = 0; x < m_width; ++x) {
            const DWORD pixel = m_pixels[static_cast<std::size_t>(y) * m_width + x];
            bytes.push_back(static_cast<std::uint8_t>(pixel));
            bytes.push_back(static_cast<std::uint8_t>(pixel >> 8));
            bytes.push_back(static_cast<std::uint8_t>(pixel >> 16));
        }
        bytes.resize(rowStart + stride, 0);
    }
    return platform::WriteWholeFile(path, bytes);
}

}  // namespace cantivo::ui
