// Code 0x17: one reflectogram of a full-family meter, chosen by its index in
// the table of 65-byte reflectogram entries, received sample by sample and
// written as three trace files below "<folder>/<cable name>/Рефлектограммы".
// The file layouts are described in docs/cable-reflectogram-files.md.
#ifndef TELVANE_CABLE_REFLECTOGRAM_TRANSFER_H_
#define TELVANE_CABLE_REFLECTOGRAM_TRANSFER_H_

#include <cstdint>
#include <string>
#include <vector>

#include "base/screen.h"
#include "link/byte_channel.h"
#include "base/fixed_record.h"
#include "link/instrument_info.h"

namespace telvane {

// One entry of the reflectogram table of the kind 6 initial transfer. Bytes
// other than the named ones are kept as received.
class ReflectogramEntry : public FixedRecord<65> {
 public:
  using FixedRecord::FixedRecord;

  uint8_t cable_index() const { return U8(0); }
  // Bytes 1 to 6: the date and time as the instrument stores them.
  uint8_t date_byte(int i) const { return U8(static_cast<size_t>(i)); }
  uint16_t sample_count() const { return U16(11); }

  void set_cable_index(uint8_t v) { SetU8(0, v); }
  void set_date_byte(int i, uint8_t v) { SetU8(static_cast<size_t>(i), v); }
  void set_sample_count(uint16_t v) { SetU16(11, v); }
};

// The file name stem "r_%.2u_%.2u_%.2u_%.2u_%.2u_%.2u" from entry bytes 4, 5,
// 6, 3, 2 and 1.
std::string ReflectogramStem(const ReflectogramEntry& entry);

// The bytes of the three files for a trace of `samples`.
std::vector<uint8_t> ReflectogramTdr(const ReflectogramEntry& entry, uint8_t index,
                                     const std::string& cable_name,
                                     const std::vector<uint8_t>& samples);
std::string ReflectogramCsv(const std::vector<uint8_t>& samples);
std::vector<uint8_t> ReflectogramWv(const std::vector<uint8_t>& samples);

struct ReceivedTrace {
  std::vector<uint8_t> samples;
  bool complete = false;
  std::vector<std::string> files;  // paths written
};

// Receives reflectogram `index` (its `entry`) of the cable named `cable_name`
// and writes its files below `folder`. A trace cut short by a time-out is
// written as "<stem>_ERR.tdr" and the transfer fails. Returns true when the
// whole trace arrived and its files were written.
bool ReceiveReflectogram(ByteChannel& port, Screen& screen, const InstrumentInfo& instrument,
                         uint8_t index, const ReflectogramEntry& entry,
                         const std::string& cable_name, const std::string& folder,
                         ReceivedTrace* trace = nullptr);

}  // namespace telvane

#endif  // TELVANE_CABLE_REFLECTOGRAM_TRANSFER_H_
