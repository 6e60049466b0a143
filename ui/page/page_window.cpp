// The page's window: binding and preparing its controls and showing the
// filter's state on them.
#include <algorithm>
#include <span>
#include <string>

#include "engine/module_folder.h"
#include "options/options_settings.h"
#include "resources/resource.h"
#include "styles/style_information.h"
#include "styles/style_library.h"
#include "styles/style_loader.h"
#include "styles/style_settings.h"
#include "ui/framework/sent_message_wait.h"
#include "ui/page/grid_fields.h"
#include "ui/page/prop_page.h"

namespace cantivo {

namespace {

constexpr COLORREF kInformationLight = RGB(175, 255, 175);
constexpr COLORREF kInformationDark = RGB(75, 215, 75);
// Every other requirement and action stands out in the darker colour.
constexpr int kDarkInformation[] = {1106, 1108, 1110, 1112, 1115, 1117};

// A placeholder's rectangle in the page's client coordinates.
RECT PlaceOf(const ui::CWnd& page, int placeholderId) {
    RECT rect{};
    ::GetWindowRect(page.GetDlgItem(placeholderId), &rect);
    MapWindowPoints(nullptr, page.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace

BOOL CMFCSamplePropPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (OnGridCommand(LOWORD(wParam), HIWORD(wParam))) return TRUE;
    if (OnRegulatorCommand(LOWORD(wParam), HIWORD(wParam))) return TRUE;
    if (OnStyleChoiceCommand(LOWORD(wParam), HIWORD(wParam))) return TRUE;
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CMFCSamplePropPage::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_REFRESH_FROM_STATE) return OnRefreshFromState(wParam);
    if (message == ui::WM_REG2D_CHANGED) return OnRegulatorChanged(wParam, lParam);
    return CDialog::WindowProc(message, wParam, lParam);
}

void CMFCSamplePropPage::BindControls() {
    for (int i = 0; i < 14; ++i) m_information[i].SubclassDlgItem(IDC_INFO_FIRST + i, this);
    m_editor.SubclassDlgItem(IDC_EDITOR, this);
    m_description.SubclassDlgItem(IDC_DESCRIPTION, this);
    for (int i = 0; i < 5; ++i) {
        m_keepChecks[i].SubclassDlgItem(IDC_KEEP_FIRST + i, this);
        m_initialButtons[i].SubclassDlgItem(IDC_INITIAL_FIRST + i, this);
    }
    for (int i = 0; i < 7; ++i) {
        m_muteChecks[i].SubclassDlgItem(IDC_MUTE_FIRST + i, this);
        m_depthButtons[i].SubclassDlgItem(IDC_DEPTH_FIRST + i, this);
    }
    for (int i = 0; i < 6; ++i) m_randomButtons[i].SubclassDlgItem(IDC_RANDOM_FIRST + i, this);
    m_folders.SubclassDlgItem(IDC_FOLDER_LIST, this);
    m_styles.SubclassDlgItem(IDC_STYLE_LIST, this);
    for (int i = 0; i < 4; ++i) m_axes[i].SubclassDlgItem(IDC_AXIS_FIRST + i, this);
}

void CMFCSamplePropPage::PrepareGridButtons() {
    const ui::CRect strip(0, 0, 1, 32);
    m_grey.Create(RGB(210, 210, 210), -3, strip);
    m_green.Create(RGB(180, 255, 180), -3, strip);
    m_yellow.Create(RGB(192, 192, 70), 2, strip);
    m_red.Create(RGB(192, 100, 100), 2, strip);
    const auto prepare = [](std::span<ui::CGradBtn> buttons, ui::GradBtnMode mode, ui::CGradient* normal,
                            ui::CGradient* checked, ui::CGradient* other) {
        for (ui::CGradBtn& button : buttons) {
            button.SetButtonStyle(BS_OWNERDRAW, TRUE);
            button.SetMode(mode);
            button.SetFaces(normal, checked, other);
            button.Invalidate();
        }
    };
    prepare(m_keepChecks, ui::GradBtnMode::kToggle, &m_grey, &m_yellow, nullptr);
    prepare(m_muteChecks, ui::GradBtnMode::kToggle, &m_grey, &m_red, nullptr);
    prepare(m_initialButtons, ui::GradBtnMode::kMomentary, &m_grey, &m_green, &m_green);
    prepare(m_depthButtons, ui::GradBtnMode::kMomentary, &m_grey, &m_green, &m_green);
    prepare(m_randomButtons, ui::GradBtnMode::kMomentary, &m_grey, &m_green, &m_green);
}

void CMFCSamplePropPage::PrepareRegulators() {
    m_darkShadowPen.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    m_highlightPen.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DHILIGHT));
    m_shadowPen.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    m_facePen.CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    HBITMAP handleStates[8] = {};
    for (int i = 0; i < 8; ++i) {
        m_handleStates[i].LoadBitmap(IDB_REG2D_HANDLE);
        handleStates[i] = m_handleStates[i];
    }
    // The pattern stays with the page: the regulators do not draw it.
    m_pattern.LoadBitmap(IDB_REG2D_PATTERN);
    const int places[2] = {IDC_REG2D_PLACE_FIRST, IDC_REG2D_PLACE_SECOND};
    for (UINT r = 0; r < 2; ++r) {
        ui::CReg2D& regulator = m_regulators[r];
        regulator.SetPens(m_darkShadowPen, m_highlightPen, m_shadowPen, m_facePen);
        regulator.SetNotifyId(r);
        regulator.Handle().SetBitmaps(handleStates);
        regulator.Create(PlaceOf(*this, places[r]), this, IDC_REG2D_FIRST + r);
    }
}

