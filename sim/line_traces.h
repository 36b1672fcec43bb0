// The line tester's reflectograms (kind 17, command 0x07): 177-byte records,
// the 173-byte compact reflectogram record of the trace files followed by the
// line's velocity factor k (float32 at 173), made from a model of a line.
#ifndef TELVANE_SIM_LINE_TRACES_H_
#define TELVANE_SIM_LINE_TRACES_H_

#include <cstdint>
#include <vector>

namespace sim {

std::vector<uint8_t> LineTraceRecord(int index);

}  // namespace sim

#endif  // TELVANE_SIM_LINE_TRACES_H_
