#include "ui/options/options_dialog.h"

#include <iterator>
#include <string>

#include "resources/resource.h"
#include "ui/framework/resource_handle.h"
#include "ui/framework/win_app.h"

namespace cantivo {

namespace {

constexpr UINT kRadioIds[] = {IDC_OPTIONS_VOLUME, IDC_OPTIONS_EXPRESSION, IDC_OPTIONS_BREATH, IDC_OPTIONS_BRIGHTNESS};
constexpr std::uint8_t kRadioControllers[] = {7, 11, 2, 74};
constexpr UINT kCheckIds[] = {IDC_OPTIONS_THIN_EXPRESSION, IDC_OPTIONS_THIN_WHEEL, IDC_OPTIONS_THIN_MODULATION,
                              IDC_OPTIONS_THIN_PAN};
constexpr UINT kEditIds[] = {IDC_OPTIONS_INTERVAL_EXPRESSION, IDC_OPTIONS_INTERVAL_WHEEL,
                             IDC_OPTIONS_INTERVAL_MODULATION, IDC_OPTIONS_INTERVAL_PAN};
constexpr UINT kSpinIds[] = {IDC_OPTIONS_SPIN_EXPRESSION, IDC_OPTIONS_SPIN_WHEEL, IDC_OPTIONS_SPIN_MODULATION,
                             IDC_OPTIONS_SPIN_PAN};
constexpr UINT kTempoSpin = IDC_OPTIONS_SPIN_TEMPO;
constexpr int kMinInterval = 2;
constexpr int kMaxInterval = 64;
constexpr int kMaxController = 127;

}  // namespace

COptions::COptions(ui::CWnd* parent) : CDialog(IDD_OPTIONS, parent) {}

BOOL COptions::OnInitDialog() {
    CDialog::OnInitDialog();
    const OptionsEntries entries = EntriesFor(g_Options);
    m_nExpressionController = entries.expressionController;
    m_nPhraseFlag = entries.phraseFlag;
    for (std::size_t i = 0; i < std::size(kRadioIds); ++i)
        CheckDlgButton(m_hWnd, kRadioIds[i], kRadioControllers[i] == m_nExpressionController ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(m_hWnd, IDC_OPTIONS_CONTROLLER_SPIN, UDM_SETRANGE32, 0, kMaxController);
    SetDlgItemTextA(m_hWnd, IDC_OPTIONS_CONTROLLER, entries.controller.c_str());
    for (UINT spin = kTempoSpin; spin <= kSpinIds[kRowPan]; ++spin)
        SendDlgItemMessageA(m_hWnd, spin, UDM_SETRANGE32, kMinInterval, kMaxInterval);
    for (int row = 0; row < kThinningRows; ++row) {
        CheckDlgButton(m_hWnd, kCheckIds[row], entries.thinning[row] ? BST_CHECKED : BST_UNCHECKED);
        SetDlgItemTextA(m_hWnd, kEditIds[row], entries.intervals[row].c_str());
        EnableRow(row);
    }
    return TRUE;
}

void COptions::EnableRow(int row) {
    const BOOL on = IsDlgButtonChecked(m_hWnd, kCheckIds[row]) == BST_CHECKED;
    ::EnableWindow(GetDlgItem(kEditIds[row]), on);
    ::EnableWindow(GetDlgItem(kSpinIds[row]), on);
}

OptionsEntries COptions::ReadEntries() const {
    auto text = [this](UINT id) {
        char buffer[64] = {};
        GetDlgItemTextA(m_hWnd, static_cast<int>(id), buffer, sizeof buffer);
        return std::string(buffer);
    };
    OptionsEntries entries;
    entries.expressionController = m_nExpressionController;
    entries.phraseFlag = m_nPhraseFlag;
    entries.controller = text(IDC_OPTIONS_CONTROLLER);
    for (int row = 0; row < kThinningRows; ++row) {
        entries.thinning[row] = IsDlgButtonChecked(m_hWnd, kCheckIds[row]) == BST_CHECKED;
        entries.intervals[row] = text(kEditIds[row]);
    }
    return entries;
}

void COptions::Refuse(UINT editId, ErrorCode code) {
    const HWND edit = GetDlgItem(static_cast<int>(editId));
    ::EnableWindow(edit, TRUE);
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ReportError(code);
}

void COptions::OnOK() {
    if (const auto refused = TakeOverEntries(ReadEntries(), g_Options)) {
        Refuse(refused->row ? kEditIds[*refused->row] : IDC_OPTIONS_CONTROLLER, refused->code);
        return;
    }
    CDialog::OnOK();
}

BOOL COptions::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    for (std::size_t i = 0; i < std::size(kRadioIds); ++i) {
        if (id == kRadioIds[i]) {
            m_nExpressionController = kRadioControllers[i];
            return TRUE;
        }
    }
    for (int row = 0; row < kThinningRows; ++row) {
        if (id == kCheckIds[row]) {
            EnableRow(row);
            return TRUE;
        }
    }
    if (id == IDC_OPTIONS_HELP) {
        if (ui::CWinApp* app = ui::AfxGetApp()) app->HtmlHelp(m_hWnd, 0, 0);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void OpenOptions(ui::CWnd* owner) {
    ui::ModuleResources resources;
    COptions dialog(owner);
    if (dialog.DoModal() == IDOK) SaveOptionsSettings();
}

}  // namespace cantivo
