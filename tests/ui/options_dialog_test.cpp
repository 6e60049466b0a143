#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <functional>
#include <string>

#include "engine/error_code.h"
#include "options/options_settings.h"
#include "platform/registry.h"
#include "resources/resource.h"
#include "tests/support/message_capture.h"
#include "tests/support/options_registry.h"
#include "ui/options/options_dialog.h"

namespace cantivo::test {
namespace {

using platform::RegistryKey;

// The script a test plays in the modal dialog once it shows. A cancel is
// posted after it: a dialog the script ended leaves its modal loop before
// the cancel comes, one it left open (a failed assertion) is closed by it.
std::function<void(HWND)>* g_script = nullptr;

void CALLBACK PlayScript(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowA(nullptr, "Options");
    if (dialog == nullptr) return;  // not shown yet: the next tick
    KillTimer(nullptr, timer);
    (*g_script)(dialog);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

void Click(HWND dialog, int id) { SendMessageA(Item(dialog, id), BM_CLICK, 0, 0); }

// Selects what the edit holds and types over it.
void Type(HWND dialog, int id, const std::string& text) {
    const HWND edit = Item(dialog, id);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 1);
}

std::string Text(HWND dialog, int id) {
    char text[64] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(Item(dialog, id)) != FALSE; }

class OptionsDialog : public OptionsRegistryTest {
protected:
    // What the page's "Options..." does, with `script` played in the dialog.
    static void Open(std::function<void(HWND)> script) {
        g_script = &script;
        SetTimer(nullptr, 0, 10, PlayScript);
        OpenOptions();
        g_script = nullptr;
    }

    MessageCapture boxes;
};

// The entries sit in their controls, each row follows its check box, and a
// cancel saves nothing; an expression controller without a button has become
// 11 all the same. A refused value keeps the dialog open on the offending
// edit, a switched-off row's included; what OK finally accepts is saved.
TEST_F(OptionsDialog, ShowsTheSettingsRefusesOutOfRangeNumbersAndSavesOnlyOnOk) {
    for (auto [name, value] : {std::pair{"VolB", 5}, {"Ctrl", 60}, {"BIVol", 0}, {"IVol", 30}, {"IPan", 9}})
        Put(name, value);
    LoadOptionsSettings();
    OptionsSettings expected = g_Options;
    expected.VolB = 11;
    Open([&](HWND dialog) {
        EXPECT_TRUE(Checked(dialog, IDC_OPTIONS_EXPRESSION));
        for (int other : {IDC_OPTIONS_VOLUME, IDC_OPTIONS_BREATH, IDC_OPTIONS_BRIGHTNESS})
            EXPECT_FALSE(Checked(dialog, other)) << other;
        EXPECT_EQ(Text(dialog, IDC_OPTIONS_CONTROLLER), "60");
        EXPECT_EQ(Text(dialog, IDC_OPTIONS_INTERVAL_EXPRESSION), "30");
        EXPECT_EQ(Text(dialog, IDC_OPTIONS_INTERVAL_PAN), "9");
        EXPECT_FALSE(Checked(dialog, IDC_OPTIONS_THIN_EXPRESSION));
        EXPECT_FALSE(Enabled(dialog, IDC_OPTIONS_SPIN_EXPRESSION));
        EXPECT_TRUE(Checked(dialog, IDC_OPTIONS_THIN_WHEEL));
        for (int tempo : {IDC_OPTIONS_THIN_TEMPO, IDC_OPTIONS_INTERVAL_TEMPO, IDC_OPTIONS_SPIN_TEMPO})
            EXPECT_FALSE(GetWindowLongA(Item(dialog, tempo), GWL_STYLE) & WS_VISIBLE) << tempo;

        Click(dialog, IDC_OPTIONS_THIN_EXPRESSION);
        EXPECT_TRUE(Enabled(dialog, IDC_OPTIONS_INTERVAL_EXPRESSION));
        // The up arrow of the row's up-down counts the edit up.
        const HWND spin = Item(dialog, IDC_OPTIONS_SPIN_EXPRESSION);
        RECT area;
        GetClientRect(spin, &area);
        SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(area.right / 2, 2));
        SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(area.right / 2, 2));
        EXPECT_EQ(Text(dialog, IDC_OPTIONS_INTERVAL_EXPRESSION), "31");
        Click(dialog, IDC_OPTIONS_THIN_WHEEL);
        EXPECT_FALSE(Enabled(dialog, IDC_OPTIONS_INTERVAL_WHEEL));
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(g_Options, expected);
    EXPECT_EQ(Stored().QueryDword("VolB"), 5u);
    EXPECT_EQ(Stored().ValueNames().size(), 5u);

    Open([&](HWND dialog) {
        auto expectRefused = [&](int id, const char* message) {
            ASSERT_FALSE(boxes.messages.empty());
            EXPECT_EQ(boxes.messages.back(), message);
            EXPECT_EQ(GetErrorCode(), kNoError);
            EXPECT_EQ(GetFocus(), Item(dialog, id));
            EXPECT_TRUE(Enabled(dialog, id));
            DWORD start = 1, end = 0;
            SendMessageA(Item(dialog, id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            EXPECT_EQ((std::pair{start, end}), (std::pair{DWORD{0}, static_cast<DWORD>(Text(dialog, id).size())}));
        };
        Type(dialog, IDC_OPTIONS_CONTROLLER, "128");
        Click(dialog, IDOK);
        expectRefused(IDC_OPTIONS_CONTROLLER, "Integer 0..127");

        Type(dialog, IDC_OPTIONS_CONTROLLER, "127");
        Click(dialog, IDC_OPTIONS_BRIGHTNESS);
        Type(dialog, IDC_OPTIONS_INTERVAL_WHEEL, "65");
        Click(dialog, IDC_OPTIONS_THIN_WHEEL);  // off: the edit is disabled but still checked
        Click(dialog, IDOK);
        expectRefused(IDC_OPTIONS_INTERVAL_WHEEL, "Integer 2..64");
        Type(dialog, IDC_OPTIONS_INTERVAL_WHEEL, "64");
        Click(dialog, IDOK);
    });
    EXPECT_EQ(boxes.messages.size(), 2u);
    RegistryKey key = Stored();
    EXPECT_EQ(key.ValueNames().size(), 12u);
    for (const auto& [name, value] : {std::pair{"VolB", 74u}, {"Ctrl", 127u}, {"BIPch", 0u}, {"IPch", 64u}})
        EXPECT_EQ(key.QueryDword(name), value) << name;
}

}  // namespace
}  // namespace cantivo::test
