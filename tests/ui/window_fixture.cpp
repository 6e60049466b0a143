#include "tests/ui/window_fixture.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ui/framework/resource_handle.h"

namespace cantivo::test {

namespace {

HMODULE g_plugin = nullptr;

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

}  // namespace

COLORREF Picture::At(int x, int y) const {
    const DWORD pixel = pixels_.at(std::size_t(y) * width_ + x);
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

Picture TakePicture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Picture picture(client.right, client.bottom);
    BITMAPINFO info = TopDown32(picture.width_, picture.height_);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, section);
    // Magenta shows wherever the window painted nothing.
    std::fill_n(static_cast<DWORD*>(bits), picture.pixels_.size(), 0x00FF00FFu);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    std::memcpy(picture.pixels_.data(), bits, picture.pixels_.size() * sizeof(DWORD));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(section);
    return picture;
}

Picture BitmapPicture(HBITMAP bitmap) {
    BITMAP description{};
    GetObjectA(bitmap, sizeof description, &description);
    Picture picture(description.bmWidth, description.bmHeight);
    BITMAPINFO info = TopDown32(picture.width_, picture.height_);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(picture.height_), picture.pixels_.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return picture;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

HostWindow::HostWindow() {
    LOGFONTA description{};
    description.lfHeight = -11;
    description.lfCharSet = ANSI_CHARSET;
    lstrcpyA(description.lfFaceName, "Tahoma");
    font_.CreateFontIndirect(description);
    CreateEx(0, "Cantivo controls", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20, 900, 600, nullptr, 0);
    ShowWindow(SW_SHOW);
    SetForegroundWindow(m_hWnd);
    PumpMessages();
}

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(static_cast<HFONT>(font_));
        case ui::WM_REG2D_CHANGED:
        case WM_HSCROLL:
        case WM_COMMAND:
            notifications.push_back({message, wParam, lParam});
            // As the page does: the pad that reported moves its handle.
            if (message == ui::WM_REG2D_CHANGED) {
                for (HWND child = GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                    auto* pad = dynamic_cast<ui::CReg2D*>(FromHandlePermanent(child));
                    if (pad != nullptr && ::GetDlgCtrlID(child) == static_cast<int>(wParam)) pad->PlaceHandle();
                }
            }
            return 0;
        default:
            return CWnd::WindowProc(message, wParam, lParam);
    }
}

void ResourceModule::SetUp() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file = path;
    file = file.substr(0, file.find_last_of('\\') + 1) + "QVB20x64.dll";
    g_plugin = LoadLibraryA(file.c_str());
    ASSERT_NE(g_plugin, nullptr) << file;
    ui::AfxSetResourceHandle(g_plugin);
}

void ResourceModule::TearDown() {
    ui::AfxSetResourceHandle(nullptr);
    if (g_plugin != nullptr) FreeLibrary(g_plugin);
}

HMODULE ResourceModule::Plugin() { return g_plugin; }

}  // namespace cantivo::test

namespace {
[[maybe_unused]] ::testing::Environment* const g_resources =
    ::testing::AddGlobalTestEnvironment(new cantivo::test::ResourceModule);
}  // namespace
