// The line tester's records (kind 17): the 104-byte information record, the
// 260-byte frequency list with its grid of frequency codes, and the
// measurement records of the six kinds the record page receives. Records are
// little-endian.
#ifndef TELVANE_TESTERS_LINE_LINE_RECORDS_H_
#define TELVANE_TESTERS_LINE_LINE_RECORDS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace telvane {

inline constexpr size_t kLineInfoSize = 104;
inline constexpr size_t kFrequencyListSize = 260;
inline constexpr size_t kFrequencyListCapacity = 129;
// The highest code of the frequency grid (4096 kHz).
inline constexpr uint16_t kLastFrequencyCode = 992;

struct LineInfo {
  uint16_t levels = 0;         // 72: narrowband level records ("УП")
  uint16_t responses = 0;      // 74: frequency-response records ("АЧХ")
  uint16_t extended = 0;       // 76: extended frequency-response records ("АЧХ+")
  uint16_t spectra = 0;        // 78: spectrum records
  uint16_t reflectograms = 0;  // 80
  uint16_t adsl = 0;           // 82: ADSL records
  uint16_t frequencies = 0;    // 84: entries of the frequency list
  float version = 0;           // 88

  static LineInfo FromWire(std::span<const uint8_t, kLineInfoSize> bytes);
  // (label, value) rows: "Версия прибора" with "%3.3f", then the seven
  // counts with "%u".
  std::vector<std::pair<std::string, std::string>> Rows() const;
};

// --- Frequency grid ---------------------------------------------------------

// The frequency of `code` in kHz; nullopt beyond the grid.
std::optional<unsigned> FrequencyOfCode(uint16_t code);
// The code of a grid frequency; nullopt for a frequency not on the grid.
std::optional<uint16_t> CodeOfFrequency(unsigned khz);
// The frequencies offered for adding: 32 … 256 by 1, … 512 by 2, … 2048 by 4,
// … 4096 by 8.
std::vector<unsigned> OfferedFrequencies();

struct FrequencyList {
  std::vector<uint16_t> codes;

  // The list of a 260-byte record; `cut` is set when the record announced more
  // than 129 entries (the rest is dropped).
  static FrequencyList FromWire(std::span<const uint8_t, kFrequencyListSize> bytes, bool* cut);
  std::array<uint8_t, kFrequencyListSize> ToWire() const;
};

// --- Measurement records ----------------------------------------------------

enum class LineRecordKind { kLevel, kSpectrum, kResponse, kExtendedResponse, kAdsl, kModem };

struct LineKindInfo {
  LineRecordKind kind;
  uint8_t code;
  const char* choice;    // the entry of the kind choice
  const char* subtitle;  // the report's subtitle
};

// The six kinds in the order of their codes 0x01, 0x02, 0x03, 0x04, 0x08, 0x0A.
std::span<const LineKindInfo> LineRecordKinds();
const LineKindInfo& LineKindOf(LineRecordKind kind);
// The record size of `kind` for instrument version `version`.
size_t LineRecordSize(LineRecordKind kind, float version);
// The report subtitle; the ADSL kind names "скоростной потенциал линии xDSL"
// from version 1.5.
const char* LineReportSubtitle(LineRecordKind kind, float version);

struct LineDate {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
};
// Minute bits 0-5, hour 6-10, day 11-15, month 16-19, two-digit year from
// bit 20 (bits 20-26: four bits would stop at 15).
LineDate UnpackLineDate(uint32_t packed);

// One point of a measurement drawn or listed as level over frequency.
struct LinePoint {
  unsigned khz = 0;
  int level = 0;  // dB
};

// The points of a record of `kind` (levels, spectrum, frequency responses);
// empty for the ADSL kinds. `record` must have the kind's size.
std::vector<LinePoint> LinePoints(LineRecordKind kind, std::span<const uint8_t> record,
                                  float version);
// The date of a record when it carries one.
std::optional<LineDate> LineRecordDate(LineRecordKind kind, std::span<const uint8_t> record,
                                       float version);
// The text view of one record (CR LF lines, UTF-8).
std::string LineRecordText(LineRecordKind kind, std::span<const uint8_t> record, float version);

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_RECORDS_H_
