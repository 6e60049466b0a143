// The page's parameter grid: mute and keep checks, value buttons, the column
// headers and "Clear", and the row refresh that shows the state on them.
#include <algorithm>

#include "engine/error_code.h"
#include "resources/resource.h"
#include "styles/style_settings.h"
#include "ui/page/grid_fields.h"
#include "ui/page/prop_page.h"

namespace cantivo {

namespace {

constexpr int kMaxDepth = 200;
constexpr int kMaxRandom = 30;
constexpr int kMaxInitialValue = 127;
constexpr std::int16_t kDefaultDepth = 100;
constexpr std::int16_t kDefaultRandom = 20;

int RangeError(int upper) {
    switch (upper) {
        case kMaxDepth:
            return kErrInteger0To200;
        case kMaxRandom:
            return kErrInteger0To30;
        default:
            return kErrInteger0To127;
    }
}

// The code holds while its box is up; whatever was there before comes back.
void ShowRangeMessage(int upper) {
    const std::int32_t previous = GetErrorCode();
    SetErrorCode(RangeError(upper));
    ShowError();
    SetErrorCode(previous);
}

bool Checked(const ui::CGradBtn& button) { return button.GetCheck() == BST_CHECKED; }
int CheckFor(bool checked) { return checked ? BST_CHECKED : BST_UNCHECKED; }

}  // namespace

bool CMFCSamplePropPage::OnGridCommand(UINT id, UINT code) {
    if (m_pFilter == nullptr) return false;
    if (id == IDC_EDITOR) {
        if (code == EN_CHANGE) OnEditorChange();
        if (code == EN_KILLFOCUS) CloseEditor();
        return code == EN_CHANGE || code == EN_KILLFOCUS;
    }
    if (code != BN_CLICKED) return false;
    if (id >= IDC_MUTE_FIRST && id <= IDC_MUTE_LAST) {
        OnMuteCheck(static_cast<int>(id - IDC_MUTE_FIRST) + 1);
    } else if (id >= IDC_KEEP_FIRST && id <= IDC_KEEP_LAST) {
        OnKeepCheck(static_cast<int>(id - IDC_KEEP_FIRST));
    } else if (id >= IDC_INITIAL_FIRST && id <= IDC_INITIAL_LAST) {
        OnInitialButton(static_cast<int>(id - IDC_INITIAL_FIRST));
    } else if (id >= IDC_DEPTH_FIRST && id <= IDC_DEPTH_LAST) {
        OnValueButton(static_cast<int>(id - IDC_DEPTH_FIRST) + 1, true);
    } else if (id >= IDC_RANDOM_FIRST && id <= IDC_RANDOM_LAST) {
        OnValueButton(static_cast<int>(id - IDC_RANDOM_FIRST) + 1, false);
    } else if (id == IDC_HEAD_INITIAL) {
        OnKeepHeader();
    } else if (id == IDC_HEAD_MUTE) {
        OnMuteHeader();
    } else if (id == IDC_HEAD_DEPTH) {
        OnDepthHeader();
    } else if (id == IDC_HEAD_RANDOM) {
        OnRandomHeader();
    } else if (id == IDC_CLEAR) {
        OnClear();
    } else {
        return false;
    }
    return true;
}

void CMFCSamplePropPage::RefreshRows() {
    m_bReady = 0;
    for (int row = 1; row <= kVariableRow; ++row) EnableRow(row);
    UpdateVariableSlider();
    ClampParamsToLocks(*m_pFilter);
    ShowRowNumbers();
    BindRegulatorAxes();
    m_bReady = 1;
}

void CMFCSamplePropPage::ShowRows() {
    for (int row = 1; row <= kVariableRow; ++row) EnableRow(row);
    ShowRowNumbers();
}

void CMFCSamplePropPage::EnableRow(int row) {
    const bool locked = m_pFilter->m_abLocked[row] != 0;
    ui::CGradBtn* buttons[3] = {&m_muteChecks[row - 1], &m_depthButtons[row - 1],
                                row < kVariableRow ? &m_randomButtons[row - 1] : nullptr};
    const int face = FaceFor(Checked(m_muteChecks[row - 1]));
    for (ui::CGradBtn* button : buttons) {
        if (button == nullptr) continue;
        button->EnableWindow(!locked);
        if (locked) continue;
        if (button != buttons[0]) button->SetFaceIndex(face);
        button->Invalidate();
    }
}

void CMFCSamplePropPage::ShowRowNumbers() {
    for (int row = 1; row <= kVariableRow; ++row) {
        m_depthButtons[row - 1].SetNumber(*DepthField(*m_pFilter, row));
        if (row < kVariableRow) m_randomButtons[row - 1].SetNumber(*RandomField(*m_pFilter, row));
    }
}

bool CMFCSamplePropPage::StoreShownNumber(ui::CGradBtn& button, std::int16_t* field, int upper) {
    bool ok = false;
    const int number = button.GetNumber(ok);
    if (number >= 0 && number <= upper) {
        *field = static_cast<std::int16_t>(number);
        return true;
    }
    button.SetFocus();
    ShowRangeMessage(upper);
    return false;
}

// Does not mark the page modified: the numbers it stores are those shown.
void CMFCSamplePropPage::OnMuteCheck(int row) {
    EnableRow(row);
    if (m_bReady) {
        m_pFilter->m_abMuted[row] = Checked(m_muteChecks[row - 1]) ? 1 : 0;
        if (!StoreShownNumber(m_depthButtons[row - 1], DepthField(*m_pFilter, row), kMaxDepth)) return;
        if (row < kVariableRow)
            StoreShownNumber(m_randomButtons[row - 1], RandomField(*m_pFilter, row), kMaxRandom);
    }
    if (row == kVariableRow) UpdateVariableSlider();
    RebindRow(row);
}

// Does not mark the page modified either.
void CMFCSamplePropPage::OnKeepCheck(int keepRow) {
    const bool kept = Checked(m_keepChecks[keepRow]);
    m_initialButtons[keepRow].SetFaceIndex(FaceFor(kept));
    m_initialButtons[keepRow].Invalidate();
    if (!m_bReady) return;
    *KeepFlag(m_pFilter->m_Initial, keepRow) = kept ? 1 : 0;
    if (std::int16_t* value = InitialField(m_pFilter->m_Initial, keepRow); value != nullptr)
        StoreShownNumber(m_initialButtons[keepRow], value, kMaxInitialValue);
}

void CMFCSamplePropPage::OnInitialButton(int keepRow) {
    ui::CGradBtn& button = m_initialButtons[keepRow];
    if (Checked(m_keepChecks[keepRow])) {
        // A grey value is not in effect; the click puts it back in force.
        m_keepChecks[keepRow].SetCheck(BST_UNCHECKED);
        *KeepFlag(m_pFilter->m_Initial, keepRow) = 0;
        button.SetFaceIndex(kFaceGreen);
        button.Invalidate();
        MarkModified();
        return;
    }
    if (std::int16_t* value = InitialField(m_pFilter->m_Initial, keepRow); value != nullptr)
        OpenEditor(button, value, kMaxInitialValue);
}

void CMFCSamplePropPage::OnValueButton(int row, bool depth) {
    if (Checked(m_muteChecks[row - 1])) {
        m_muteChecks[row - 1].SetCheck(BST_UNCHECKED);
        m_pFilter->m_abMuted[row] = 0;
        EnableRow(row);
        if (row == kVariableRow) UpdateVariableSlider();
        RebindRow(row);
        MarkModified();
        return;
    }
    if (depth)
        OpenEditor(m_depthButtons[row - 1], DepthField(*m_pFilter, row), kMaxDepth);
    else
        OpenEditor(m_randomButtons[row - 1], RandomField(*m_pFilter, row), kMaxRandom);
}

// Cycles: nothing kept, everything kept, the style's own keeps (or nothing
// when the style keeps everything).
void CMFCSamplePropPage::OnKeepHeader() {
    const auto keptCount = [](InitialValues& initial) {
        int count = 0;
        for (int keepRow = 0; keepRow < kKeepRows; ++keepRow) count += *KeepFlag(initial, keepRow) != 0 ? 1 : 0;
        return count;
    };
    CMFCMidiFilter& filter = *m_pFilter;
    const int kept = keptCount(filter.m_Initial);
    if (kept == 0) {
        for (ui::CGradBtn& check : m_keepChecks) check.SetCheck(BST_CHECKED);
    } else if (kept == kKeepRows && keptCount(filter.m_StyleInitial) != kKeepRows) {
        ApplyStyleInitialValues(filter);
        ShowInitialValues();
    } else {
        for (ui::CGradBtn& check : m_keepChecks) check.SetCheck(BST_UNCHECKED);
    }
    for (int keepRow = 0; keepRow < kKeepRows; ++keepRow) OnKeepCheck(keepRow);
}

void CMFCSamplePropPage::OnMuteHeader() {
    const CMFCMidiFilter& filter = *m_pFilter;
    int unlocked = 0;
    int muted = 0;
    for (int row = 1; row <= kVariableRow; ++row) {
        if (filter.m_abLocked[row]) continue;
        ++unlocked;
        muted += filter.m_abMuted[row] ? 1 : 0;
    }
    if (unlocked == 0) return;
    for (int row = 1; row <= kVariableRow; ++row) {
        if (!filter.m_abLocked[row]) m_muteChecks[row - 1].SetCheck(CheckFor(muted == 0));
    }
    for (int row = 1; row <= kVariableRow; ++row) {
        if (!filter.m_abLocked[row]) OnMuteCheck(row);
    }
}

void CMFCSamplePropPage::OnDepthHeader() {
    m_bReady = 0;
    CMFCMidiFilter& filter = *m_pFilter;
    bool changed = false;
    bool changedInEffect = false;
    for (int row = 1; row <= kVariableRow; ++row) {
        std::int16_t* depth = DepthField(filter, row);
        if (filter.m_abLocked[row] || *depth == kDefaultDepth) continue;
        *depth = kDefaultDepth;
        changed = true;
        changedInEffect = changedInEffect || !filter.m_abMuted[row];
    }
    if (changed) RefreshRows();
    m_bReady = 1;
    if (changedInEffect) MarkModified();
}

// Toggles every unlocked random amount between 20 and 0.
void CMFCSamplePropPage::OnRandomHeader() {
    m_bReady = 0;
    CMFCMidiFilter& filter = *m_pFilter;
    bool allDefault = true;
    bool anyInEffect = false;
    for (int row = 1; row <= kRandomRows; ++row) {
        if (filter.m_abLocked[row]) continue;
        allDefault = allDefault && *RandomField(filter, row) == kDefaultRandom;
        anyInEffect = anyInEffect || !filter.m_abMuted[row];
    }
    const std::int16_t value = allDefault ? 0 : kDefaultRandom;
    for (int row = 1; row <= kRandomRows; ++row) {
        if (!filter.m_abLocked[row]) *RandomField(filter, row) = value;
    }
    RefreshRows();
    m_bReady = 1;
    if (anyInEffect) MarkModified();
}

void CMFCSamplePropPage::OnClear() {
    m_bReady = 0;
    ApplyStyleInitialValues(*m_pFilter);
    ResetParamsAndMutes(*m_pFilter);
    for (ui::CGradBtn& check : m_muteChecks) {
        check.SetCheck(BST_UNCHECKED);
        check.UpdateWindow();
    }
    ShowInitialValues();
    RefreshRows();
    m_bReady = 1;
    MarkModified();
}

}  // namespace cantivo
