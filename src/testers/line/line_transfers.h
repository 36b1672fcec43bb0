// The line tester's transactions (kind 17) over the exchange of the link in
// use: every command waits 11 s; received records wait 5 s each and are
// confirmed with the fixed code 1; the frequency list is sent expecting 0xFE
// within 30 s. A failure is shown ("Ошибка выполнения команды", "Ошибка при
// приеме записи", "Ошибка при отправке записи"; caption "Ошибка") and returns
// false; a destination is written only after every record came.
//
// The codes of this kind have meanings of their own (0x02 and 0x04 receive
// here), so they run here rather than by the rows of the shared exchange table.
#ifndef TELVANE_TESTERS_LINE_LINE_TRANSFERS_H_
#define TELVANE_TESTERS_LINE_LINE_TRANSFERS_H_

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "base/screen.h"
#include "link/exchange.h"
#include "testers/line/line_records.h"

namespace telvane {

inline constexpr uint8_t kLineInfoCommand = 0x00;
inline constexpr uint8_t kLineCountCommand = 0x09;
inline constexpr uint8_t kLineReceiveListCommand = 0x05;
inline constexpr uint8_t kLineSendListCommand = 0x06;
inline constexpr uint8_t kLineDeleteAllCommand = 0x1E;

class LineTransfers {
 public:
  LineTransfers(Exchange& exchange, Screen& screen, const Address& address)
      : exchange_(exchange), screen_(screen), address_(address) {}

  bool ReceiveInfo(std::array<uint8_t, kLineInfoSize>& record);
  // 0x09: the number of records of command 0x0A.
  bool ReceiveModemCount(uint16_t& count);
  // `code`, then `count` records of `size` bytes; with a count of 0 nothing is
  // sent and `records` is emptied.
  bool ReceiveRecords(uint8_t code, size_t size, size_t count, std::vector<uint8_t>& records);
  bool ReceiveFrequencyList(std::array<uint8_t, kFrequencyListSize>& record);
  bool SendFrequencyList(const std::array<uint8_t, kFrequencyListSize>& record);
  bool DeleteAll();

 private:
  bool Command(uint8_t code);
  bool Receive(uint8_t code, std::span<uint8_t> destination, size_t size);
  void Fail(const char* text);

  Exchange& exchange_;
  Screen& screen_;
  Address address_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_TRANSFERS_H_
