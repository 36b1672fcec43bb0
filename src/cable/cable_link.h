// The cable meters' serial transfers on the frame codec: command frames,
// record indexes, numbered records sent, records received, each confirmed,
// with the family's texts for every fault (cable_messages.h).
//
//   command      address(7) code sum           answer  address(7) ~code sum
//   index block  address(7) index sum          answer  address(7) ~index sum
//   record       address(7) [number] data sum  answer  address(7) ~c sum
//
// where c is the record number of a numbered record, or one chosen data byte
// of an unnumbered one.
#ifndef TELVANE_CABLE_CABLE_LINK_H_
#define TELVANE_CABLE_CABLE_LINK_H_

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/screen.h"
#include "cable/cable_messages.h"
#include "link/byte_channel.h"
#include "link/instrument_info.h"
#include "link/transfer_progress.h"

namespace telvane {

// How a received record is checked and which texts its faults show.
struct ReceiveRules {
  enum class Texts { kRecord, kTypeRecord, kDateRecord };
  bool numbered = false;          // a record-number byte follows the address
  size_t confirm_data_index = 0;  // unnumbered: the data byte whose complement confirms
  Texts texts = Texts::kRecord;
};

class CableLink {
 public:
  CableLink(ByteChannel& port, Screen& screen, const Address& address,
            const CableFamilyTexts& texts)
      : port_(port), screen_(screen), address_(address), texts_(texts) {}

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
  ByteChannel& port() { return port_; }
  const Address& address() const { return address_; }
  const CableFamilyTexts& texts() const { return texts_; }

 private:
  ByteChannel& port_;
  Screen& screen_;
  Address address_;
  const CableFamilyTexts& texts_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_CABLE_LINK_H_
