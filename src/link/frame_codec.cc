#include "link/frame_codec.h"

#include <algorithm>

#include "base/values.h"

namespace telvane {

Frame9 CommandFrame(const Address& address, uint8_t code) {
  Frame9 frame{};
  std::copy(address.begin(), address.end(), frame.begin());
  frame[7] = code;
  frame[8] = Sum8(std::span<const uint8_t>(frame.data(), 8));
  return frame;
}

Frame9 ConfirmationFrame(const Address& address, uint8_t byte) {
  return CommandFrame(address, byte);
}

std::vector<uint8_t> RecordFrame(const Address& address, std::optional<uint8_t> number,
                                 std::span<const uint8_t> data) {
  std::vector<uint8_t> frame;
  frame.reserve(RecordFrameLength(data.size(), number.has_value()));
  frame.insert(frame.end(), address.begin(), address.end());
  if (number) frame.push_back(*number);
  frame.insert(frame.end(), data.begin(), data.end());
  frame.push_back(Sum8(frame));
  return frame;
}

bool ConfirmSourceFits(ConfirmSource source, size_t length) {
  return !source.indexes_data() || source.index() < length;
}

uint8_t RecordConfirmByte(ConfirmSource source, std::span<const uint8_t> data) {
  return Complement(source.indexes_data() ? data[source.index()] : source.value());
}

uint8_t BlockConfirmByte(ConfirmSource source, std::span<const uint8_t> data) {
  return source.indexes_data() ? Complement(data[source.index()]) : source.value();
}

FrameStatus CheckCommandReply(std::span<const uint8_t> reply, const Address& address,
                              uint8_t code) {
  if (reply.size() != 9) return FrameStatus::kBadLength;
  if (Sum8(reply.first(8)) != reply[8]) return FrameStatus::kBadSum;
  if (!std::equal(address.begin(), address.end(), reply.begin()) || Complement(reply[7]) != code) {
    return FrameStatus::kBadEcho;
  }
  return FrameStatus::kOk;
}

FrameStatus CheckRecordConfirmation(std::span<const uint8_t> reply, const Address& address,
                                    uint8_t expected, RecordConfirmRules rules) {
  if (reply.size() != 9) return FrameStatus::kBadLength;
  if (Sum8(reply.first(8)) != reply[8]) return FrameStatus::kBadSum;
  if (rules.compare_address && !std::equal(address.begin(), address.end(), reply.begin())) {
    return FrameStatus::kBadEcho;
  }
  if (rules.zero_asks_resend && reply[7] == 0) return FrameStatus::kResend;
  if (reply[7] != expected) return FrameStatus::kBadConfirm;
  return FrameStatus::kOk;
}

FrameStatus CheckRecord(std::span<const uint8_t> frame, const Address& address,
                        bool compare_address) {
  if (frame.size() < 8) return FrameStatus::kBadLength;
  if (Sum8(frame.first(frame.size() - 1)) != frame.back()) return FrameStatus::kBadSum;
  if (!compare_address) return FrameStatus::kOk;
  if (frame[0] != address[0]) return FrameStatus::kBadKind;
  if (!std::equal(address.begin() + 1, address.end(), frame.begin() + 1)) {
    return FrameStatus::kBadSerial;
  }
  return FrameStatus::kOk;
}

FrameStatus CheckBlockConfirmation(std::span<const uint8_t> reply, uint8_t expected) {
  if (reply.size() != 1) return FrameStatus::kBadLength;
  return reply[0] == expected ? FrameStatus::kOk : FrameStatus::kBadConfirm;
}

}  // namespace telvane
