#include "ui/controls/static_bk.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tests/ui/window_fixture.h"

namespace cantivo::test {
namespace {

// The field keeps its own text, shows its first 64 characters centred in
// black over its background, and outlines itself.
TEST_F(WindowTest, StaticBkPaintsItsOwnTextOverItsBackground) {
    ui::CStaticBk field;
    ASSERT_TRUE(field.SubclassWindow(CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 860, 20,
                                                     host.m_hWnd, nullptr, GetModuleHandleA(nullptr), nullptr)));
    field.SetBackground(RGB(75, 215, 75));
    const auto showing = [&](const std::string& text) {
        SetWindowTextA(field.m_hWnd, text.c_str());
        return TakePicture(field.m_hWnd);
    };
    std::string text;
    for (int i = 0; text.size() < 80; ++i) text += static_cast<char>('A' + i % 26);
    const WindowPicture all = showing(text);
    EXPECT_EQ(field.Text(), text);
    EXPECT_EQ(all, showing(text.substr(0, 64)));
    EXPECT_NE(all, showing(text.substr(0, 63)));

    const WindowPicture bar = showing("|");
    EXPECT_EQ((std::tuple{bar.At(0, 0), bar.At(859, 19), bar.At(5, 10)}),
              (std::tuple{RGB(0, 0, 0), RGB(0, 0, 0), RGB(75, 215, 75)}));
    bool blackInside = false;
    for (int x = 420; x < 440; ++x)
        for (int y = 2; y < 18; ++y) blackInside |= bar.At(x, y) == RGB(0, 0, 0);
    EXPECT_TRUE(blackInside);
}

}  // namespace
}  // namespace cantivo::test
