// What the search's initial transfer brought for the cable meters, turned into
// the cable databases: the full family's header and cable names, and the
// compact family's counts.
#ifndef TELVANE_CABLE_INITIAL_CABLE_DATA_H_
#define TELVANE_CABLE_INITIAL_CABLE_DATA_H_

#include <array>
#include <cstdint>

#include "cable/cable_database.h"
#include "link/initial_data.h"

namespace telvane {

// The header, and the name of each announced cable into its record.
void TakeKind6Database(const Kind6Database& initial, CableBase& base);

// The six bytes of the compact header: [0] cables in the instrument, [1] cable
// types, [2] kept, [3] cables and [4] pairs per cable of the planned
// measurements, [5] the maximum number of cables.
CompactCounts DecodeCompactHeader(const std::array<uint8_t, 6>& header);

}  // namespace telvane

#endif  // TELVANE_CABLE_INITIAL_CABLE_DATA_H_
