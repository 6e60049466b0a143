#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "tests/ui/window_fixture.h"
#include "ui/framework/win_app.h"

namespace cantivo::test {
namespace {

// The title the help project gives the compiled file.
std::string ProjectTitle() {
    std::ifstream project(CANTIVO_HELP_PROJECT);
    const std::string key = "Title=";
    for (std::string line; std::getline(project, line);) {
        if (line.rfind(key, 0) == 0) return line.substr(key.size());
    }
    return {};
}

// Without a file, or with a missing one, nothing opens.
TEST_F(WindowTest, HelpShowsTheHelpFileUnderItsOwnTitle) {
    const std::string title = ProjectTitle();
    ASSERT_FALSE(title.empty());
    ui::CWinApp app;
    EXPECT_FALSE(app.HtmlHelp(host.m_hWnd, 0, 0));
    app.m_strHelpFilePath = BesideThisProgram("missing.chm");
    EXPECT_FALSE(app.HtmlHelp(host.m_hWnd, 0, 0));
    PumpMessages();
    EXPECT_EQ(HelpFrame(), nullptr);

    app.m_strHelpFilePath = BesideThisProgram("QVB20.chm");
    ASSERT_TRUE(app.HtmlHelp(host.m_hWnd, 0, 0));
    PumpMessages();
    const HWND frame = HelpFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(IsWindowVisible(frame));
    char caption[256] = {};
    GetWindowTextA(frame, caption, sizeof caption);
    EXPECT_EQ(caption, title);
    SendMessageA(frame, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(frame));
}

}  // namespace
}  // namespace cantivo::test
