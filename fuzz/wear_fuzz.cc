// Plays an armour-wear meter whose every answer is the fuzzer's bytes: the
// information transfer reads from them, then, with the count the input's
// first two bytes give, the series transfer.
#include <cstddef>
#include <cstdint>

#include "cable/wear/wear_csv.h"
#include "cable/wear/wear_transfer.h"
#include "fuzz_support.h"

namespace {

// A channel that accepts every write and answers reads from the input.
class InputChannel : public telvane::ByteChannel {
 public:
  InputChannel(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool SetQueues(size_t, size_t) override { return true; }
  bool Purge() override { return true; }
  bool SetEventMask() override { return true; }
  bool SetReadTimeout(int) override { return true; }
  bool WriteByte(uint8_t) override { return true; }
  Read ReadByte(uint8_t& byte) override {
    if (next_ >= size_) return Read::kTimeout;
    byte = data_[next_++];
    return Read::kByte;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < 2) return 0;
  const uint16_t count = static_cast<uint16_t>(data[0] << 8 | data[1]);
  fuzz::SilentScreen screen;
  const Address address = {8, '6', '5', '4', '3', '2', '1'};
  InputChannel channel(data + 2, size - 2);
  const auto info = ReadWearInfo(channel, screen, address);
  if (info) WearFields(&*info);
  const auto series = ReceiveWearSeries(channel, screen, address, count);
  if (series) WearCsvBytes("fuzz", "654321", *series, count % 4);
  return 0;
}
