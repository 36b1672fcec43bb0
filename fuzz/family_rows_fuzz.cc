// Feeds arbitrary database rows to the reflectometer families' cable records:
// the first byte picks the family, the next bytes are one cable record, the
// rest a stored cable (pairs, temperature, charge time, then sections of a
// type name length and name, length, trace points, capacitance, k, loop
// resistance and MA). The row goes into the record, the record back into a
// row; the section count must stay within the record's room.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "cable/family/family_cable_fields.h"
#include "cable/family/family_cable_rows.h"

namespace {

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  template <typename T>
  T Value() {
    T value{};
    uint8_t raw[sizeof(T)] = {};
    for (uint8_t& b : raw) b = Byte();
    std::memcpy(&value, raw, sizeof(T));
    return value;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < 1) return 0;
  const FamilyLayout* layouts[] = {&kFamily343, &kFamily435, &kFamily233};
  const FamilyLayout& layout = *layouts[data[0] % 3];
  if (size < 1 + layout.record_size) return 0;
  FamilyModel model(layout);
  FamilyInfo info;
  info.cables = 1;
  info.maximum_cables = 2;
  if (!model.Load(info, std::span<const uint8_t>(data + 1, layout.record_size))) return 0;
  Bytes in(data + 1 + layout.record_size, size - 1 - layout.record_size);
  DbStoredCable stored;
  stored.pairs = in.Value<int32_t>();
  stored.temperature = in.Value<float>();
  stored.time_charge = in.Value<int32_t>();
  while (!in.empty() && stored.frames.size() < 64) {
    DbFrame frame;
    const int name_length = in.Byte() % 24;
    for (int i = 0; i < name_length; ++i) frame.type.name.push_back(static_cast<char>(in.Byte()));
    frame.length = in.Value<float>();
    if (in.Byte() & 1) frame.length_in_points = in.Value<float>();
    frame.specific_capacity = in.Value<float>();
    if (in.Byte() & 1) frame.type.contraction = in.Value<float>();
    if (in.Byte() & 1) frame.type.r_conductor = in.Value<float>();
    if (in.Byte() & 1) frame.type.ma = in.Value<float>();
    stored.frames.push_back(frame);
  }
  const int added = model.AddCable("x");
  for (int cable : {0, added, -1, 5}) {
    ApplyDbCable(stored, model, cable);
    const DbCable row = FamilyDbCable(model, cable);
    if (static_cast<int>(row.frames.size()) > CableFieldsOf(layout.family).section_limit) {
      __builtin_trap();
    }
  }
  return 0;
}
