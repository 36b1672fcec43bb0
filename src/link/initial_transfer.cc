#include "link/initial_transfer.h"

#include <array>
#include <vector>

#include "base/values.h"
#include "link/serial_exchange.h"
#include "link/serial_frames.h"

namespace telvane {
namespace {

// The messages of one family of transfers.
struct Texts {
  const char* caption;
  const char* write_failed;
  const char* read_failed;
  const char* timeout;
  const char* number_timeout;
  const char* confirm_sum;
  const char* confirm_echo;
  const char* record_sum;
  const char* foreign_kind;
  const char* foreign_serial;
  const char* bad_number;
};

constexpr Texts kKind6Texts = {
    "Error",
    "WriteFile()",
    "ReadFile()",
    "TIMEOUT!",
    "TIMEOUT Nom_Rec!",
    "Неверная контрольная сумма подтверждения команды",
    "Ошибка подтверждения команды",
    "Неверная контрольная сумма",
    "Неверный VendorID!",
    "Неверный SerialNumber!",
    "Неверный номер записи!",
};

constexpr Texts kCompactTexts = {
    "Ошибка",
    "Ошибка при передаче информации",
    "Ошибка при приеме информации",
    "Время ожидания вышло!",
    "Время ожидания вышло!",
    "Неверная контрольная сумма подтверждения команды",
    "Ошибка подтверждения команды",
    "Неверная контрольная сумма",
    "Неверный ТИП ПРИБОРА!",
    "Неверный СЕРИЙНЫЙ НОМЕР ПРИБОРА!",
    "Неверный номер записи!",
};

class Transfer {
 public:
  Transfer(Link& link, SerialPort& port, const Texts& texts)
      : link_(link), port_(port), texts_(texts), address_(link.address()) {}

  // An addressed record, optionally numbered, then its confirmation with the
  // complement of `data[confirm_index]` (or of the number when numbered).
  bool Record(uint8_t* data, size_t length, size_t confirm_index) {
    if (!Report(ReadAddressedRecord(port_, address_, nullptr, data, length))) return false;
    return Confirm(data[confirm_index]);
  }
  // A numbered record; its number must name one of `slots`. Confirmed with
  // the complement of the number.
  bool NumberedRecord(uint8_t& number, uint8_t* data, size_t length, size_t slots) {
    if (!Report(ReadAddressedRecord(port_, address_, &number, data, length))) return false;
    if (number >= slots) {
      Show(texts_.bad_number);
      return false;
    }
    return Confirm(number);
  }
  bool Confirm(uint8_t byte) {
    return Report(WriteConfirmation(port_, address_, Complement(byte)));
  }

  void Show(const char* text, const char* caption) {
    link_.screen().ShowMessage(Icon::kError, caption, text);
  }
  void Show(const char* text) { Show(text, texts_.caption); }
  const Texts& texts() const { return texts_; }

 private:
  bool Report(FrameStatus status) {
    const char* text = nullptr;
    switch (status) {
      case FrameStatus::kOk:
        return true;
      case FrameStatus::kWriteFailed:
        text = texts_.write_failed;
        break;
      case FrameStatus::kReadFailed:
        text = texts_.read_failed;
        break;
      case FrameStatus::kTimeout:
        text = texts_.timeout;
        break;
      case FrameStatus::kNumberTimeout:
        text = texts_.number_timeout;
        break;
      case FrameStatus::kBadSum:
        text = texts_.record_sum;
        break;
      case FrameStatus::kBadEcho:
        text = texts_.confirm_echo;
        break;
      case FrameStatus::kBadKind:
        text = texts_.foreign_kind;
        break;
      case FrameStatus::kBadSerial:
        text = texts_.foreign_serial;
        break;
      case FrameStatus::kBadConfirm:
        text = texts_.confirm_echo;
        break;
    }
    Show(text);
    return false;
  }

  Link& link_;
  SerialPort& port_;
  const Texts& texts_;
  Address address_;
};

// SendCommandFrame reports a bad confirmation sum as kBadSum; the command
// step has its own text for it.
bool CompactCommand(Transfer& t, Link& link, SerialPort& port, uint8_t code) {
  port.Purge(true, true);
  port.SetBufferSizes(256, 256);
  if (!port.SetReadTimeout(kTransferTimeoutMs)) {
    t.Show("Ошибка установки новых таймаутов", "Error");
    return false;
  }
  const FrameStatus s = SendCommandFrame(port, link.address(), code);
  if (s == FrameStatus::kBadSum) {
    t.Show(t.texts().confirm_sum);
    return false;
  }
  if (s == FrameStatus::kOk) return true;
  // Every other status maps as for records.
  switch (s) {
    case FrameStatus::kWriteFailed:
      t.Show(t.texts().write_failed);
      break;
    case FrameStatus::kTimeout:
      t.Show(t.texts().timeout);
      break;
    case FrameStatus::kBadEcho:
      t.Show(t.texts().confirm_echo);
      break;
    default:
      t.Show(t.texts().read_failed);
      break;
  }
  return false;
}

template <size_t N>
bool ReceiveEntries(Transfer& t, size_t count, std::vector<std::array<uint8_t, N>>& table) {
  table.assign(count, {});
  std::array<uint8_t, N> entry{};
  for (size_t i = 0; i < count; ++i) {
    uint8_t number = 0;
    if (!t.NumberedRecord(number, entry.data(), N, table.size())) return false;
    table[number] = entry;
  }
  return true;
}

}  // namespace

bool InitialTransferKind6(Link& link, SerialPort& port) {
  Transfer t(link, port, kKind6Texts);
  if (!CompactCommand(t, link, port, 0x10)) return false;
  Kind6Database db;
  if (!t.Record(db.header.data(), db.header.size(), 20)) return false;
  if (!ReceiveEntries(t, db.current_cables(), db.cables)) return false;
  if (!ReceiveEntries(t, db.current_reflectograms(), db.reflectograms)) return false;
  link.initial().kind6 = std::move(db);
  return true;
}

bool InitialTransferKind4(Link& link, SerialPort& port) {
  Transfer t(link, port, kCompactTexts);
  if (!CompactCommand(t, link, port, 0x20)) return false;
  uint8_t data[3] = {};
  if (!t.Record(data, sizeof data, 1)) return false;
  link.initial().kind4 = Kind4Counters{data[0], data[1], data[2]};
  return true;
}

bool InitialTransferKind7(Link& link, SerialPort& port) {
  Transfer t(link, port, kCompactTexts);
  if (!CompactCommand(t, link, port, 0x20)) return false;
  std::array<uint8_t, 6> header{};
  if (!t.Record(header.data(), header.size(), 1)) return false;
  link.initial().kind7_header = header;
  return true;
}

bool InitialTransferKind9(Link& link, SerialPort& port) {
  Transfer t(link, port, kCompactTexts);
  if (!CompactCommand(t, link, port, 0x30)) return false;
  uint8_t data[15] = {};
  if (!t.Record(data, sizeof data, 3)) return false;
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
