// The page's regulators, slider, style lists and buttons driven with real
// messages: what each leaves in the filter's state and on the controls.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <ostream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/error_code.h"
#include "tests/ui/page_fixture.h"
#include "ui/controls/reg2d.h"
#include "ui/controls/slider.h"
#include "ui/framework/win_app.h"

namespace cantivo::test {
namespace {

constexpr std::int16_t kVelocity = 3;

class PageControls : public PageWindow {
protected:
    void SetUp() override {
        PageWindow::SetUp();
        Install("Jazz", "Even", DescribedStyle("Straight and even."));
        Install("Pop", "Anthem", DescribedStyle("Loud and proud."));
        Install("Pop", "Ballad", DescribedStyle("Slow."));
        Open();
        ASSERT_EQ(page.Apply(), S_OK);
    }

    HWND RegulatorHandle(int id) const { return GetDlgItem(Item(id), ui::kReg2DHandleId); }
    // The slider shares its id with the description: it is the one with a handle.
    HWND SliderHandle() const {
        HWND child = nullptr;
        while ((child = FindWindowExA(page.m_hWnd, child, nullptr, nullptr)) != nullptr) {
            if (const HWND handle = GetDlgItem(child, ui::kSliderHandleId)) return handle;
        }
        return nullptr;
    }
    static RECT Place(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        return rect;
    }
    // Pressed on the handle's centre, moved dx to the right and released.
    void Drag(HWND handle, int dx) {
        const RECT client = Place(handle);
        const int x = (client.right - client.left) / 2;
        const int y = (client.bottom - client.top) / 2;
        PostMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
        PostMessageA(handle, WM_MOUSEMOVE, MK_LBUTTON, PointParam(x + dx, y));
        PostMessageA(handle, WM_LBUTTONUP, 0, PointParam(x + dx, y));
        Pump();
    }
};

// An axis choice keeps the page clean, and a drag moves every handle on its parameter.
TEST_F(PageControls, TheRegulatorsAndTheSliderSetTheirParameters) {
    filter->m_Params.aEntry[kVelocity].wDepth = 160;
    const RECT centred = Place(RegulatorHandle(1000));
    Choose(1028, "Velocity");
    Choose(1031, "Velocity");
    EXPECT_EQ(std::pair(filter->m_anAxis[0], filter->m_anAxis[3]), std::pair(2u, 2u));
    EXPECT_GT(Place(RegulatorHandle(1000)).left, centred.left);
    EXPECT_EQ(page.IsPageDirty(), S_FALSE);

    const RECT second = Place(RegulatorHandle(1001));
    Drag(RegulatorHandle(1000), 20);
    EXPECT_EQ(std::pair(int{filter->m_Params.aEntry[kVelocity].wDepth}, Number(1006)), std::pair(180, 180));
    EXPECT_LT(Place(RegulatorHandle(1001)).top, second.top);  // its Y axis shows the higher depth
    EXPECT_EQ(page.IsPageDirty(), S_OK);
    EXPECT_EQ(filter->m_bBypass, 0u);

    // A muted row switches off every axis that shows it, until it is unmuted.
    const auto& first = *static_cast<ui::CReg2D*>(ui::CWnd::FromHandlePermanent(Item(1000)));
    const auto& other = *static_cast<ui::CReg2D*>(ui::CWnd::FromHandlePermanent(Item(1001)));
    for (const bool muted : {true, false}) {
        Click(1067);
        EXPECT_EQ(filter->m_abMuted[kVelocity], muted ? 1u : 0u);
        // Modulation, other's X axis, stays on.
        EXPECT_EQ(std::tuple(first.XEnabled(), other.YEnabled(), other.XEnabled()), std::tuple(!muted, !muted, true));
    }

    // The slider sets the variable depth and keeps the arrow keys on its handle.
    ASSERT_EQ(page.Apply(), S_OK);
    Choose(1029, "Variable");
    const RECT variable = Place(RegulatorHandle(1000));
    const HWND handle = SliderHandle();
    ASSERT_EQ(filter->m_Params.wVariableDepth, 100);
    Drag(handle, 50);
    EXPECT_EQ(std::pair(int{filter->m_Params.wVariableDepth}, Number(1010)), std::pair(150, 150));
    EXPECT_LT(Place(RegulatorHandle(1000)).top, variable.top);
    EXPECT_EQ(page.IsPageDirty(), S_OK);

    ASSERT_EQ(GetFocus(), handle);
    MSG key{handle, WM_KEYDOWN, VK_RIGHT, 1, 0, {}};
    EXPECT_EQ(page.TranslateAccelerator(&key), S_OK);
    EXPECT_EQ(filter->m_Params.wVariableDepth, 151);
    EXPECT_EQ(GetFocus(), handle);
}

struct FolderCase {
    const char* name;
    int refusedAt;  // where a "[" entry stands in the folder list: -1 last, 0 first
    const char* chosen;
    const char* listedFolder;
    const char* listedStyle;
    const char* folder;       // the state's names afterwards
    const char* style;
    const char* description;  // the style shown
    int focus;                // the list with the focus
    std::vector<std::string> messages;
};

void PrintTo(const FolderCase& c, std::ostream* out) { *out << c.name; }

class FolderChoice : public PageControls, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(FolderChoice, LoadsTheFoldersFirstStyleOrFallsBackOnce) {
    const FolderCase& c = GetParam();
    Choose(1048, "Pop");
    ASSERT_STREQ(filter->m_szStyleName, "Anthem");
    SendMessageA(Item(1048), CB_INSERTSTRING, static_cast<WPARAM>(c.refusedAt),
                 reinterpret_cast<LPARAM>("[No styles]"));
    SetFocus(Item(1048));
    Choose(1048, c.chosen);

