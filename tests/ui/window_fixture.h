// Real windows for the control tests: a shown top-level host that records
// what its children tell it, the plug-in file as the resource module, and
// pictures of a window's client area taken through WM_PRINTCLIENT.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "ui/controls/reg2d.h"
#include "ui/framework/gdi_objects.h"
#include "ui/framework/wnd.h"

namespace cantivo::test {

// A client-area picture, 32 bits a pixel, top row first.
class Picture {
public:
    Picture(int width, int height) : width_(width), height_(height), pixels_(std::size_t(width) * height) {}
    COLORREF At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool operator==(const Picture& other) const = default;

private:
    friend Picture TakePicture(HWND window);
    friend Picture BitmapPicture(HBITMAP bitmap);
    int width_;
    int height_;
    std::vector<DWORD> pixels_;
};

// What the window paints for WM_PRINTCLIENT; children are not included.
Picture TakePicture(HWND window);

// The pixels of a bitmap, as TakePicture gives them.
Picture BitmapPicture(HBITMAP bitmap);

// A mouse message's point, negative coordinates included.
inline LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// Lets every message waiting for this thread's windows be handled.
void PumpMessages();

// A shown top-level window with a font, standing in for the page.
class HostWindow : public ui::CWnd {
public:
    HostWindow();
    ~HostWindow() override { DestroyWindow(); }

    struct Notification {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Notification> notifications;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ui::CFont font_;
};

// The plug-in file, loaded once, is where every test takes its resources from.
class ResourceModule : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
    static HMODULE Plugin();
};

class WindowTest : public ::testing::Test {
protected:
    HostWindow host;
};

}  // namespace cantivo::test
