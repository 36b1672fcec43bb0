#include "link/irda_stack.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "link/irda_emulated_stack.h"
#include "link/irda_system_stack.h"

namespace telvane {

IrdaAddress IrClientAddress(const DeviceId& device) {
  IrdaAddress address;
  address.device = device;
  std::memcpy(address.service.data(), kIrdaService, sizeof(kIrdaService));
  return address;
}

std::vector<DeviceEntry> ParseDeviceList(const uint8_t* buffer, size_t length) {
  std::vector<DeviceEntry> devices;
  if (length < 4) return devices;
  const uint32_t count = static_cast<uint32_t>(buffer[0]) | static_cast<uint32_t>(buffer[1]) << 8 |
                         static_cast<uint32_t>(buffer[2]) << 16 |
                         static_cast<uint32_t>(buffer[3]) << 24;
  const size_t fit = (length - 4) / kDeviceEntrySize;
  for (size_t i = 0; i < std::min<size_t>(count, fit); ++i) {
    const uint8_t* entry = buffer + 4 + i * kDeviceEntrySize;
    DeviceEntry device;
    std::copy(entry, entry + 4, device.id.begin());
    const uint8_t* name = entry + 4;
    const uint8_t* end = std::find(name, name + kDeviceNameSize, 0);
    device.name.assign(name, end);
    devices.push_back(std::move(device));
  }
  return devices;
}

std::array<uint8_t, kDeviceListSize> BuildDeviceList(const std::vector<DeviceEntry>& devices) {
  std::array<uint8_t, kDeviceListSize> list{};
  const size_t count = std::min(devices.size(), kDeviceListCapacity);
  for (int i = 0; i < 4; ++i) list[i] = static_cast<uint8_t>(count >> (8 * i));
  for (size_t i = 0; i < count; ++i) {
    uint8_t* entry = list.data() + 4 + i * kDeviceEntrySize;
    std::copy(devices[i].id.begin(), devices[i].id.end(), entry);
    const size_t name_length = std::min(devices[i].name.size(), kDeviceNameSize);
    std::memcpy(entry + 4, devices[i].name.data(), name_length);
    // Hint bytes and character set stay zero: plain text names.
  }
  return list;
}

std::unique_ptr<IrdaStack> MakeIrdaStack() {
  const char* dir = std::getenv("TELVANE_IRDA_DIR");
  if (dir != nullptr && *dir != '\0') return std::make_unique<EmulatedIrdaStack>(dir);
  return std::make_unique<SystemIrdaStack>();
}

}  // namespace telvane
