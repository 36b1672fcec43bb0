// "Информация о БД" of the instruments with 435-byte cable records (kinds 11,
// 12 and 16): command 0x60 brings the database information record, whose
// firmware version decides the "xDSL" tab and the "Tester xDSL" name.
//
// The record (24 data bytes, little-endian), as this program and telvane-sim
// agree on it:
//   0..3   firmware version, float32 (e.g. 8.027)
//   4..5   current number of cables     6..7   maximum number of cables
//   8..9   number of reflectograms      10..11 number of planned-measurement pairs
//   12..13 number of cable types        14     number of stored xDSL logs (u8)
//   15..23 reserved (zero)
// It is confirmed as record number 0 (the instrument expects 0xFF).
#ifndef TELVANE_APP_FAMILY435_INFO_PAGE_H_
#define TELVANE_APP_FAMILY435_INFO_PAGE_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "page/instrument_page.h"

namespace telvane {

inline constexpr uint8_t kReadDatabaseCommand435 = 0x60;
inline constexpr size_t kDatabaseInfoSize435 = 24;

struct DatabaseInfo435 {
  float firmware = 0;
  uint16_t cables = 0;
  uint16_t maximum_cables = 0;
  uint16_t reflectograms = 0;
  uint16_t planned_pairs = 0;
  uint16_t cable_types = 0;
  uint8_t xdsl_logs = 0;

  static DatabaseInfo435 FromWire(const uint8_t* data);
};

class Family435InfoPage : public InstrumentPage {
 public:
  explicit Family435InfoPage(PageContext& context);

  // Command 0x60 and the information record; the version and the number of
  // xDSL logs go to the session facts.
  void Start() override;
  void ClearBuffers() override;

  const std::optional<DatabaseInfo435>& info() const { return info_; }
  // (label, value) rows for the view; empty before a reading.
  std::vector<std::pair<std::string, std::string>> Rows() const;

 private:
  std::optional<DatabaseInfo435> info_;
};

}  // namespace telvane

#endif  // TELVANE_APP_FAMILY435_INFO_PAGE_H_
