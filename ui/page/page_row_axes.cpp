// What shows a grid row on the regulators, after the row's mute or depth changed.
#include "ui/page/prop_page.h"

namespace cantivo {

void CMFCSamplePropPage::RebindRow(int /*row*/) { BindRegulatorAxes(); }

void CMFCSamplePropPage::PlaceHandlesShowing(int /*row*/) { RedrawRegulators(); }

}  // namespace cantivo
