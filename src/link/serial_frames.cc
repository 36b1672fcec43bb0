#include "link/serial_frames.h"

namespace telvane {
namespace {

FrameStatus FromRead(ByteChannel::Read result) {
  return result == ByteChannel::Read::kTimeout ? FrameStatus::kTimeout : FrameStatus::kReadFailed;
}

}  // namespace

FrameStatus WriteBytes(ByteChannel& channel, std::span<const uint8_t> bytes,
                       TransferProgress* progress) {
  for (const uint8_t b : bytes) {
    if (!channel.WriteByte(b)) return FrameStatus::kWriteFailed;
    if (progress != nullptr) progress->Advance();
  }
  return FrameStatus::kOk;
}

FrameStatus ReadBytes(ByteChannel& channel, std::span<uint8_t> out, size_t* done) {
  for (size_t i = 0; i < out.size(); ++i) {
    const ByteChannel::Read r = channel.ReadByte(out[i]);
    if (r != ByteChannel::Read::kByte) {
      if (done != nullptr) *done = i;
      return FromRead(r);
    }
  }
  if (done != nullptr) *done = out.size();
  return FrameStatus::kOk;
}

FrameStatus ReadReply(ByteChannel& channel, Frame9& reply) {
  if (FrameStatus s = ReadBytes(channel, std::span(reply).first(8)); s != FrameStatus::kOk) {
    return s;
  }
  const FrameStatus s = ReadBytes(channel, std::span(reply).last(1));
  return s == FrameStatus::kTimeout ? FrameStatus::kSumTimeout : s;
}

FrameStatus SendCommandFrame(ByteChannel& channel, const Address& address, uint8_t code,
                             Frame9* reply, bool* reply_complete) {
  if (reply_complete != nullptr) *reply_complete = false;
  if (FrameStatus s = WriteBytes(channel, CommandFrame(address, code)); s != FrameStatus::kOk) {
    return s;
  }
  Frame9 answer{};
  const FrameStatus s = ReadReply(channel, answer);
  if (reply != nullptr) *reply = answer;
  if (s != FrameStatus::kOk) return s;
  if (reply_complete != nullptr) *reply_complete = true;
  return CheckCommandReply(answer, address, code);
}

FrameStatus ReadRecordFrame(ByteChannel& channel, std::span<uint8_t> frame, bool numbered,
                            const Address& address, bool compare_address,
                            TransferProgress* progress, size_t* missing) {
  const size_t head = numbered ? 8 : 7;
  for (size_t i = 0; i < frame.size(); ++i) {
    const ByteChannel::Read r = channel.ReadByte(frame[i]);
    if (r != ByteChannel::Read::kByte) {
      if (missing != nullptr) *missing = i;
      if (r == ByteChannel::Read::kTimeout && numbered && i == 7) {
        return FrameStatus::kNumberTimeout;
      }
      return FromRead(r);
    }
    if (progress != nullptr && i >= head && i + 1 < frame.size()) progress->Advance();
  }
  return CheckRecord(frame, address, compare_address);
}

FrameStatus WriteConfirmation(ByteChannel& channel, const Address& address, uint8_t byte) {
  return WriteBytes(channel, ConfirmationFrame(address, byte));
}

}  // namespace telvane