    EXPECT_EQ(Selected(1048), c.listedFolder);
    EXPECT_EQ(Selected(1047), c.listedStyle);
    EXPECT_STREQ(filter->m_szStyleFolder, c.folder);
    EXPECT_STREQ(filter->m_szStyleName, c.style);
    EXPECT_EQ(Text(1002), c.description);
    EXPECT_EQ(GetFocus(), Item(c.focus));
    EXPECT_EQ(messages.messages, c.messages);
    EXPECT_EQ(GetErrorCode(), c.messages.empty() ? kNoError : kErrCantOpenFile);
    SetErrorCode(kNoError);
}

INSTANTIATE_TEST_SUITE_P(
    PageControls, FolderChoice,
    ::testing::Values(
        FolderCase{"Chosen", -1, "Jazz", "Jazz", "Even", "Jazz", "Even", "Straight and even.", 1047, {}},
        FolderCase{"Refused", -1, "[", "Jazz", "Even", "Jazz", "Even", "Straight and even.", 1047,
                   {"Can't open file"}},
        FolderCase{"RefusedFirst", 0, "[", "[No styles]", "", "Pop", "Anthem", "Loud and proud.", 1048,
                   {"Can't open file"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The Options dialog's owner, taken once it shows; a cancel then closes it.
HWND g_optionsOwner = nullptr;

void CALLBACK CloseOptions(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowA(nullptr, "Options");
    if (dialog == nullptr) return;
    KillTimer(nullptr, timer);
    g_optionsOwner = GetWindow(dialog, GW_OWNER);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// The title the help project gives the compiled file.
std::string ProjectTitle() {
    std::ifstream project(CANTIVO_HELP_PROJECT);
    const std::string key = "Title=";
    for (std::string line; std::getline(project, line);) {
        if (line.rfind(key, 0) == 0) return line.substr(key.size());
    }
    return {};
}

TEST_F(PageControls, OptionsAndHelpOpenTheirWindowsOverThePage) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseOptions);
    Click(1046);
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_optionsOwner, host.m_hWnd);

    ui::CWinApp app;
    app.m_strHelpFilePath = BesideThisProgram("QVB20.chm");
    Click(1060);
    const HWND help = FindWindowA("HH Parent", nullptr);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(IsWindowVisible(help));
    char caption[256] = {};
    GetWindowTextA(help, caption, sizeof caption);
    EXPECT_EQ(caption, ProjectTitle());
    SendMessageA(help, WM_CLOSE, 0, 0);
    EXPECT_EQ(page.IsPageDirty(), S_FALSE);
}

}  // namespace
}  // namespace cantivo::test
