// The socket library that carries the IrDA link.
//
// The link code above this interface (connection, device choice, waits, the
// 61-byte pieces, the error texts) is the same for every stack. Two stacks
// exist: the operating system's (absent on Linux, so starting it fails) and an
// emulated one in which every Unix stream socket of a folder stands for one
// device in range.
#ifndef TELVANE_LINK_IRDA_STACK_H_
#define TELVANE_LINK_IRDA_STACK_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/exchange.h"

namespace telvane {

// The address family of IrDA sockets.
inline constexpr int kIrdaFamily = 26;
inline constexpr int kStreamSocket = 1;
// The library version the link asks for and accepts: 2.2.
inline constexpr uint16_t kIrdaLibraryVersion = 0x0202;

// The device list as the stack fills it: a 32-bit device count, then entries
// of 29 bytes (4-byte device id, 22-byte name, two hint bytes, character set).
inline constexpr size_t kDeviceListSize = 297;
inline constexpr size_t kDeviceEntrySize = 29;
inline constexpr size_t kDeviceNameSize = 22;
inline constexpr size_t kDeviceListCapacity = (kDeviceListSize - 4) / kDeviceEntrySize;

using DeviceId = std::array<uint8_t, 4>;

// The service every instrument offers on its infrared port.
inline constexpr char kIrdaService[] = "IrClient";

// The socket address of one IrDA service (32 bytes in the system's layout).
struct IrdaAddress {
  uint16_t family = kIrdaFamily;
  DeviceId device{};
  std::array<char, 25> service{};  // zero-filled
};

IrdaAddress IrClientAddress(const DeviceId& device);

// One entry of the device list, name still in the code page of the wire.
struct DeviceEntry {
  DeviceId id{};
  std::string name;  // CP1251, at most 22 bytes, cut at the first zero
};

// Reads the entries of a filled device list. The count field is trusted only
// as far as entries fit in the buffer.
std::vector<DeviceEntry> ParseDeviceList(const uint8_t* buffer, size_t length);

// Builds a device list buffer (used by stacks that fill it themselves).
std::array<uint8_t, kDeviceListSize> BuildDeviceList(const std::vector<DeviceEntry>& devices);

// What WaitSocket waits for.
enum class WaitMode { kReadable = 1, kWritable = 2, kException = 3 };

class IrdaStack {
 public:
  using Socket = int;
  static constexpr Socket kNoSocket = -1;

  virtual ~IrdaStack() = default;

  // Starts the library asking for `version`; false when it cannot start.
  // `granted` receives the version the library offers.
  virtual bool Startup(uint16_t version, uint16_t& granted) = 0;
  virtual void Cleanup() = 0;
  virtual Socket OpenSocket(int family, int type, int protocol) = 0;
  // Device enumeration at the IrLMP level into `buffer` (kDeviceListSize
  // bytes); false on failure.
  virtual bool EnumerateDevices(Socket socket, uint8_t* buffer, size_t length) = 0;
  virtual bool Connect(Socket socket, const IrdaAddress& address) = 0;
  // Both return the bytes moved (at least 1), or -1 on failure. A connection
  // that the peer closed is a receive failure.
  virtual long Send(Socket socket, const uint8_t* data, size_t length) = 0;
  virtual long Receive(Socket socket, uint8_t* data, size_t length) = 0;
  // 1 ready, 0 time-out, -1 error.
  virtual int Select(Socket socket, WaitMode mode, Wait wait) = 0;
  virtual void Close(Socket socket) = 0;
  // The error number of the last failed call.
  virtual int LastError() = 0;
};

// The emulated stack when TELVANE_IRDA_DIR is set, the system stack otherwise.
std::unique_ptr<IrdaStack> MakeIrdaStack();

}  // namespace telvane

#endif  // TELVANE_LINK_IRDA_STACK_H_
