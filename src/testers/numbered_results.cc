#include "testers/numbered_results.h"

#include <array>

#include "base/values.h"

namespace telvane {

bool ReceiveTesterInfo(Transactions& transactions, const Address& address,
                       std::span<uint8_t> info) {
  if (info.size() != kTesterInfoSize) return false;
  RecordSeries series;
  series.record_length = kTesterInfoSize;
  series.count = 1;
  return transactions.Receive(address, kTesterInfoCode, info, series);
}

bool ReceiveNumberedRecord(Transactions& transactions, const Address& address, uint32_t number,
                           std::span<uint8_t> destination) {
  std::array<uint8_t, 4> packed{};
  PackBe32(number, packed.data());
  const auto low = static_cast<uint8_t>(number);
  RecordSeries series;
  series.count = 1;
  series.progress = false;
  series.confirm = [low](size_t) { return ConfirmSource::Value(low); };
  series.record_length = packed.size();
  if (!transactions.Send(address, kSelectRecordCode, packed, series)) return false;
  series.record_length = destination.size();
  series.progress = true;
  return transactions.Receive(address, kReadRecordCode, destination, series);
}

}  // namespace telvane
