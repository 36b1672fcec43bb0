// The database information record of the reflectometer families: the first
// record the instrument sends when its database is read (command 0x50 of kind
// 10, 0x60 of kinds 11, 12 and 16, 0 of kind 14). 24 data bytes,
// little-endian, confirmed as record number 0 (the instrument expects 0xFF):
//   0..3   firmware version, float32 (e.g. 8.027)
//   4..5   current number of cables     6..7   maximum number of cables
//   8..9   number of reflectograms      10..11 number of planned-measurement pairs
//   12..13 number of cable types        14     number of stored xDSL logs (u8)
//   15..23 reserved (zero)
#ifndef TELVANE_CABLE_FAMILY_FAMILY_INFO_H_
#define TELVANE_CABLE_FAMILY_FAMILY_INFO_H_

#include <array>
#include <cstddef>
#include <cstdint>

namespace telvane {

inline constexpr size_t kFamilyInfoSize = 24;
// The most cables this program takes from one instrument; a larger maximum in
// the information record is refused before anything is read.
inline constexpr int kFamilyCableLimit = 500;

struct FamilyInfo {
  float firmware = 0;
  uint16_t cables = 0;
  uint16_t maximum_cables = 0;
  uint16_t reflectograms = 0;
  uint16_t planned_pairs = 0;
  uint16_t cable_types = 0;
  uint8_t xdsl_logs = 0;

  static FamilyInfo FromWire(const uint8_t* data);
  std::array<uint8_t, kFamilyInfoSize> ToWire() const;
  // The counts fit together: cables <= maximum <= kFamilyCableLimit.
  bool CountsValid() const;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_INFO_H_
