// Feeds arbitrary bytes to the text cable-type file reader; a table it
// accepts is written as a binary file and read back.
#include <cstddef>
#include <cstdint>

#include "cable/cable_files.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  fuzz::SilentScreen screen;
  const std::string path = fuzz::WriteInput(data, size, "txt");
  CableTypeTable table;
  if (LoadCableTypeText(screen, table, path) && SaveCableTypeFile(screen, table, path)) {
    LoadCableTypeFile(screen, table, path);
  }
  return 0;
}
