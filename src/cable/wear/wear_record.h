// The armour-wear meter's information record (kind 8): the calibration, the
// number of stored measurements, the cable length and the measuring interval,
// 14 bytes whose multi-byte values travel most significant byte first.
#ifndef TELVANE_CABLE_WEAR_WEAR_RECORD_H_
#define TELVANE_CABLE_WEAR_WEAR_RECORD_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace telvane {

inline constexpr size_t kWearInfoSize = 14;
// The interval shown for a received 0.
inline constexpr uint8_t kDefaultWearInterval = 10;

struct WearInfo {
  float full_wear = 0;        // sensor value for 100 % wear
  float sample_value = 0;     // sensor value with the reference sample
  uint8_t sample_wear = 0;    // wear of the reference sample, %
  uint16_t count = 0;         // measurements stored in the instrument
  uint16_t cable_length = 0;  //
  uint8_t interval = 0;       // measuring interval; a received 0 reads 10

  // Decodes the 14 bytes as received: the floats and 16-bit values reversed,
  // an interval of 0 replaced by 10.
  static WearInfo FromWire(const std::array<uint8_t, kWearInfoSize>& wire);
};

// The six values as the page shows them, in the record's order, with their
// labels.
struct WearField {
  std::string label;
  std::string value;
};
std::vector<WearField> WearFields(const WearInfo* info);

}  // namespace telvane

#endif  // TELVANE_CABLE_WEAR_WEAR_RECORD_H_
