// What the grid and the keyboard ask of the regulators and the slider, in its
// plainest form: every axis rebound, both handles placed, no key taken.
#include "ui/page/prop_page.h"

namespace cantivo {

void CMFCSamplePropPage::RebindRow(int /*row*/) { BindRegulatorAxes(); }

void CMFCSamplePropPage::PlaceHandlesShowing(int /*row*/) { RedrawRegulators(); }

bool CMFCSamplePropPage::RouteArrowKey(const MSG& /*message*/) { return false; }

}  // namespace cantivo
