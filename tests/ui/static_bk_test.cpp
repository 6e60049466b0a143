#include "ui/controls/static_bk.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/window_fixture.h"

namespace cantivo::test {
namespace {

class StaticBkTest : public WindowTest {
protected:
    void SetUp() override {
        HWND hwnd = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 860, 20, host.m_hWnd, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(field.SubclassWindow(hwnd));
        field.SetBackground(RGB(75, 215, 75));
    }
    WindowPicture Showing(const std::string& text) {
        SetWindowTextA(field.m_hWnd, text.c_str());
        return TakePicture(field.m_hWnd);
    }

    ui::CStaticBk field;
};

TEST_F(StaticBkTest, KeepsItsOwnTextAndShowsTheFirstSixtyFourCharacters) {
    std::string text;
    for (int i = 0; text.size() < 80; ++i) text += static_cast<char>('A' + i % 26);
    const WindowPicture all = Showing(text);
    EXPECT_EQ(field.Text(), text);
    // The message stops at the control: the window's own text stays empty.
    char own[8] = "x";
    EXPECT_EQ(DefWindowProcA(field.m_hWnd, WM_GETTEXT, sizeof own, reinterpret_cast<LPARAM>(own)), 0);

    EXPECT_EQ(all, Showing(text.substr(0, 64)));
    EXPECT_NE(all, Showing(text.substr(0, 63)));
}

TEST_F(StaticBkTest, PaintsBackgroundOutlineAndBlackText) {
    const WindowPicture picture = Showing("|");
    EXPECT_EQ(picture.At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(picture.At(859, 19), RGB(0, 0, 0));
    EXPECT_EQ(picture.At(5, 10), RGB(75, 215, 75));
    bool blackInside = false;
    for (int x = 420; x < 440; ++x)
        for (int y = 2; y < 18; ++y) blackInside |= picture.At(x, y) == RGB(0, 0, 0);
    EXPECT_TRUE(blackInside);
}

}  // namespace
}  // namespace cantivo::test
