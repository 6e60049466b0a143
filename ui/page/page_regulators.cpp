// The page's two regulators and its variable slider: the depth each axis
// moves, what the page does when the user moves them, and the arrow keys that
// must reach their handles rather than move the focus.
#include <cstddef>
#include <utility>

#include "resources/resource.h"
#include "ui/page/grid_fields.h"
#include "ui/page/prop_page.h"

namespace cantivo {

namespace {

// The depth a regulator axis moves; none for an assignment outside the lists.
std::int16_t* AxisDepth(CMFCMidiFilter& filter, std::uint32_t axis) {
    if (axis >= std::size(kAxisNames)) return nullptr;
    return DepthField(filter, static_cast<int>(axis) + 1);
}

bool AxisEnabled(const CMFCMidiFilter& filter, std::uint32_t axis) {
    if (axis >= std::size(kAxisNames)) return false;
    const std::size_t row = axis + 1;
    return !filter.m_abLocked[row] && !filter.m_abMuted[row];
}

bool IsArrowKey(WPARAM key) { return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN; }

}  // namespace

bool CMFCSamplePropPage::OnRegulatorCommand(UINT id, UINT code) {
    if (id < IDC_AXIS_FIRST || id > IDC_AXIS_LAST || code != CBN_SELCHANGE) return false;
    const int axis = static_cast<int>(id - IDC_AXIS_FIRST);
    const int chosen = m_axes[axis].GetCurSel();
    if (chosen < 0 || m_pFilter == nullptr) return true;
    // Only which depth the regulator shows changes: the page stays as clean as it was.
    m_pFilter->m_anAxis[axis] = static_cast<std::uint32_t>(chosen);
    BindRegulator(axis / 2);
    m_regulators[axis / 2].PlaceHandle();
    return true;
}

void CMFCSamplePropPage::BindRegulator(int regulator) {
    CMFCMidiFilter& filter = *m_pFilter;
    const std::uint32_t x = filter.m_anAxis[2 * regulator];
    const std::uint32_t y = filter.m_anAxis[2 * regulator + 1];
    m_regulators[regulator].BindValues(AxisDepth(filter, x), AxisDepth(filter, y));
    m_regulators[regulator].EnableAxes(AxisEnabled(filter, x), AxisEnabled(filter, y));
}

bool CMFCSamplePropPage::RegulatorShows(int regulator, int row) const {
    const auto nameIndex = static_cast<std::uint32_t>(row - 1);
    return m_pFilter->m_anAxis[2 * regulator] == nameIndex || m_pFilter->m_anAxis[2 * regulator + 1] == nameIndex;
}

void CMFCSamplePropPage::BindRegulatorAxes() {
    for (int r = 0; r < 2; ++r) BindRegulator(r);
    RedrawRegulators();
}

void CMFCSamplePropPage::RedrawRegulators() {
    for (ui::CReg2D& regulator : m_regulators) {
        regulator.PlaceHandle();
        regulator.Handle().Invalidate();
    }
}

void CMFCSamplePropPage::RebindRow(int row) {
    for (int r = 0; r < 2; ++r) {
        if (!RegulatorShows(r, row)) continue;
        BindRegulator(r);
        m_regulators[r].Handle().Invalidate();  // where it stands: an axis may have switched off
    }
}

void CMFCSamplePropPage::PlaceHandlesShowing(int row) {
    for (int r = 0; r < 2; ++r) {
        if (RegulatorShows(r, row)) m_regulators[r].PlaceHandle();
    }
}

void CMFCSamplePropPage::ShowDepth(int row) {
    const ParamSettings& params = m_pFilter->m_Params;
    if (row < kVariableRow) {
        m_depthButtons[row - 1].SetNumber(params.aEntry[row].wDepth);
        return;
    }
    m_depthButtons[row - 1].SetNumber(params.wVariableDepth);
    m_slider.SetPos(m_pFilter->m_abLocked[kVariableRow] ? 100 : params.wVariableDepth);
}

LRESULT CMFCSamplePropPage::OnRegulatorChanged(WPARAM notifyId, LPARAM code) {
    if (m_pFilter == nullptr) return 0;
    const int sender = notifyId != 0 ? 1 : 0;
    int changed[2] = {};
    int count = 0;
    for (const auto& [bit, axis] : {std::pair{ui::kRegChangedX, 0}, std::pair{ui::kRegChangedY, 1}}) {
        if ((code & bit) == 0) continue;
        const std::uint32_t nameIndex = m_pFilter->m_anAxis[2 * sender + axis];
        const int row = static_cast<int>(nameIndex) + 1;
        // Both axes on one parameter: it changed once.
        if (nameIndex < std::size(kAxisNames) && (count == 0 || changed[0] != row)) changed[count++] = row;
    }
    bool otherShows = false;
    for (int i = 0; i < count; ++i) {
        ShowDepth(changed[i]);
        otherShows = otherShows || RegulatorShows(1 - sender, changed[i]);
    }
    m_regulators[sender].PlaceHandle();
    if (otherShows) m_regulators[1 - sender].PlaceHandle();
    MarkModified();
    return 0;
}

void CMFCSamplePropPage::UpdateVariableSlider() {
    const CMFCMidiFilter& filter = *m_pFilter;
    const bool locked = filter.m_abLocked[kVariableRow] != 0;
    m_slider.EnableSlider(!locked && !filter.m_abMuted[kVariableRow]);
    m_slider.SetPos(locked ? 100 : filter.m_Params.wVariableDepth);
}

// Every change the user makes arrives as a thumb track; the end of a scroll
// carries nothing new.
void CMFCSamplePropPage::OnHScroll(UINT code, UINT, HWND) {
    if (code == SB_ENDSCROLL || m_pFilter == nullptr) return;
    m_pFilter->m_Params.wVariableDepth = static_cast<std::int16_t>(m_slider.GetPos());
    m_depthButtons[kVariableRow - 1].SetNumber(m_pFilter->m_Params.wVariableDepth);
    PlaceHandlesShowing(kVariableRow);
    MarkModified();
}

bool CMFCSamplePropPage::RouteArrowKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || !IsArrowKey(message.wParam)) return false;
    const HWND focus = ::GetFocus();
    if (focus == nullptr) return false;
    for (const HWND handle : {m_regulators[0].Handle().m_hWnd, m_regulators[1].Handle().m_hWnd}) {
        if (focus != handle) continue;
        ::SendMessageA(handle, message.message, message.wParam, message.lParam);
        return true;
    }
    return false;
}

}  // namespace cantivo
