// Feeds arbitrary bytes to the binary cable-type file reader; a table it
// accepts is written as text and read back.
#include <cstddef>
#include <cstdint>

#include "cable/cable_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  fuzz::SilentScreen screen;
  const std::string path = fuzz::WriteInput(data, size, "bin");
  CableTypeTable table;
  if (LoadCableTypeFile(screen, table, path) && SaveCableTypeText(screen, table, path)) {
    LoadCableTypeText(screen, table, path);
  }
  return 0;
}
