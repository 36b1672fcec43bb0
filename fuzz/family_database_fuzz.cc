// Feeds arbitrary instrument bytes to the reflectometer families' database:
// the first byte picks the family, the next 24 are the information record and
// the rest the cable records. Whatever is taken is then read back through
// every accessor, indices beyond the database included.
#include <cstddef>
#include <cstdint>

#include "cable/family/family_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < 1 + kFamilyInfoSize) return 0;
  const FamilyLayout* layouts[] = {&kFamily343, &kFamily435, &kFamily233};
  FamilyModel model(*layouts[data[0] % 3]);
  const FamilyInfo info = FamilyInfo::FromWire(data + 1);
  const std::span<const uint8_t> records(data + 1 + kFamilyInfoSize, size - 1 - kFamilyInfoSize);
  model.Load(info, records);
  for (int cable = -1; cable <= model.cable_count(); ++cable) {
    (void)model.name(cable);
    (void)model.block(cable).velocity_factor();
    (void)model.record(cable);
    for (int slot = -1; slot <= kFamilySlots; ++slot) {
      (void)model.status(cable, slot);
    }
  }
  return 0;
}
