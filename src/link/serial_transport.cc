#include "link/serial_transport.h"

namespace telvane {

namespace {

constexpr size_t kQueueSize = 256;

}  // namespace

bool SerialTransport::Purge() {
  const bool purged = channel_.PurgeAll();
  return channel_.SetQueues(kQueueSize, kQueueSize) && purged;
}

bool SerialTransport::SetReadTimeout(int milliseconds) {
  return channel_.SetReadTimeout(milliseconds);
}

ByteTransport::Io SerialTransport::Write(const uint8_t* data, size_t length, size_t& moved) {
  for (moved = 0; moved < length; ++moved) {
    if (!channel_.WriteByte(data[moved])) return moved > 0 ? Io::kOk : Io::kFailed;
  }
  return Io::kOk;
}

ByteTransport::Io SerialTransport::Read(uint8_t* data, size_t length, size_t& moved) {
  for (moved = 0; moved < length; ++moved) {
    switch (channel_.ReadByte(data[moved])) {
      case ByteChannel::Read::kByte:
        continue;
      case ByteChannel::Read::kTimeout:
        return moved > 0 ? Io::kOk : Io::kTimeout;
      case ByteChannel::Read::kError:
        return moved > 0 ? Io::kOk : Io::kFailed;
    }
  }
  return Io::kOk;
}

}  // namespace telvane
