#include "numbered_records.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>

#include "registry.h"

namespace sim {

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutFloat(std::vector<uint8_t>& bytes, size_t at, float value) {
  uint32_t bits = 0;
  std::memcpy(&bits, &value, 4);
  PutU32(bytes, at, bits);
}

namespace {

// Sends one record; a confirmation other than `expected` is reported, and a
// command in its place (the confirmation was lost when the program purged
// the line for its next transaction) goes back to the command loop.
void Send(Session& s, const std::vector<uint8_t>& record, uint8_t expected) {
  // Sent once: the confirmation of a number whose low byte is 0xFF is 0, which
  // is here the answer and not a request to send again.
  const std::optional<uint8_t> answer = s.SendRecord(record, std::nullopt, 1);
  if (answer == expected) {
    // The right byte without its sum: the sum was lost to the program's purge
    // and what followed is its next command.
    if (!s.last_reply_sum_ok() && s.GiveBackCommand()) {
      std::fprintf(stderr,
                   "sim: confirmation without its sum; the rest taken as the next command\n");
    }
    return;
  }
  std::fprintf(stderr, "sim: record confirmed with %d, not %d\n", answer ? *answer : -1, expected);
  if (answer && s.GiveBackCommand()) std::fprintf(stderr, "sim: taken as the next command\n");
}

}  // namespace

void SendTesterInfo(Session& s, const std::vector<uint8_t>& info) { Send(s, info, 0xFF); }

void RegisterNumberedRecords(int kind, std::function<std::vector<uint8_t>(uint32_t)> record) {
  // The number the last 0x64 selected.
  auto selected = std::make_shared<uint32_t>(0);
  RegisterCommand(kind, 0x64, [selected](Session& s) {
    const auto number = s.ReceiveRecord(
        4, [](const std::vector<uint8_t>& data) { return static_cast<uint8_t>(~data[3]); });
    if (!number) return;
    const std::vector<uint8_t>& b = *number;
    *selected = (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
  });
  RegisterCommand(kind, 0x65, [selected, record](Session& s) {
    const uint32_t number = *selected;
    Send(s, record(number), static_cast<uint8_t>(~number));
  });
}

}  // namespace sim
