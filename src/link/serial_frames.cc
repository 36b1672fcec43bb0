#include "link/serial_frames.h"

#include <algorithm>

#include "base/values.h"

namespace telvane {
namespace {

Frame9 AddressPlusByte(const Address& address, uint8_t byte) {
  Frame9 frame{};
  std::copy(address.begin(), address.end(), frame.begin());
  frame[7] = byte;
  frame[8] = Sum8(std::span<const uint8_t>(frame.data(), 8));
  return frame;
}

FrameStatus FromRead(ReadResult result) {
  return result == ReadResult::kTimeout ? FrameStatus::kTimeout : FrameStatus::kReadFailed;
}

}  // namespace

Frame9 CommandFrame(const Address& address, uint8_t code) { return AddressPlusByte(address, code); }

Frame9 ConfirmationFrame(const Address& address, uint8_t byte) {
  return AddressPlusByte(address, byte);
}

std::vector<uint8_t> AddressedRecord(const Address& address, std::span<const uint8_t> data) {
  std::vector<uint8_t> frame(address.begin(), address.end());
  frame.insert(frame.end(), data.begin(), data.end());
  frame.push_back(Sum8(frame));
  return frame;
}

FrameStatus WriteBytes(SerialPort& port, std::span<const uint8_t> bytes) {
  for (uint8_t b : bytes) {
    if (!port.WriteByte(b)) return FrameStatus::kWriteFailed;
  }
  return FrameStatus::kOk;
}

FrameStatus ReadBytes(SerialPort& port, uint8_t* out, size_t length, uint8_t& sum) {
  for (size_t i = 0; i < length; ++i) {
    const ReadResult r = port.ReadByte(out[i]);
    if (r != ReadResult::kByte) return FromRead(r);
    sum = static_cast<uint8_t>(sum + out[i]);
  }
  return FrameStatus::kOk;
}

FrameStatus SendCommandFrame(SerialPort& port, const Address& address, uint8_t code,
                             bool* reply_complete) {
  if (reply_complete != nullptr) *reply_complete = false;
  const Frame9 frame = CommandFrame(address, code);
  if (FrameStatus s = WriteBytes(port, frame); s != FrameStatus::kOk) return s;
  Frame9 reply{};
  uint8_t sum = 0;
  if (FrameStatus s = ReadBytes(port, reply.data(), 8, sum); s != FrameStatus::kOk) return s;
  const ReadResult r = port.ReadByte(reply[8]);
  if (r != ReadResult::kByte) return FromRead(r);
  if (reply_complete != nullptr) *reply_complete = true;
  if (reply[8] != sum) return FrameStatus::kBadSum;
  reply[7] = Complement(reply[7]);
  if (!std::equal(reply.begin(), reply.begin() + 8, frame.begin())) return FrameStatus::kBadEcho;
  return FrameStatus::kOk;
}

FrameStatus ReadAddressedRecord(SerialPort& port, const Address& expected, uint8_t* number,
                                uint8_t* data, size_t length) {
  Address got{};
  uint8_t sum = 0;
  if (FrameStatus s = ReadBytes(port, got.data(), got.size(), sum); s != FrameStatus::kOk) {
    return s;
  }
  if (number != nullptr) {
    if (FrameStatus s = ReadBytes(port, number, 1, sum); s != FrameStatus::kOk) {
      return s == FrameStatus::kTimeout ? FrameStatus::kNumberTimeout : s;
    }
  }
  if (FrameStatus s = ReadBytes(port, data, length, sum); s != FrameStatus::kOk) return s;
  uint8_t received = 0;
  const ReadResult r = port.ReadByte(received);
  if (r != ReadResult::kByte) return FromRead(r);
  if (received != sum) return FrameStatus::kBadSum;
  if (got[0] != expected[0]) return FrameStatus::kBadKind;
  if (!std::equal(got.begin() + 1, got.end(), expected.begin() + 1)) return FrameStatus::kBadSerial;
  return FrameStatus::kOk;
}

FrameStatus WriteConfirmation(SerialPort& port, const Address& address, uint8_t byte) {
  return WriteBytes(port, ConfirmationFrame(address, byte));
}

FrameStatus ReadConfirmation(SerialPort& port, const Address& address, uint8_t expected) {
  Frame9 reply{};
  uint8_t sum = 0;
  if (FrameStatus s = ReadBytes(port, reply.data(), 8, sum); s != FrameStatus::kOk) return s;
  const ReadResult r = port.ReadByte(reply[8]);
  if (r != ReadResult::kByte) return FromRead(r);
  if (reply[8] != sum) return FrameStatus::kBadSum;
  if (!std::equal(address.begin(), address.end(), reply.begin())) return FrameStatus::kBadEcho;
  if (reply[7] != expected) return FrameStatus::kBadConfirm;
  return FrameStatus::kOk;
}

}  // namespace telvane
