#include "cable/family/family_info.h"

#include "base/values.h"

namespace telvane {

FamilyInfo FamilyInfo::FromWire(const uint8_t* data) {
  FamilyInfo info;
  info.firmware = LoadLeFloat(data);
  info.cables = LoadLe16(data + 4);
  info.maximum_cables = LoadLe16(data + 6);
  info.reflectograms = LoadLe16(data + 8);
  info.planned_pairs = LoadLe16(data + 10);
  info.cable_types = LoadLe16(data + 12);
  info.xdsl_logs = data[14];
  return info;
}

std::array<uint8_t, kFamilyInfoSize> FamilyInfo::ToWire() const {
  std::array<uint8_t, kFamilyInfoSize> out{};
  StoreLeFloat(firmware, out.data());
  StoreLe16(cables, out.data() + 4);
  StoreLe16(maximum_cables, out.data() + 6);
  StoreLe16(reflectograms, out.data() + 8);
  StoreLe16(planned_pairs, out.data() + 10);
  StoreLe16(cable_types, out.data() + 12);
  out[14] = xdsl_logs;
  return out;
}

bool FamilyInfo::CountsValid() const {
  return cables <= maximum_cables && maximum_cables <= kFamilyCableLimit;
}

}  // namespace telvane
