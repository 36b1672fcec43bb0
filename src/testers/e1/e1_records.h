// The records of the E1 tester: the 512-byte header of a measurement file, the
// 328-byte cumulative measurement record, and one file as the page holds it.
// Fields are decoded on access from the bytes as received, so a file written
// by the page carries every byte the tester sent.
#ifndef TELVANE_TESTERS_E1_E1_RECORDS_H_
#define TELVANE_TESTERS_E1_E1_RECORDS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/fixed_record.h"
#include "base/screen.h"

namespace telvane {

// The tester information of command 2.
class E1TesterInfo : public FixedRecord<12> {
 public:
  // The value at 8 (little-endian) that selects the number of files.
  uint32_t value() const { return U32(8); }
  // Below 135: 3 files; otherwise 39.
  int file_count() const { return value() < 135 ? 3 : 39; }
  static constexpr int kMaxFiles = 39;
};

// Bytes 96 to 195 of the header: what a page file keeps.
inline constexpr size_t kE1BlockOffset = 96;
inline constexpr size_t kE1BlockSize = 100;
// The channels whose flags the header holds (1 to 31).
inline constexpr int kE1Channels = 31;

class E1Header : public FixedRecord<512> {
 public:
  bool has_measurement() const { return U8(32) != 0; }
  // The record count as the tester reports it (not yet bounded).
  int32_t raw_count() const { return static_cast<int32_t>(U32(72)); }
  uint8_t interval_code() const { return U8(173); }
  DateTime start() const;
  uint8_t line_code() const { return U8(184); }
  uint8_t framing() const { return U8(185); }
  uint8_t crc4() const { return U8(186); }
  uint8_t bit_control() const { return U8(187); }
  uint8_t sequence() const { return U8(188); }
  uint8_t rx_inversion() const { return U8(192); }
  // Channel n (1 to 31) tested: bit n of the little-endian word at 160.
  bool channel_on(int channel) const;
  // The number of tested channels.
  int channels_on() const;

  void set_has_measurement(bool on) { SetU8(32, on ? 1 : 0); }
  void set_raw_count(int32_t count) { SetU32(72, static_cast<uint32_t>(count)); }
  void set_start(const DateTime& when);
  void set_channels(uint32_t mask) { SetU32(160, mask); }
  void set_byte(size_t offset, uint8_t value) { SetU8(offset, value); }
};

// One cumulative measurement record.
class E1Record : public FixedRecord<328> {
 public:
  enum Counter {
    kCode,
    kFas,
    kBit,
    kMfas,
    kCrc,
    kEbit,
    kLos,
    kAis,
    kLof,
    kLomCas,
    kLomCrc,
    kRai,
    kMrai,
    kLss,
    kG821Es,
    kG821Ses,
    kG821Us,
    kG821As,
    kNearEb,
    kNearBbe,
    kNearEs,
    kNearSes,
    kNearUs,
    kNearAs,
    kFarEb,
    kFarBbe,
    kFarEs,
    kFarSes,
    kFarUs,
    kFarAs,
    kM2100NearEs,
    kM2100NearSes,
    kM2100NearUs,
    kM2100NearAs,
    kM2100FarEs,
    kM2100FarSes,
    kM2100FarUs,
    kM2100FarAs,
    kElapsed,
    kCounterCount
  };
  // The byte offset of each counter.
  static size_t Offset(Counter counter);

  uint32_t counter(Counter c) const { return U32(Offset(c)); }
  void set_counter(Counter c, uint32_t value) { SetU32(Offset(c), value); }
  // The largest jitter and high-band jitter since the start, in unit
  // intervals (float32 at 304 and 308).
  float jitter() const { return F32(304); }
  float hf_jitter() const { return F32(308); }
  void set_jitter(float value) { SetF32(304, value); }
  void set_hf_jitter(float value) { SetF32(308, value); }
};

// One measurement file: its header and records in order.
struct E1File {
  E1Header header;
  std::vector<E1Record> records;
};

// The most records one file can hold: record numbers 1000 i + 1 + j exist
// for j up to 998.
inline constexpr int kE1MaxRecords = 999;

// The names of the header's codes; "ошибка" beyond each table.
std::string E1LineCodeName(uint8_t code);
std::string E1FramingName(uint8_t code);
std::string E1OnOffName(uint8_t code);
std::string E1SequenceName(uint8_t code);
// "1 мин", "10 мин", "1 час", else "Неизвестно".
std::string E1IntervalName(uint8_t code);

// `when` moved on by `seconds`, through the calendar.
DateTime AddSeconds(const DateTime& when, uint64_t seconds);

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_RECORDS_H_
