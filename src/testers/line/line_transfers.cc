#include "testers/line/line_transfers.h"

#include "base/values.h"

namespace telvane {
namespace {

constexpr Wait kCommandWait{11, 0};
constexpr Wait kRecordWait{5, 0};
constexpr Wait kListSendWait{30, 0};
// Every received record is confirmed with this fixed code.
constexpr ConfirmSource kConfirm = ConfirmSource::Value(1);

}  // namespace

void LineTransfers::Fail(const char* text) { screen_.ShowMessage(Icon::kError, "Ошибка", text); }

bool LineTransfers::Command(uint8_t code) {
  if (exchange_.SendCommand(address_, code, kCommandWait)) return true;
  Fail("Ошибка выполнения команды");
  return false;
}

bool LineTransfers::Receive(uint8_t code, std::span<uint8_t> destination, size_t size) {
  if (size == 0 || destination.size() % size != 0) return false;
  if (!Command(code)) return false;
  const size_t count = destination.size() / size;
  std::vector<uint8_t> scratch(destination.size());
  for (size_t i = 0; i < count; ++i) {
    if (!exchange_.ReceiveRecord(address_, scratch.data() + i * size, size, kConfirm,
                                 Progress{true, i, count}, kRecordWait)) {
      Fail("Ошибка при приеме записи");
      return false;
    }
  }
  std::copy(scratch.begin(), scratch.end(), destination.begin());
  return true;
}

bool LineTransfers::ReceiveInfo(std::array<uint8_t, kLineInfoSize>& record) {
  return Receive(kLineInfoCommand, record, record.size());
}

bool LineTransfers::ReceiveModemCount(uint16_t& count) {
  std::array<uint8_t, 2> record{};
  if (!Receive(kLineCountCommand, record, record.size())) return false;
  count = LoadLe16(record.data());
  return true;
}

bool LineTransfers::ReceiveRecords(uint8_t code, size_t size, size_t count,
                                   std::vector<uint8_t>& records) {
  if (count == 0) {
    records.clear();
    return true;
  }
  std::vector<uint8_t> received(size * count);
  if (!Receive(code, received, size)) return false;
  records = std::move(received);
  return true;
}

bool LineTransfers::ReceiveFrequencyList(std::array<uint8_t, kFrequencyListSize>& record) {
  return Receive(kLineReceiveListCommand, record, record.size());
}

bool LineTransfers::SendFrequencyList(const std::array<uint8_t, kFrequencyListSize>& record) {
  if (!Command(kLineSendListCommand)) return false;
  if (!exchange_.SendRecord(address_, record.data(), record.size(), 0xFE, Progress{true, 0, 1},
                            kListSendWait)) {
    Fail("Ошибка при отправке записи");
    return false;
  }
  return true;
}

bool LineTransfers::DeleteAll() { return Command(kLineDeleteAllCommand); }

}  // namespace telvane
