// Feeds arbitrary instrument bytes to the exchange operations over a byte
// transport: the first input byte chooses the link's policy and the
// operation, the rest is what the instrument "sends" in pieces of the sizes
// it asks for (a read past the end is a time-out). Lengths and confirmation
// sources must never reach outside the buffers.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz_support.h"
#include "link/byte_transport.h"
#include "link/exchange_policy.h"
#include "link/transport_exchange.h"

namespace {

class FuzzTransport : public telvane::ByteTransport {
 public:
  explicit FuzzTransport(std::span<const uint8_t> input) : input_(input) {}
  bool Purge() override { return true; }
  bool SetReadTimeout(int) override { return true; }
  bool WaitReadable(telvane::Wait) override { return next_ < input_.size(); }
  bool WaitWritable(telvane::Wait) override { return true; }
  Io Write(const uint8_t*, size_t length, size_t& moved) override {
    moved = length;
    return Io::kOk;
  }
  Io Read(uint8_t* data, size_t length, size_t& moved) override {
    moved = std::min(length, input_.size() - next_);
    if (moved == 0) return Io::kTimeout;
    std::copy_n(input_.begin() + static_cast<long>(next_), moved, data);
    next_ += moved;
    return Io::kOk;
  }
  int last_error() const override { return 0; }

 private:
  std::span<const uint8_t> input_;
  size_t next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < 3) return 0;
  const std::span<const uint8_t> input(data + 2, size - 2);
  const ExchangePolicy& policy = (data[0] & 1) != 0 ? kIrdaExchangePolicy : kSerialExchangePolicy;
  const Address address = {input[0], 1, 2, 3, 4, 5, 6};
  fuzz::SilentScreen screen;
  FuzzTransport transport(input);
  InstrumentInfo info;
  TransportExchange exchange(transport, policy, screen, info);
  // A length the instrument cannot change, a confirmation source that may
  // point past it.
  const size_t length = data[1];
  std::vector<uint8_t> buffer(length, 0);
  const ConfirmSource source =
      (data[0] & 2) != 0 ? ConfirmSource::DataByte(data[1] / 2 + 1) : ConfirmSource::Value(data[1]);
  const Progress progress{.shown = (data[0] & 4) != 0, .index = 1, .count = 1};
  const Wait wait{0, 1000};
  switch ((data[0] >> 3) % 6) {
    case 0:
      exchange.SendCommand(address, data[1], wait);
      break;
    case 1:
      exchange.ReceiveRecord(address, buffer.data(), length, source, progress, wait);
      break;
    case 2:
      exchange.SendRecord(address, buffer.data(), length, data[1], progress, wait);
      break;
    case 3:
      exchange.ReceiveBlock(buffer.data(), length, progress, source, wait);
      break;
    case 4:
      exchange.SendBlock(buffer.data(), length, progress, source, wait);
      break;
    case 5:
      exchange.Disconnect();
      break;
  }
  return 0;
}
