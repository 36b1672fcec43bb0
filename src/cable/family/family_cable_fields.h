// Where the cable page of each reflectometer family finds a cable's fields in
// the bytes of its cable block (the whole record in the 233-byte family): one
// row per family. Every section holds a type index byte and then four floats
// (three in the 343-byte family, whose sections have 17 bytes):
//   0 type index | 1 value 1 | 5 derived | 9 value 2 | 13 value 3 | 17 value 4
#ifndef TELVANE_CABLE_FAMILY_FAMILY_CABLE_FIELDS_H_
#define TELVANE_CABLE_FAMILY_FAMILY_CABLE_FIELDS_H_

#include <cstddef>
#include <optional>

#include "cable/family/family_scales.h"
#include "page/page_id.h"

namespace telvane {

struct FamilyCableFields {
  PageId page;
  std::optional<size_t> pairs;        // u16, 1 to 2000
  size_t section_count;               // u8
  std::optional<size_t> temperature;  // f32
  std::optional<size_t> number;       // u8, the per-cable number (charge time)
  std::optional<size_t> option;       // u8, shown as a check box
  size_t sections;                    // the first section
  size_t section_size;
  int section_limit;   // sections the record holds
  int shown_sections;  // sections the page shows at most
  bool has_value4;
};

const FamilyCableFields& CableFieldsOf(Family family);

}  // namespace telvane

#endif  // TELVANE_CABLE_FAMILY_FAMILY_CABLE_FIELDS_H_
