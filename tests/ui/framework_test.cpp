#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "engine/error_code.h"
#include "tests/support/message_capture.h"
#include "tests/ui/window_fixture.h"
#include "ui/framework/controls.h"
#include "ui/framework/dc.h"

namespace cantivo::test {
namespace {

using ui::CWnd;

class Probe : public CWnd {
public:
    int destroyed = 0;
    int ncDestroyed = 0;
    int drawn = 0;

protected:
    void OnDraw(ui::CDC& dc) override {
        ++drawn;
        dc.FillSolidRect(GetClientRect(), RGB(1, 2, 3));
    }
    void OnDestroy() override {
        ++destroyed;
        Default();
    }
    void PostNcDestroy() override { ++ncDestroyed; }
    void OnKeyDown(UINT key, UINT, UINT) override {
        if (key == 'M') throw std::bad_alloc();
        if (key == 'R') throw std::runtime_error("broken");
        Default();
    }
};

TEST_F(WindowTest, WindowAndObjectAreBoundUntilTheWindowIsGoneAndPaintAndPrintReachOnDraw) {
    Probe probe;
    ASSERT_TRUE(probe.Create(WS_CHILD | WS_VISIBLE, ui::CRect(0, 0, 10, 10), &host, 5));
    PumpMessages();
    probe.drawn = 0;
    probe.Invalidate();
    probe.UpdateWindow();
    EXPECT_EQ(probe.drawn, 1);
    EXPECT_EQ(TakePicture(probe.m_hWnd).At(5, 5), RGB(1, 2, 3));
    EXPECT_EQ(probe.drawn, 2);

    const HWND hwnd = probe.m_hWnd;
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &probe);
    EXPECT_FALSE(probe.Create(WS_CHILD, ui::CRect(0, 0, 1, 1), &host, 6));  // one window per object
    probe.DestroyWindow();
    EXPECT_EQ((std::tuple{probe.destroyed, probe.ncDestroyed, probe.m_hWnd}), (std::tuple{1, 1, nullptr}));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_TRUE(probe.Create(WS_CHILD, ui::CRect(0, 0, 1, 1), &host, 6));  // and a new one afterwards
}

TEST_F(WindowTest, SubclassedControlKeepsItsPaintingAndOutlivesItsObject) {
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, host.m_hWnd, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    {
        ui::CEdit wrapper;
        ASSERT_TRUE(wrapper.SubclassWindow(edit));
        EXPECT_EQ(CWnd::FromHandlePermanent(edit), &wrapper);
        EXPECT_NE(TakePicture(edit).At(25, 10), RGB(255, 0, 255));  // magenta: nothing painted
        ui::CEdit second;
        EXPECT_FALSE(second.SubclassWindow(edit));  // already bound
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    SetWindowTextA(edit, "still works");
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "still works");
}

TEST_F(WindowTest, NoExceptionLeavesAWindowProcedure) {
    MessageCapture capture;
    Probe probe;
    ASSERT_TRUE(probe.Create(WS_CHILD, ui::CRect(0, 0, 10, 10), &host, 5));
    EXPECT_EQ(SendMessageA(probe.m_hWnd, WM_KEYDOWN, 'M', 0), 0);
    EXPECT_EQ(SendMessageA(probe.m_hWnd, WM_KEYDOWN, 'R', 0), 0);
    EXPECT_EQ(capture.messages, (std::vector<std::string>{"No memory", "broken"}));
    EXPECT_EQ(capture.styles[0], static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(GetErrorCode(), kNoError);
    EXPECT_TRUE(IsWindow(probe.m_hWnd));
}

}  // namespace
}  // namespace cantivo::test