void CMFCSamplePropPage::CreateRunTimeControls() {
    for (ui::CComboBox& list : m_axes) {
        for (const char* name : kAxisNames) list.AddString(name);
    }
    m_slider.Create(PlaceOf(*this, IDC_SLIDER_PLACE), this, IDC_SLIDER);
    m_slider.SetPens(m_darkShadowPen, m_highlightPen, m_shadowPen);
    m_slider.SetRange(0, 200);
    m_spin.SubclassWindow(CreateWindowExA(0, UPDOWN_CLASSA, "",
                                          WS_CHILD | UDS_ARROWKEYS | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_SETBUDDYINT,
                                          0, 0, 6, 10, m_hWnd, reinterpret_cast<HMENU>(IDC_SPIN),
                                          ui::AfxGetCodeInstance(), nullptr));
}

BOOL CMFCSamplePropPage::OnInitDialog() {
    CDialog::OnInitDialog();
    BindControls();
    if (m_pFilter == nullptr) return TRUE;  // the bare template

    PrepareGridButtons();
    PrepareRegulators();
    for (ui::CStaticBk& information : m_information) information.SetBackground(kInformationLight);
    for (const int id : kDarkInformation) m_information[id - IDC_INFO_FIRST].SetBackground(kInformationDark);
    CreateRunTimeControls();
    for (const std::string& folder : ListStyleFolders(ModuleFolder())) m_folders.AddString(folder);

    CMFCMidiFilter& filter = *m_pFilter;
    if (!filter.m_bLoaded && filter.m_bBypass) {
        filter.m_szStyleFolder[0] = '\0';
        filter.m_szStyleName[0] = '\0';
        std::fill(std::begin(filter.m_abMuted), std::end(filter.m_abMuted), 0u);
        const std::uint32_t axes[4] = {1, 2, 5, 4};
        std::copy(std::begin(axes), std::end(axes), filter.m_anAxis);
    }
    OnRefreshFromState(0);
    LoadOptionsSettings();
    m_bReady = 1;
    filter.m_pPage = this;
    return FALSE;
}

void CMFCSamplePropPage::OnDestroy() {
    m_darkShadowPen.DeleteObject();
    m_highlightPen.DeleteObject();
    m_shadowPen.DeleteObject();
    m_facePen.DeleteObject();
    m_pattern.DeleteObject();
    for (ui::CBitmap& bitmap : m_handleStates) bitmap.DeleteObject();
    if (m_pFilter != nullptr) m_pFilter->m_pPage = nullptr;
    CDialog::OnDestroy();
}

