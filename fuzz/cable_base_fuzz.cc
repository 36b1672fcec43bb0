// Feeds arbitrary bytes to the cable-base file reader; whatever it accepts is
// written again and laid out as the text report.
#include <cstddef>
#include <cstdint>

#include "cable/cable_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  fuzz::SilentScreen screen;
  const std::string path = fuzz::WriteInput(data, size, "bin");
  CableBase base;
  if (LoadCableBaseFile(screen, base, path)) {
    CableBaseReport(base);
    SaveCableBaseFile(screen, base, path);
  }
  return 0;
}
