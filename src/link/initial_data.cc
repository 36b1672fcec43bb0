#include "link/initial_data.h"

#include <algorithm>

#include "base/values.h"

namespace telvane {

uint16_t Kind6Database::current_reflectograms() const { return LoadLe16(&header[22]); }

std::string Kind6Database::CableName(size_t i) const {
  if (i >= cables.size()) return {};
  const CableEntry& entry = cables[i];
  const auto end = std::find(entry.begin(), entry.begin() + 20, 0);
  return std::string(entry.begin(), end);
}

Kind9Parameters Kind9Parameters::FromWire(const uint8_t* data) {
  Kind9Parameters p;
  p.chip_type = data[0];
  p.maximum_cables = UnpackBe16(data + 1);
  p.current_cables = UnpackBe16(data + 3);
  p.cable_types = data[5];
  p.maximum_pairs = UnpackBe16(data + 6);
  p.current_pairs = UnpackBe16(data + 8);
  p.working_cable = UnpackBe16(data + 10);
  p.maximum_sections = data[12];
  p.first_free_byte = UnpackBe16(data + 13);
  p.capacity = p.chip_type == 1 ? 2048 : p.chip_type == 2 ? 32768 : 0;
  return p;
}

std::array<uint8_t, Kind9Parameters::kWireSize> Kind9Parameters::ToWire() const {
  std::array<uint8_t, kWireSize> out{};
  out[0] = chip_type;
  PackBe16(maximum_cables, &out[1]);
  PackBe16(current_cables, &out[3]);
  out[5] = cable_types;
  PackBe16(maximum_pairs, &out[6]);
  PackBe16(current_pairs, &out[8]);
  PackBe16(working_cable, &out[10]);
  out[12] = maximum_sections;
  PackBe16(static_cast<uint16_t>(first_free_byte), &out[13]);
  return out;
}

}  // namespace telvane
