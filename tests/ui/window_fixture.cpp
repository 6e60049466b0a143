#include "tests/ui/window_fixture.h"

#include <memory>

#include "engine/error_code.h"
#include "ui/framework/message_box.h"
#include "ui/framework/resource_handle.h"

namespace cantivo::test {

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
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(static_cast<HFONT>(font_));
    if (message == WM_COMMAND) ++commands;
    return CWnd::WindowProc(message, wParam, lParam);
}

namespace {

// The plug-in file is where every test takes its resources from, and out of
// memory is reported as the plug-in's application reports it.
class WindowTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        plugin_ = std::make_unique<ModuleBeside>("QVB20x64.dll");
        ASSERT_NE(plugin_->Get(), nullptr);
        ui::AfxSetResourceHandle(plugin_->Get());
        ui::SetOutOfMemoryReporter([] { ReportError(kErrNoMemory); });
    }
    void TearDown() override {
        ui::SetOutOfMemoryReporter(nullptr);
        ui::AfxSetResourceHandle(nullptr);
        plugin_.reset();
    }

private:
    std::unique_ptr<ModuleBeside> plugin_;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new WindowTestEnvironment);

}  // namespace
}  // namespace cantivo::test
