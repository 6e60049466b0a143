// Real windows for the control tests: a shown top-level host that records
// what its children tell it, and the plug-in file as the resource module.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/plugin_module.h"
#include "ui/framework/gdi_objects.h"
#include "ui/framework/window_picture.h"
#include "ui/framework/wnd.h"

namespace cantivo::test {

using ui::WindowPicture;

// What the window alone paints for WM_PRINTCLIENT.
inline WindowPicture TakePicture(HWND window) {
    WindowPicture picture(window);
    picture.Print(window);
    return picture;
}

// A mouse message's point, negative coordinates included.
inline LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

// Lets every message waiting for this thread's windows be handled.
void PumpMessages();

// A shown top-level window with a font, standing in for the page: it counts
// the commands of its children.
class HostWindow : public ui::CWnd {
public:
    HostWindow();
    ~HostWindow() override { DestroyWindow(); }

    int commands = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ui::CFont font_;
};

class WindowTest : public ::testing::Test {
protected:
    HostWindow host;
};

}  // namespace cantivo::test
