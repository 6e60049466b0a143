#include "tests/ui/window_fixture.h"

#include <memory>

#include "engine/error_code.h"
#include "ui/controls/reg2d.h"
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

HWND HelpFrame() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            char name[64] = {};
            GetClassNameA(window, name, sizeof name);
            if (lstrcmpA(name, "HH Parent") != 0) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
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

std::vector<HostWindow::Notification> HostWindow::Received(UINT message) const {
    std::vector<Notification> received;
    for (const Notification& n : notifications_)
        if (n.message == message) received.push_back(n);
    return received;
}

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(static_cast<HFONT>(font_));
    if (message != WM_HSCROLL && message != WM_COMMAND && message < WM_USER)
        return CWnd::WindowProc(message, wParam, lParam);
    notifications_.push_back({message, wParam, lParam});
    if (message == ui::WM_REG2D_CHANGED) {
        auto* pad = dynamic_cast<ui::CReg2D*>(FromHandlePermanent(GetDlgItem(static_cast<int>(wParam))));
        if (pad != nullptr) pad->PlaceHandle();
    }
    return 0;
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
