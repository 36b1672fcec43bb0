#include "link/initial_transfer.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "base/values.h"
#include "link/frame_messages.h"
#include "link/serial_channel.h"
#include "link/serial_exchange.h"
#include "link/serial_frames.h"

namespace telvane {
namespace {

constexpr char kBadNumber[] = "Неверный номер записи!";

// One initial transfer on the search port: a command, then addressed records
// (numbered or not), each confirmed with a complement; every fault shows the
// family's text.
class Transfer {
 public:
  Transfer(Link& link, SerialPort& port, const FrameTexts& texts)
      : link_(link), channel_(port), texts_(texts), address_(link.address()) {}

  // Purge, buffers and the 5000 ms time-out, then the command; a bad sum of
  // its confirmation has a text of its own.
  bool Command(uint8_t code) {
    channel_.PurgeAll();
    channel_.SetQueues(256, 256);
    if (!channel_.SetReadTimeout(kTransferTimeoutMs)) {
      link_.screen().ShowMessage(Icon::kError, "Error", "Ошибка установки новых таймаутов");
      return false;
    }
    FrameTexts command = texts_;
    command.bad_sum = "Неверная контрольная сумма подтверждения команды";
    return ReportFrame(link_.screen(), command, SendCommandFrame(channel_, address_, code));
  }
  // An unnumbered record, confirmed with the complement of
  // `data[confirm_index]`.
  bool Record(std::span<uint8_t> data, size_t confirm_index) {
    std::vector<uint8_t> frame(RecordFrameLength(data.size(), false));
    if (!Report(ReadRecordFrame(channel_, frame, false, address_, true))) return false;
    std::copy_n(frame.begin() + 7, data.size(), data.begin());
    return Confirm(data[confirm_index]);
  }
  // A numbered record; its number must name one of `slots`. Confirmed with
  // the complement of the number.
  bool NumberedRecord(uint8_t& number, std::span<uint8_t> data, size_t slots) {
    std::vector<uint8_t> frame(RecordFrameLength(data.size(), true));
    if (!Report(ReadRecordFrame(channel_, frame, true, address_, true))) return false;
    number = frame[7];
    std::copy_n(frame.begin() + 8, data.size(), data.begin());
    if (number >= slots) {
      link_.screen().ShowMessage(Icon::kError, texts_.caption, kBadNumber);
      return false;
    }
    return Confirm(number);
  }

 private:
  bool Confirm(uint8_t byte) {
    return Report(WriteConfirmation(channel_, address_, Complement(byte)));
  }
  bool Report(FrameStatus status) { return ReportFrame(link_.screen(), texts_, status); }

  Link& link_;
  SerialChannel channel_;
  const FrameTexts& texts_;
  Address address_;
};

template <size_t N>
bool ReceiveEntries(Transfer& t, size_t count, std::vector<std::array<uint8_t, N>>& table) {
  table.assign(count, {});
  std::array<uint8_t, N> entry{};
  for (size_t i = 0; i < count; ++i) {
    uint8_t number = 0;
    if (!t.NumberedRecord(number, entry, table.size())) return false;
    table[number] = entry;
  }
  return true;
}

}  // namespace

bool InitialTransferKind6(Link& link, SerialPort& port) {
  Transfer t(link, port, kKind6InitialTexts);
  if (!t.Command(0x10)) return false;
  Kind6Database db;
  if (!t.Record(db.header, 20)) return false;
  if (!ReceiveEntries(t, db.current_cables(), db.cables)) return false;
  if (!ReceiveEntries(t, db.current_reflectograms(), db.reflectograms)) return false;
  link.initial().kind6 = std::move(db);
  return true;
}

bool InitialTransferKind4(Link& link, SerialPort& port) {
  Transfer t(link, port, kCompactInitialTexts);
  if (!t.Command(0x20)) return false;
  uint8_t data[3] = {};
  if (!t.Record(data, 1)) return false;
  link.initial().kind4 = Kind4Counters{data[0], data[1], data[2]};
  return true;
}

bool InitialTransferKind7(Link& link, SerialPort& port) {
  Transfer t(link, port, kCompactInitialTexts);
  if (!t.Command(0x20)) return false;
  std::array<uint8_t, 6> header{};
  if (!t.Record(header, 1)) return false;
  link.initial().kind7_header = header;
  return true;
}

bool InitialTransferKind9(Link& link, SerialPort& port) {
  Transfer t(link, port, kCompactInitialTexts);
  if (!t.Command(0x30)) return false;
  uint8_t data[15] = {};
  if (!t.Record(data, 3)) return false;
  link.initial().kind9 = Kind9Parameters::FromWire(data);
  return true;
}

void InstallBuiltInInitialTransfers(Link& link) {
  link.SetInitialTransfer(4, InitialTransferKind4);
  link.SetInitialTransfer(6, InitialTransferKind6);
  link.SetInitialTransfer(7, InitialTransferKind7);
  link.SetInitialTransfer(9, InitialTransferKind9);
}

}  // namespace telvane
