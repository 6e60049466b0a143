#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "engine/error_code.h"
#include "tests/support/message_capture.h"
#include "tests/ui/test_dialogs.h"
#include "tests/ui/window_fixture.h"
#include "ui/framework/controls.h"
#include "ui/framework/dc.h"
#include "ui/framework/dialog.h"
#include "ui/framework/resource_handle.h"

namespace cantivo::test {
namespace {

using ui::CWnd;

// Switches the resource module to the test dialogs for one test.
class TestDialogModule {
public:
    TestDialogModule() : previous_(ui::AfxGetResourceHandle()) { ui::AfxSetResourceHandle(module_.Get()); }
    ~TestDialogModule() { ui::AfxSetResourceHandle(previous_); }
    HMODULE Module() const { return module_.Get(); }

private:
    ModuleBeside module_{"ui_test_dialogs.dll"};
    HINSTANCE previous_;
};

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
    EXPECT_EQ(CWnd::FromHandlePermanent(host.m_hWnd), &host);
    EXPECT_EQ(CWnd::FromHandlePermanent(GetDesktopWindow()), nullptr);
    EXPECT_FALSE(probe.Create(WS_CHILD, ui::CRect(0, 0, 1, 1), &host, 6));  // one window per object

    probe.DestroyWindow();
    EXPECT_EQ(probe.destroyed, 1);
    EXPECT_EQ(probe.ncDestroyed, 1);
    EXPECT_EQ(probe.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    // The object can make a new window afterwards.
    EXPECT_TRUE(probe.Create(WS_CHILD, ui::CRect(0, 0, 1, 1), &host, 6));
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
    ASSERT_EQ(capture.messages.size(), 2u);
    EXPECT_EQ(capture.messages[0], "No memory");
    EXPECT_EQ(capture.styles[0], static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(capture.messages[1], "broken");
    EXPECT_EQ(GetErrorCode(), kNoError);
    EXPECT_TRUE(IsWindow(probe.m_hWnd));
}

class ControlsDialog : public ui::CDialog {
public:
    ControlsDialog() : CDialog(IDD_TEST_DIALOG) {}

    std::string seenText;
    std::string seenChoice;
    int seenSpin = 0;
    int initialised = 0;

    ui::CEdit edit;
    ui::CComboBox combo;
    ui::CSpinButtonCtrl spin;
    ui::CButton check;
    ui::CStatic label;

protected:
    BOOL OnInitDialog() override {
        ++initialised;
        EXPECT_TRUE(edit.SubclassDlgItem(IDC_TEST_EDIT, this));
        EXPECT_TRUE(combo.SubclassDlgItem(IDC_TEST_COMBO, this));
        EXPECT_TRUE(spin.SubclassDlgItem(IDC_TEST_SPIN, this));
        EXPECT_TRUE(check.SubclassDlgItem(IDC_TEST_CHECK, this));
        EXPECT_TRUE(label.SubclassDlgItem(IDC_TEST_LABEL, this));
        combo.AddString("Swing");
        combo.AddString("Ballad");
        combo.SetCurSel(combo.FindStringExact(-1, "Swing"));
        spin.SetRange32(2, 64);
        spin.SetPos32(16);
        check.SetCheck(BST_CHECKED);
        label.SetWindowText("Ready");
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
    void OnOK() override {
        seenText = edit.GetWindowText();
        seenChoice = combo.GetLBText(combo.GetCurSel());
        seenSpin = spin.GetPos32();
        EXPECT_EQ(check.GetCheck(), BST_CHECKED);
        EXPECT_EQ(label.GetWindowText(), "Ready");
        EXPECT_EQ(combo.GetLBText(7), "");
        CDialog::OnOK();
    }
};

TEST_F(WindowTest, DialogsComeFromTheResourceModuleModalOrModeless) {
    {
        // Without the module that holds it, the template is not found.
        ControlsDialog missing;
        EXPECT_EQ(missing.DoModal(), -1);
        EXPECT_EQ(missing.initialised, 0);
    }
    TestDialogModule module;
    ASSERT_NE(module.Module(), nullptr);
    ControlsDialog modal;
    EXPECT_EQ(modal.DoModal(), IDOK);
    EXPECT_EQ(modal.initialised, 1);
    EXPECT_EQ(modal.seenText, "16");  // the spin's buddy
    EXPECT_EQ(modal.seenChoice, "Swing");
    EXPECT_EQ(modal.seenSpin, 16);
    EXPECT_EQ(modal.m_hWnd, nullptr);

    ControlsDialog modeless;
    ASSERT_TRUE(modeless.Create(IDD_TEST_DIALOG, &host));
    EXPECT_EQ(CWnd::FromHandlePermanent(modeless.m_hWnd), &modeless);
    PumpMessages();  // the posted OK ends a modeless dialog by destroying it
    EXPECT_EQ(modeless.m_hWnd, nullptr);
    EXPECT_EQ(modeless.seenChoice, "Swing");
}

}  // namespace
}  // namespace cantivo::test
