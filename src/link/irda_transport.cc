#include "link/irda_transport.h"

namespace telvane {

namespace {

ByteTransport::Io Outcome(long result, size_t& moved) {
  moved = result > 0 ? static_cast<size_t>(result) : 0;
  if (result > 0) return ByteTransport::Io::kOk;
  return result == 0 ? ByteTransport::Io::kClosed : ByteTransport::Io::kFailed;
}

}  // namespace

ByteTransport::Io IrdaTransport::Write(const uint8_t* data, size_t length, size_t& moved) {
  return Outcome(link_.Send(data, length), moved);
}

ByteTransport::Io IrdaTransport::Read(uint8_t* data, size_t length, size_t& moved) {
  return Outcome(link_.Receive(data, length), moved);
}

}  // namespace telvane
