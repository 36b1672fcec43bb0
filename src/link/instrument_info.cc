#include "link/instrument_info.h"

#include <algorithm>

#include "base/cp1251.h"

namespace telvane {

std::string InstrumentInfo::SerialText() const {
  const auto end = std::find(serial.begin(), serial.end() - 1, 0);
  return Cp1251ToUtf8(std::string(serial.begin(), end));
}

void InstrumentInfo::SetSerial(const uint8_t* six_bytes) {
  std::copy(six_bytes, six_bytes + 6, serial.begin());
  serial[6] = 0;
}

}  // namespace telvane
