// The record selection of the testers with numbered records (kinds 19 and
// 20): command 0x64 brings a 4-byte number, most significant byte first,
// which the tester confirms with the complement of its low byte; command 0x65
// sends the record that number selects, and the program confirms it with that
// same complement.
#ifndef TELVANE_SIM_NUMBERED_RECORDS_H_
#define TELVANE_SIM_NUMBERED_RECORDS_H_

#include <cstdint>
#include <functional>
#include <vector>

#include "session.h"

namespace sim {

// Registers 0x64 and 0x65 of `kind`; `record(number)` gives the bytes of the
// record a number selects.
void RegisterNumberedRecords(int kind, std::function<std::vector<uint8_t>(uint32_t)> record);

// Sends the 12-byte tester information of command 2 (confirmed as record 0).
void SendTesterInfo(Session& s, const std::vector<uint8_t>& info);

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
void PutFloat(std::vector<uint8_t>& bytes, size_t at, float value);

}  // namespace sim

#endif  // TELVANE_SIM_NUMBERED_RECORDS_H_
