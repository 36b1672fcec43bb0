// The frames of the cable transfers on the serial port: command frames,
// numbered records sent to the instrument, records received from it, each with
// its 8-bit sum and its confirmation, and the messages each fault shows.
//
//   command      address(7) code sum           answer  address(7) ~code sum
//   index block  address(7) index sum          answer  address(7) ~index sum
//   record       address(7) [number] data sum  answer  address(7) ~c sum
//
// where c is the record number of a numbered record, or one chosen data byte
// of an unnumbered one. Sums are the 8-bit sum of every byte before them.
#ifndef TELVANE_CABLE_CABLE_LINK_H_
#define TELVANE_CABLE_CABLE_LINK_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "base/screen.h"
#include "link/byte_channel.h"
#include "link/instrument_info.h"

namespace telvane {

// The texts one family of transfers shows for the faults every frame can meet.
struct TransferMessages {
  const char* caption;
  const char* write_failed;
  const char* read_failed;
  const char* command_timeout;      // no confirmation byte
  const char* command_sum_timeout;  // no sum byte after the confirmation
  const char* record_timeout;       // printf format with the index of the missing byte
};

// The full family and the cable-type transfers.
extern const TransferMessages kFullFamilyMessages;
// The compact family.
extern const TransferMessages kCompactMessages;

// How a received record is checked.
struct ReceiveRules {
  bool numbered = false;          // a record-number byte follows the address
  size_t confirm_data_index = 0;  // unnumbered: the data byte whose complement confirms
  bool type_checks = false;  // VendorID / SerialNumber messages instead of "Ошибка адреса"
  const char* timeout_text = nullptr;  // replaces the family's record time-out text
  const char* sum_text = nullptr;      // replaces the sum fault text
};

// Shares of bytes moved, pushed to the progress bar as 0..100.
class TransferProgress {
 public:
  TransferProgress(Screen& screen, size_t total) : screen_(screen), total_(total) {}
  void Show();
  void Advance(size_t bytes = 1);
  void Hide();

 private:
  Screen& screen_;
  size_t total_;
  size_t done_ = 0;
  int last_ = -1;
  bool shown_ = false;
};

class CableLink {
 public:
  CableLink(ByteChannel& port, Screen& screen, const Address& address,
            const TransferMessages& messages)
      : port_(port), screen_(screen), address_(address), messages_(messages) {}

  // Purge, queue sizes, event mask and the read time-out of one exchange.
  bool Prepare(size_t input_queue, size_t output_queue, int timeout_ms);
  bool SetTimeout(int timeout_ms);
  // Sets the read time-out back to 5000 ms.
  bool Restore();

  // Sends the command frame and checks its confirmation.
  bool SendCommand(uint8_t code);
  // Sends an address block carrying a record index and checks its
  // confirmation. With `report_sums` a sum fault also shows the computed and
  // the received sum.
  bool SendIndex(uint8_t index, bool report_sums = false);
  // Sends a numbered record and checks its confirmation.
  bool SendRecord(uint8_t number, std::span<const uint8_t> data, TransferProgress* progress);
  // Receives one record into `data` (a scratch buffer: the caller copies it
  // where it belongs only on success), checks it and confirms it. `number`
  // receives the record number of a numbered record.
  bool ReceiveRecord(const ReceiveRules& rules, std::span<uint8_t> data, uint8_t* number,
                     TransferProgress* progress);

  void Error(const char* text);
  Screen& screen() { return screen_; }
  const Address& address() const { return address_; }

 private:
  bool Write(std::span<const uint8_t> bytes, TransferProgress* progress = nullptr);
  // Reads one byte; a time-out returns false without a message, a failed read
  // shows read_failed and sets `failed`.
  bool ReadOne(uint8_t& byte, bool& failed);
  // Reads the 8-byte answer and its sum to a frame ending in `code`.
  enum class Answer { kOk, kTimeout, kSumTimeout, kFailed, kBadSum, kMismatch };
  Answer ReadAnswer(uint8_t code, uint8_t* answer, uint8_t* sum);

  ByteChannel& port_;
  Screen& screen_;
  Address address_;
  const TransferMessages& messages_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_CABLE_LINK_H_
