// The page's parameter grid driven with real clicks and keys: the in-place
// editor, the mute and keep checks, the column headers, "Clear" and the range
// messages, each step checked in the filter's state and on the controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/error_code.h"
#include "tests/ui/page_fixture.h"
#include "ui/page/grid_fields.h"

namespace cantivo::test {
namespace {

constexpr int kUnlockedRows[] = {1, 2, 3, 6, 7};

class PageGrid : public PageWindow {
protected:
    void SetUp() override {
        PageWindow::SetUp();
        // Rows 4 (Expression*) and 5 (Wheel) locked; the style keeps velocity
        // and expression only.
        StyleFile style = DescribedStyle("Even.");
        style.header.StyleInitial = {0, 1, 1, 0, 0, 0, 96, 90, 80, 70};
        Install("Jazz", "Even", style);
        Open();
        ASSERT_EQ(page.Apply(), S_OK);  // clean, so each step shows what it marks
    }

    bool Visible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    // The page's own spin, made after the template's idle control of the same id.
    HWND Spin() const {
        HWND spin = nullptr;
        for (HWND w = nullptr; (w = FindWindowExA(page.m_hWnd, w, UPDOWN_CLASSA, nullptr)) != nullptr;) spin = w;
        return spin;
    }
    // Whether the editor and its spin show in place of the button.
    bool Editing(int button) const {
        EXPECT_EQ(Visible(1043), IsWindowVisible(Spin()) != FALSE);
        EXPECT_NE(Visible(1043), Visible(button));
        return Visible(1043);
    }
    bool Checked(int id) const { return Button(id).GetCheck() == BST_CHECKED; }
    int Depth(int row) { return *DepthField(*filter, row); }
    int Random(int row) { return *RandomField(*filter, row); }
    bool Dirty() { return page.IsPageDirty() == S_OK; }
    // Whether the page was marked modified since the last look.
    bool Modified() {
        const bool dirty = Dirty();
        page.Apply();
        return dirty;
    }
    // The five keep flags and their checks.
    std::pair<std::vector<std::uint32_t>, std::vector<bool>> Keeps() const {
        const InitialValues& i = filter->m_Initial;
        std::vector<bool> checks;
        for (int id = 1049; id <= 1053; ++id) checks.push_back(Checked(id));
        return {{i.bKeepVelocity, i.bKeepExpression, i.bKeepWheel, i.bKeepModulation, i.bKeepPan}, checks};
    }
    static std::pair<std::vector<std::uint32_t>, std::vector<bool>> Kept(std::vector<bool> kept) {
        return {std::vector<std::uint32_t>(kept.begin(), kept.end()), kept};
    }
};

// Each valid number typed is stored, Escape restores the old one, Enter and
// clicks elsewhere close the editor, and the page stays open.
TEST_F(PageGrid, TheEditorStoresWhatIsTypedUntilItCloses) {
    Click(1005);
    ASSERT_TRUE(Editing(1005));
    EXPECT_EQ(GetFocus(), Item(1043));
    EXPECT_EQ(Text(1043), "100");
    int lower = -1, upper = -1;
    SendMessageA(Spin(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(std::pair(lower, upper), std::pair(0, 200));
    RECT editor{}, button{};
    GetWindowRect(Item(1043), &editor);
    GetWindowRect(Item(1005), &button);
    EXPECT_EQ(editor.left, button.left);

    // The whole number is selected, so the first digit replaces it; 250 is out of range.
    for (const auto& [typed, stored, marked] : {std::tuple{"2", 2, true}, {"5", 25, true}, {"0", 25, false}}) {
        Type(typed);
        EXPECT_EQ(std::pair(Depth(2), Number(1005)), std::pair(stored, stored)) << typed;
        EXPECT_EQ(Modified(), marked) << typed;
    }
    PressKey(VK_ESCAPE);
    EXPECT_EQ(std::pair(Depth(2), Number(1005)), std::pair(100, 100));
    EXPECT_TRUE(Modified());
    EXPECT_FALSE(Editing(1005));
    EXPECT_EQ(GetFocus(), Item(1047));

    Click(1059);  // the pan value: 0..127
    ASSERT_TRUE(Editing(1059));
    SendMessageA(Item(1043), EM_SETSEL, 0, -1);
    Type("7");
    PressKey(VK_RETURN);
    EXPECT_FALSE(Editing(1059));
    EXPECT_EQ(GetFocus(), Item(1047));
    EXPECT_EQ(std::pair(int{filter->m_Initial.wPan}, Number(1059)), std::pair(7, 7));
    Click(1006);
    ASSERT_TRUE(Editing(1006));
    ClickAt(Spin(), {3, 2});  // its up arrow
    EXPECT_EQ(std::pair(Depth(3), Number(1006)), std::pair(101, 101));
    Click(1066);  // only closes the edit: the check under it stays as it was
    EXPECT_FALSE(Editing(1006));
    EXPECT_EQ(std::pair(Checked(1066), filter->m_abMuted[2]), std::pair(false, 0u));

    for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PressKey(key);
        EXPECT_TRUE(IsWindow(page.m_hWnd)) << key;
    }
}

TEST_F(PageGrid, ChecksChangeTheStateWithoutMarkingAndAGreyValueUnchecksOnly) {
    Click(1066);
    EXPECT_EQ(std::pair(Checked(1066), filter->m_abMuted[2]), std::pair(true, 1u));
    Click(1053);
    EXPECT_EQ(std::pair(Checked(1053), filter->m_Initial.bKeepPan), std::pair(true, 1u));
    Click(1071);
    EXPECT_EQ(filter->m_abMuted[7], 1u);
    EXPECT_FALSE(Dirty());

    Click(1005);  // grey: unmutes, no editor
    EXPECT_FALSE(Editing(1005));
    EXPECT_EQ(std::pair(Checked(1066), filter->m_abMuted[2]), std::pair(false, 0u));
    EXPECT_TRUE(Modified());
    Click(1056);  // the expression value is grey while kept
    EXPECT_FALSE(Editing(1056));
    EXPECT_EQ(std::pair(Checked(1050), filter->m_Initial.bKeepExpression), std::pair(false, 0u));
    EXPECT_TRUE(Modified());
    Click(1057);  // a green "del" does nothing
    EXPECT_FALSE(Editing(1057));
    EXPECT_FALSE(Dirty());
}

// The initial header cycles none, all and the style's keeps; the mute, depth
// and random headers reset the unlocked rows, and so does Clear.
TEST_F(PageGrid, TheHeadersAndClearResetTheUnlockedRows) {
    const auto stylesKeeps = Kept({true, true, false, false, false});
    ASSERT_EQ(Keeps(), stylesKeeps);
    Click(1027);  // some kept: none
    EXPECT_EQ(Keeps(), Kept({false, false, false, false, false}));
    Click(1027);
    EXPECT_EQ(Keeps(), Kept({true, true, true, true, true}));
    filter->m_Initial.wTempo = 50;
    filter->m_Initial.wPan = 3;
    Click(1027);
    EXPECT_EQ(Keeps(), stylesKeeps);
    EXPECT_EQ(filter->m_Initial.wTempo, 120);
    EXPECT_EQ(std::pair(int{filter->m_Initial.wPan}, Number(1059)), std::pair(70, 70));
    EXPECT_FALSE(Dirty());

    for (const bool muted : {true, false}) {
        Click(1017);
        for (const int row : kUnlockedRows)
            EXPECT_EQ(std::pair(filter->m_abMuted[row], Checked(1064 + row)), std::pair(muted ? 1u : 0u, muted)) << row;
        EXPECT_EQ(filter->m_abMuted[4] + filter->m_abMuted[5], 0u);
        EXPECT_FALSE(Dirty());
    }
    filter->m_Params.aEntry[1].wDepth = 150;
    Click(1018);
    EXPECT_EQ(std::pair(Depth(1), Number(1004)), std::pair(100, 100));
    EXPECT_TRUE(Modified());
    for (const int random : {0, 20}) {
        Click(1019);
        for (const int row : {1, 2, 3, 6})
            EXPECT_EQ(std::pair(Random(row), Number(1019 + row)), std::pair(random, random)) << row;
        EXPECT_EQ(Random(4), 20);
        EXPECT_TRUE(Modified());
    }

    // Clear puts back the style's values and unmutes.
    filter->m_Params.aEntry[1] = {150, 3};
    filter->m_Params.wVariableDepth = 7;
    filter->m_Initial.wVelocity = 5;
    Click(1067);
    Click(1053);
    Click(1026);
    for (const int row : kUnlockedRows) {
        EXPECT_EQ(std::tuple(Depth(row), Number(1003 + row), filter->m_abMuted[row], Checked(1064 + row)),
                  std::tuple(100, 100, 0u, false))
            << row;
        EXPECT_EQ(row < 7 ? Number(1019 + row) : 20, 20) << row;
    }
    EXPECT_EQ(std::pair(int{filter->m_Initial.wVelocity}, Number(1055)), std::pair(90, 90));
    EXPECT_EQ(Keeps(), stylesKeeps);
    EXPECT_TRUE(Modified());
}

struct RangeCase {
    int button;
    int shown;
    int check;
    const char* message;
};

class PageGridRange : public PageGrid, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(PageGridRange, ANumberOutOfRangeIsRefusedWithTheCodeHeldWhileTheBoxIsUp) {
    const RangeCase c = GetParam();
    Button(c.button).SetNumber(c.shown);
    SetErrorCode(kErrCantOpenFile);
    std::vector<std::string> texts;
    std::int32_t codeShown = kNoError;
    HWND focusShown = nullptr;
    platform::SetMessageBoxHandler([&](const std::string& text, unsigned) {
        texts.push_back(text);
        codeShown = GetErrorCode();
        focusShown = GetFocus();
        return IDOK;
    });
    Click(c.check);
    platform::SetMessageBoxHandler({});

    EXPECT_EQ(texts, std::vector<std::string>{c.message});
    EXPECT_EQ(ErrorMessage(codeShown), std::string(c.message));
    EXPECT_EQ(focusShown, Item(c.button));
    EXPECT_EQ(GetErrorCode(), kErrCantOpenFile);
    SetErrorCode(kNoError);
    EXPECT_EQ(std::tuple(Depth(2), Random(2), int{filter->m_Initial.wPan}), std::tuple(100, 20, 70));
}

INSTANTIATE_TEST_SUITE_P(Buttons, PageGridRange,
                         ::testing::Values(RangeCase{1005, 201, 1066, "Integer 0..200"},
                                           RangeCase{1021, 31, 1066, "Integer 0..30"},
                                           RangeCase{1059, 128, 1053, "Integer 0..127"}),
                         [](const auto& info) { return "Button" + std::to_string(info.param.button); });

}  // namespace
}  // namespace cantivo::test
