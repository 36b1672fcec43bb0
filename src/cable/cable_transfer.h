// The transfers of the cable-parameter meters on the session serial port: the
// cable-type database, the full family's cable records and planned
// measurements, the compact family's planned measurements, type list and cable
// parameters, and the session end. Each member is one complete exchange; it
// reports its own faults and returns whether it succeeded.
//
// What is received goes through a scratch record and reaches the databases
// only after that record's checks passed: a failing record never leaves a half
// written one behind. The type table and the compact lists are taken over only
// when complete; cable records and planned-measurement slots received before a
// failure stay. Record numbers and counts from the instrument are checked
// against the arrays before use.
#ifndef TELVANE_CABLE_CABLE_TRANSFER_H_
#define TELVANE_CABLE_CABLE_TRANSFER_H_

#include <cstdint>
#include <vector>

#include "base/screen.h"
#include "cable/cable_database.h"
#include "cable/cable_link.h"
#include "link/byte_channel.h"
#include "link/instrument_info.h"

namespace telvane {

// Command codes of the cable meters.
namespace cable_code {
inline constexpr uint8_t kTypeStatus = 0x00;
inline constexpr uint8_t kSendType = 0x01;
inline constexpr uint8_t kSendTypes = 0x02;
inline constexpr uint8_t kReceiveTypes = 0x05;
inline constexpr uint8_t kSendCable = 0x11;
inline constexpr uint8_t kSendCables = 0x12;
inline constexpr uint8_t kReceiveCable = 0x14;
inline constexpr uint8_t kReceiveCables = 0x15;
inline constexpr uint8_t kReceivePlanned = 0x16;
inline constexpr uint8_t kReceiveReflectogram = 0x17;
inline constexpr uint8_t kReceiveCompactPlanned = 0x21;
inline constexpr uint8_t kReceiveCompactTypes = 0x22;
inline constexpr uint8_t kReceiveCompactCables = 0x23;
inline constexpr uint8_t kSendCompactCables = 0x24;
inline constexpr uint8_t kEndSession = 0xFF;
}  // namespace cable_code

// The header code of the single cable record sent with 0x11.
inline constexpr uint8_t kSingleCableNumber = 0xFF;

class CableTransfer {
 public:
  CableTransfer(ByteChannel& port, Screen& screen, InstrumentInfo& instrument)
      : port_(port), screen_(screen), instrument_(instrument) {}

  // 0x00: the current number of types and the database size; the table is
  // resized to the database size.
  bool ReadTypeStatus(CableTypeTable& table);
  // 0x01: type `index` of the table, as record index + 1.
  bool SendCableType(const CableTypeTable& table, int index);
  // 0x02: the first `count` types, then "Complete".
  bool SendCableTypes(const CableTypeTable& table, int count);
  // 0x05: as many types as the database size; the table is replaced only
  // when every record arrived.
  bool ReceiveCableTypes(CableTypeTable& table);

  // 0x11: cable `index`, its last four bytes cleared first.
  bool SendCableRecord(CableBase& base, int index);
  // 0x12: the first `count` cables, then "Complete".
  bool SendCableRecords(const CableBase& base, int count);
  // 0x14: cable `index`, its last four bytes cleared first.
  bool ReceiveCableRecord(CableBase& base, int index);
  // 0x15: `count` cables, each into the slot its record number names.
  bool ReceiveCableRecords(CableBase& base, int count);
  // 0x16: the date and the pair-count many slots of cable `index`.
  bool ReceivePlanned(CableBase& base, int index);

  // 0x21: the planned measurements of every cable (cables × pairs records).
  bool ReceiveCompactPlanned(CompactBase& base);
  // 0x22: the cable-type list (the header's type count), numbered from 1.
  bool ReceiveCompactTypes(CompactBase& base);
  // 0x23: the cable parameters (the header's cable count).
  bool ReceiveCompactCables(CompactBase& base);
  // 0x24: the whole image of 45-byte slots, then "Complete".
  bool SendCompactImage(const std::vector<CompactCableRecord>& image);

  // 0xFF: ends the session; on confirmation the instrument's address and name
  // are cleared.
  bool EndSession();

 private:
  CableLink Link(const CableFamilyTexts& texts) {
    return CableLink(port_, screen_, instrument_.address(), texts);
  }
  // Sets the time-out back and hides the progress bar; the result of the
  // exchange, false also when the time-out could not be restored.
  static bool Finish(CableLink& link, TransferProgress* progress, bool ok);
  template <typename Record>
  bool ReceiveCompactSeries(uint8_t code, uint8_t first, std::vector<Record>& received);
  void Complete();

  ByteChannel& port_;
  Screen& screen_;
  InstrumentInfo& instrument_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_CABLE_TRANSFER_H_
