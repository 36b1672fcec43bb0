// What the two pages of the compact family (kinds 4 and 7) share: the counts
// of the instrument's database header, the cable-type list and the planned
// measurements received from the instrument.
#ifndef TELVANE_CABLE_PAGES_COMPACT_MODEL_H_
#define TELVANE_CABLE_PAGES_COMPACT_MODEL_H_

#include <memory>

#include "cable/cable_database.h"
#include "link/initial_data.h"
#include "page/instrument_page.h"

namespace telvane {

struct CompactModel {
  CompactBase base;

  // Takes the counts the search's initial transfer brought (the compact
  // header of kind 7; kind 4's current count gives the pairs of one cable).
  void TakeInitial(const InitialData& initial);
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_COMPACT_MODEL_H_
