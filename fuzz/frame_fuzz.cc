// Feeds arbitrary instrument bytes to the frame codec and to the cable meters'
// serial transfers that read them: the first input byte chooses the transfer,
// the rest is what the instrument "sends" (a read past the end is a
// time-out). Record numbers and counts from the instrument must never reach
// outside the arrays.
#include <cstddef>
#include <cstdint>
#include <span>

#include "cable/cable_transfer.h"
#include "fuzz_support.h"
#include "link/frame_codec.h"

namespace {

class FuzzChannel : public telvane::ByteChannel {
 public:
  explicit FuzzChannel(std::span<const uint8_t> input) : input_(input) {}
  bool SetQueues(size_t, size_t) override { return true; }
  bool Purge() override { return true; }
  bool SetEventMask() override { return true; }
  bool SetReadTimeout(int) override { return true; }
  bool WriteByte(uint8_t) override { return true; }
  Read ReadByte(uint8_t& byte) override {
    if (next_ >= input_.size()) return Read::kTimeout;
    byte = input_[next_++];
    return Read::kByte;
  }

 private:
  std::span<const uint8_t> input_;
  size_t next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < 2) return 0;
  const std::span<const uint8_t> input(data + 1, size - 1);
  const Address address = {input[0], 1, 2, 3, 4, 5, 6};
  // The pure checkers on the input as a frame.
  CheckRecord(input, address);
  CheckCommandReply(input, address, data[0]);
  CheckRecordConfirmation(input, address, data[0], {.zero_asks_resend = true});

  fuzz::SilentScreen screen;
  FuzzChannel channel(input);
  InstrumentInfo info;
  info.kind = input[0];
  const uint8_t serial[6] = {1, 2, 3, 4, 5, 6};
  info.SetSerial(serial);
  CableTransfer transfer(channel, screen, info);
  switch (data[0] % 8) {
    case 0: {
      CableTypeTable table;
      if (transfer.ReadTypeStatus(table)) transfer.ReceiveCableTypes(table);
      break;
    }
    case 1: {
      CableBase base;
      transfer.ReceiveCableRecords(base, kMaxCables);
      break;
    }
    case 2: {
      CableBase base;
      transfer.ReceiveCableRecord(base, data[0] % kMaxCables);
      break;
    }
    case 3: {
      CableBase base;
      base.cables[0].set_pair_count(0xFFFFFFFF);  // the pairs the record announces
      transfer.ReceivePlanned(base, 0);
      break;
    }
    case 4: {
      CompactBase base;
      base.counts.types = input.size() > 1 ? input[1] : 1;
      transfer.ReceiveCompactTypes(base);
      break;
    }
    case 5: {
      CompactBase base;
      base.counts.cables = input.size() > 1 ? input[1] : 1;
      transfer.ReceiveCompactCables(base);
      break;
    }
    case 6: {
      CompactBase base;
      base.counts.planned_cables = 3;
      base.counts.planned_pairs = input.size() > 1 ? input[1] : 1;
      transfer.ReceiveCompactPlanned(base);
      break;
    }
    default:
      transfer.EndSession();
      break;
  }
  return 0;
}
