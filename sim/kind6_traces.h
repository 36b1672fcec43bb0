// The kind 6 meter's reflectograms: the 65-byte entries of the initial
// transfer (code 0x10) and the traces of code 0x17, made from a model of a
// real line (docs/cable-trace6.md).
#ifndef TELVANE_SIM_KIND6_TRACES_H_
#define TELVANE_SIM_KIND6_TRACES_H_

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

// Entry of reflectogram `index` of a meter holding `cables` cables.
std::array<uint8_t, 65> Kind6TraceEntry(int index, int cables);
// Its samples, one byte each.
std::vector<uint8_t> Kind6TraceSamples(int index);

}  // namespace sim

#endif  // TELVANE_SIM_KIND6_TRACES_H_