LRESULT CMFCSamplePropPage::OnRefreshFromState(WPARAM wParam) {
    if (wParam != 0) return 1;
    if (m_pFilter == nullptr || m_hWnd == nullptr) return 0;
    CMFCMidiFilter& filter = *m_pFilter;
    m_bReady = 0;
    const ParamSettings saved = filter.m_Params;

    SelectStoredEntry(m_folders, filter.m_szStyleFolder);
    if (filter.m_szStyleFolder[0] != '\0') FillStyleList();
    SelectStoredEntry(m_styles, filter.m_szStyleName);
    if (filter.m_szStyleName[0] != '\0') RunStyleLoader(true, true);
    filter.m_Params = saved;  // the user's settings win over the style's

    ClampInitialValues(filter);
    ShowInitialValues();
    for (int i = 0; i < 7; ++i) m_muteChecks[i].SetCheck(filter.m_abMuted[i + 1] ? BST_CHECKED : BST_UNCHECKED);
    for (int j = 0; j < 4; ++j) m_axes[j].SetCurSel(static_cast<int>(filter.m_anAxis[j]));
    RefreshRows();
    return 0;
}

void CMFCSamplePropPage::RunStyleLoader(bool interactive, bool keepSettings) {
    platform::CriticalSection& lock = m_pFilter->m_csLock;
    ui::EnterAnsweringSentMessages(lock);
    ::cantivo::LoadStyle(*m_pFilter, m_hWnd != nullptr ? this : nullptr, interactive, keepSettings);
    lock.Leave();
}

void CMFCSamplePropPage::ReloadStyle(CMFCMidiFilter& filter) {
    m_pFilter = &filter;
    RunStyleLoader(false, false);
}

void CMFCSamplePropPage::RefreshFromState(CMFCMidiFilter&) {
    if (m_hWnd != nullptr) SendMessage(WM_REFRESH_FROM_STATE);
}

void CMFCSamplePropPage::ShowInitialValues() {
    const InitialValues& initial = m_pFilter->m_Initial;
    const std::uint32_t keeps[5] = {initial.bKeepVelocity, initial.bKeepExpression, initial.bKeepWheel,
                                    initial.bKeepModulation, initial.bKeepPan};
    m_initialButtons[0].SetNumber(initial.wVelocity);
    m_initialButtons[1].SetNumber(initial.wExpression);
    m_initialButtons[4].SetNumber(initial.wPan);
    for (int i = 0; i < 5; ++i) {
        m_keepChecks[i].SetCheck(keeps[i] ? BST_CHECKED : BST_UNCHECKED);
        m_initialButtons[i].SetFaceIndex(FaceFor(keeps[i] != 0));
        m_initialButtons[i].Invalidate();
    }
}

void CMFCSamplePropPage::ShowStyleInformation(const StyleFileHeader& header, bool interactive) {
    for (const auto& [id, text] : StyleRequirementTexts(header)) m_information[id - IDC_INFO_FIRST].SetWindowText(text);
    const StyleDescription description = ParseStyleDescription(header);
    if (interactive) {
        for (const auto& [axis, value] : description.axisPresets) {
            if (axis < 0 || axis >= 4 || m_pFilter->m_anAxis[axis] == static_cast<std::uint32_t>(value)) continue;
            m_pFilter->m_anAxis[axis] = static_cast<std::uint32_t>(value);
            m_axes[axis].SetCurSel(value);
        }
    }
    SetDlgItemTextA(m_hWnd, IDC_VARIABLE_LABEL, description.variableLabel.c_str());
    m_description.SetWindowText(description.text);
}

void CMFCSamplePropPage::EnableOkButton(bool enable) {
    HWND ok = GetDlgItem(IDOK);
    if (ok == nullptr) ok = ::GetDlgItem(GetParent(), IDOK);
    if (ok != nullptr) ::EnableWindow(ok, enable);
}

}  // namespace cantivo
