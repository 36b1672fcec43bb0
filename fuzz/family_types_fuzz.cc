// Feeds arbitrary instrument bytes to the reflectometer families' cable-type
// list: the first byte picks the family, the rest are the type records as
// the instrument sends them. Whatever is taken is read back through every
// accessor, indices beyond the list included, and a type is replaced.
#include <cstddef>
#include <cstdint>

#include "cable/family/family_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  if (size < 1) return 0;
  const FamilyLayout* layouts[] = {&kFamily343, &kFamily435, &kFamily233};
  FamilyModel model(*layouts[data[0] % 3]);
  const std::span<const uint8_t> records(data + 1, size - 1);
  const bool taken = model.LoadTypes(records);
  const int count = static_cast<int>(model.types().size());
  if (taken != (records.size() % kFamilyTypeSize == 0 &&
                records.size() / kFamilyTypeSize <= static_cast<size_t>(kFamilyTypeLimit))) {
    __builtin_trap();
  }
  for (int type = -1; type <= count; ++type) {
    (void)model.type_name(type);
    for (int value = -1; value <= 3; ++value) (void)model.type_value(type, value);
  }
  if (count > 0) model.SetType(count - 1, model.types().front());
  return 0;
}
