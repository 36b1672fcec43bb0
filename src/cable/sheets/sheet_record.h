// A measurement sheet of the kind 13 and 14 meters: 604 bytes holding the
// test frequencies, the working and crosstalk attenuation of up to ten pair
// combinations, and optionally a pair-selection table of the crosstalk
// between every two pairs at one frequency.
#ifndef TELVANE_CABLE_SHEETS_SHEET_RECORD_H_
#define TELVANE_CABLE_SHEETS_SHEET_RECORD_H_

#include <cstddef>
#include <cstdint>
#include <optional>

#include "base/fixed_record.h"

namespace telvane {

// Attenuation byte shown as "П".
inline constexpr int8_t kAttenuationOverRange = 126;
// Pair-selection byte that leaves its cell empty.
inline constexpr int8_t kPairSelectionEmpty = 127;

// Combination states.
inline constexpr uint8_t kStateWorking = 30;
inline constexpr uint8_t kStateCrosstalk = 20;
inline constexpr uint8_t kStateBoth = 40;

// Sheet kind without attenuation data.
inline constexpr uint8_t kSheetKindEmpty = 10;

class SheetRecord : public FixedRecord<604> {
 public:
  static constexpr int kCombinations = 10;
  static constexpr int kMaxFrequencies = 10;

  using FixedRecord::FixedRecord;

  bool has_pair_table() const { return U8(48) != 1; }
  float pair_table_frequency() const { return F32(56); }
  uint8_t sheet_kind() const { return U8(272); }
  // The number of test frequencies as stored (a float that should be a whole
  // number of at most 10).
  float raw_frequency_count() const { return F32(276); }
  // The count made safe to index with: truncated, NaN and negatives 0, at
  // most 10.
  int frequency_count() const;
  float frequency(int i) const { return F32(280 + 4 * static_cast<size_t>(i)); }

  // Combination c (0..9).
  uint8_t state(int c) const { return U8(Combination(c)); }
  int8_t working(int c, int f) const { return S8(Combination(c) + 3 + f); }
  int8_t crosstalk(int c, int f) const { return S8(Combination(c) + 14 + f); }
  int16_t output_pair(int c) const { return static_cast<int16_t>(U16(Combination(c) + 24)); }
  int16_t input_pair(int c) const { return static_cast<int16_t>(U16(Combination(c) + 26)); }
  bool has_working(int c) const { return state(c) == kStateWorking || state(c) == kStateBoth; }
  bool has_crosstalk(int c) const { return state(c) == kStateCrosstalk || state(c) == kStateBoth; }

  // The byte offset of the pair-selection value of pairs k < j of a table of
  // `pairs` pairs: 81 + (k·N − (k+1)(k+2)/2 + j + 1) mod 256; nullopt for
  // k ≥ j, j ≥ N, or an offset outside the record.
  static std::optional<size_t> PairOffset(int k, int j, int pairs);
  std::optional<int8_t> pair_value(int k, int j, int pairs) const;

  // Empty sheets (kind 10 without a pair-selection table) are neither
  // described nor reported.
  bool empty() const { return sheet_kind() == kSheetKindEmpty && !has_pair_table(); }

 private:
  static size_t Combination(int c) { return 324 + 28 * static_cast<size_t>(c); }
  int8_t S8(size_t offset) const { return static_cast<int8_t>(U8(offset)); }
};

}  // namespace telvane

#endif  // TELVANE_CABLE_SHEETS_SHEET_RECORD_H_
