#include "cable/family/family_cable_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "base/values.h"
#include "cable/family/family_cable_fields.h"

namespace telvane {
namespace {

// Section value offsets (family_cable_fields.h).
constexpr size_t kLength = 1;
constexpr size_t kPoints = 5;
constexpr size_t kValue2 = 9;
constexpr size_t kValue3 = 13;
constexpr size_t kValue4 = 17;

// The name a section's type is stored under: the instrument's type name, or
// "Тип N" (N the type index) when the model holds no such type.
std::string TypeNameOf(const FamilyModel& model, int index) {
  std::string name = model.type_name(index);
  if (!name.empty()) return name;
  char text[32];
  std::snprintf(text, sizeof text, "Тип %d", index);
  return text;
}

// The type index of a stored section: the model's type of that name, else
// the stored MA, else 0.
uint8_t TypeIndexOf(const FamilyModel& model, const DbCableType& type) {
  for (int i = 0; i < static_cast<int>(model.types().size()); ++i) {
    if (model.type_name(i) == type.name) return static_cast<uint8_t>(i);
  }
  if (type.ma && std::isfinite(*type.ma) && *type.ma >= 0 && *type.ma <= 255) {
    return static_cast<uint8_t>(*type.ma);
  }
  return 0;
}

}  // namespace

DbCable FamilyDbCable(const FamilyModel& model, int cable) {
  const FamilyCableFields& fields = CableFieldsOf(model.layout().family);
  const std::span<const uint8_t> block = model.block_bytes(cable);
  DbCable out;
  if (block.empty()) return out;
  out.name = model.name(cable);
  out.nlist = cable;
  if (fields.pairs) out.pairs = LoadLe16(block.data() + *fields.pairs);
  if (fields.temperature) out.temperature = LoadLeFloat(block.data() + *fields.temperature);
  if (fields.number) out.time_charge = block[*fields.number];
  const int sections = std::min<int>(block[fields.section_count], fields.section_limit);
  for (int k = 0; k < sections; ++k) {
    const uint8_t* section = block.data() + fields.sections + fields.section_size * k;
    DbFrame frame;
    frame.type.name = TypeNameOf(model, section[0]);
    frame.type.specific_capacity = LoadLeFloat(section + kValue2);
    frame.type.contraction = LoadLeFloat(section + kValue3);
    if (fields.has_value4) frame.type.r_conductor = LoadLeFloat(section + kValue4);
    frame.type.ma = section[0];
    frame.length = LoadLeFloat(section + kLength);
    frame.length_in_points = LoadLeFloat(section + kPoints);
    frame.specific_capacity = LoadLeFloat(section + kValue2);
    out.frames.push_back(frame);
  }
  return out;
}

void ApplyDbCable(const DbStoredCable& stored, FamilyModel& model, int cable) {
  const FamilyCableFields& fields = CableFieldsOf(model.layout().family);
  const std::span<uint8_t> block = model.block_bytes(cable);
  if (block.empty()) return;
  if (fields.pairs) {
    StoreLe16(static_cast<uint16_t>(std::clamp<int32_t>(stored.pairs, 1, 2000)),
              block.data() + *fields.pairs);
  }
  if (fields.temperature) {
    // The page offers the whole numbers −10 to 20; a value that is no number
    // becomes 20.
    const float celsius =
        std::isfinite(stored.temperature) ? std::clamp(stored.temperature, -10.0f, 20.0f) : 20.0f;
    StoreLeFloat(celsius, block.data() + *fields.temperature);
  }
  if (fields.number) {
    block[*fields.number] = static_cast<uint8_t>(std::clamp<int32_t>(stored.time_charge, 0, 255));
  }
  const int sections = std::min<int>(static_cast<int>(stored.frames.size()), fields.section_limit);
  block[fields.section_count] = static_cast<uint8_t>(sections);
  for (int k = 0; k < sections; ++k) {
    const DbFrame& frame = stored.frames[static_cast<size_t>(k)];
    uint8_t* section = block.data() + fields.sections + fields.section_size * k;
    section[0] = TypeIndexOf(model, frame.type);
    StoreLeFloat(frame.length, section + kLength);
    // A row without trace points takes the page's rule: whole part of the
    // length × k × 2/3.
    const float k_value = frame.type.contraction.value_or(1.0f);
    const float points = frame.length_in_points.value_or(
        static_cast<float>(std::trunc(static_cast<double>(frame.length) * k_value * 2.0 / 3.0)));
    StoreLeFloat(points, section + kPoints);
    StoreLeFloat(frame.specific_capacity, section + kValue2);
    StoreLeFloat(k_value, section + kValue3);
    if (fields.has_value4) StoreLeFloat(frame.type.r_conductor.value_or(0), section + kValue4);
  }
}

}  // namespace telvane
