// The fields of a kind 6 reflectogram entry (the 65-byte entries of the
// search's initial transfer) and the meter's scale tables that turn its
// setting indices into range, pulse width and gain. The layout is in
// docs/cable-trace6.md; every byte of the entry stays as received.
#ifndef TELVANE_CABLE_TRACE6_TRACE6_ENTRY_H_
#define TELVANE_CABLE_TRACE6_TRACE6_ENTRY_H_

#include <cstdint>
#include <span>
#include <string>

#include "cable/reflectogram_transfer.h"

namespace telvane {

// Entry offsets.
namespace trace6 {
inline constexpr size_t kCable = 0;
inline constexpr size_t kDate = 1;  // year - 2000, month, day, hour, minute, second
inline constexpr size_t kRangeIndex = 7;
inline constexpr size_t kPulseIndex = 8;
inline constexpr size_t kGainIndex = 9;
inline constexpr size_t kWindowIndex = 10;  // the range shown on the meter's screen
inline constexpr size_t kSamples = 11;      // u16
inline constexpr size_t kVelocity = 13;     // s16, k = value × 0.001
inline constexpr size_t kCursor1 = 15;      // s16, sample index
inline constexpr size_t kCursor2 = 17;      // s16, sample index
inline constexpr size_t kAveraging = 19;
inline constexpr size_t kName = 20;  // 21 bytes, CP1251, zero-ended
inline constexpr size_t kNameSize = 21;
// The most samples a trace may announce; a larger count is refused before
// anything is received.
inline constexpr int kMaxSamples = 4096;
// Samples of the version 3.0 export and of the worksheet.
inline constexpr int kExportSamples = 128;
}  // namespace trace6

// The meter's scale tables by setting index; an index beyond a table gives 0.
int Trace6RangeMetres(int index);
int Trace6PulseNs(int index);
int Trace6GainDb(int index);

struct Trace6Info {
  int cable = 0;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;  // year - 2000
  int range_index = 0, pulse_index = 0, gain_index = 0, window_index = 0;
  int samples = 0;
  int16_t velocity = 0;  // k × 1000
  int16_t cursor1 = 0, cursor2 = 0;
  int averaging = 0;
  std::string name;  // UTF-8

  int range_m() const { return Trace6RangeMetres(range_index); }
  int pulse_ns() const { return Trace6PulseNs(pulse_index); }
  int gain_db() const { return Trace6GainDb(gain_index); }
  double k() const { return velocity * 0.001; }
  // The range over the shown window, truncated, at least 1.
  int stretch() const;
};

Trace6Info DecodeTrace6Entry(const ReflectogramEntry& entry);
// The entry's line in the page's list: "%s  %.2u.%.2u.%.2u %.2u:%.2u:%.2u" with
// the name (or "РФГ %d" with the entry number from 1 when it has none).
std::string Trace6Line(const Trace6Info& info, int number);

// Amplitudes as received (one byte each) widened to the 16-bit values of the
// exports: the first 128, missing ones 0.
std::array<uint16_t, trace6::kExportSamples> Trace6ExportAmplitudes(
    std::span<const uint8_t> samples);

}  // namespace telvane

#endif  // TELVANE_CABLE_TRACE6_TRACE6_ENTRY_H_
