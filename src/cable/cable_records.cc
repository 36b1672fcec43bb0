#include "cable/cable_records.h"

#include <algorithm>

namespace telvane {

CableSection CableRecord::section(int index) const {
  CableSection section;
  section.Assign(span().subspan(SectionOffset(index), CableSection::kSize));
  return section;
}

void CableRecord::set_section(int index, const CableSection& section) {
  std::copy(section.bytes().begin(), section.bytes().end(),
            mutable_bytes().begin() + static_cast<std::ptrdiff_t>(SectionOffset(index)));
}

std::array<float, 6> PlannedMeasurement::values() const {
  return {capacitance_ab(), capacitance_bc(), capacitance_ac(),
          insulation_ab(),  insulation_bc(),  insulation_ac()};
}

std::array<uint8_t, kCableTypeWireSize> EncodeCableType(const CableTypeRecord& type,
                                                        NamePadding padding) {
  std::array<uint8_t, kCableTypeWireSize> out{};
  const auto& bytes = type.bytes();
  const auto name_end =
      std::find(bytes.begin(), bytes.begin() + CableTypeRecord::kNameBytes, uint8_t{0});
  const size_t name_length = static_cast<size_t>(name_end - bytes.begin());
  std::copy(bytes.begin(), name_end, out.begin());
  std::fill(out.begin() + static_cast<std::ptrdiff_t>(name_length),
            out.begin() + CableTypeRecord::kNameBytes, static_cast<uint8_t>(padding));
  PackBe32(LoadLe32(&bytes[16]), &out[16]);
  PackBe32(LoadLe32(&bytes[20]), &out[20]);
  return out;
}

CableTypeRecord DecodeCableType(std::span<const uint8_t, kCableTypeWireSize> in) {
  CableTypeRecord type;
  auto& bytes = type.mutable_bytes();
  std::copy(in.begin(), in.begin() + CableTypeRecord::kNameBytes, bytes.begin());
  size_t end = CableTypeRecord::kNameBytes;
  while (end > 0 && (bytes[end - 1] == ' ' || bytes[end - 1] == 0)) bytes[--end] = 0;
  StoreLe32(UnpackBe32(&in[16]), &bytes[16]);
  StoreLe32(UnpackBe32(&in[20]), &bytes[20]);
  type.set_selected(true);
  return type;
}

}  // namespace telvane
