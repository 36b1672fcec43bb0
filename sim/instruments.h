// The two ways the simulated instrument talks: the binary protocol (probe,
// identification, synchronisation, command frames) and the text protocol of
// the older cable instrument. Both run on any Channel until stopped.
#ifndef TELVANE_SIM_INSTRUMENTS_H_
#define TELVANE_SIM_INSTRUMENTS_H_

#include <cstdint>
#include <vector>

#include "channel.h"
#include "config.h"

namespace sim {

void ServeBinary(Channel& channel, const Config& config);
void ServeText(Channel& channel, const Config& config);

// The whole text reply: header, generated records, trailer (or as the faults
// and the text size shape it).
std::vector<uint8_t> TextReply(const Config& config);

}  // namespace sim

#endif  // TELVANE_SIM_INSTRUMENTS_H_
