// One serial port on POSIX termios, with the line settings, time-outs and
// byte-at-a-time I/O that the instrument link is built on.
//
// Reads follow the read-total-constant rule: a read returns at once with the
// byte that is there, otherwise it waits at most the time-out constant for one;
// a read that moves no byte is a time-out, not an error. Bytes that the line
// delivers in a burst are kept in an input queue of the object, so reading them
// one at a time costs no system call each; Purge empties that queue too.
//
// Opening is exclusive: a second open of the same device fails, whichever name
// leads to it, until the first is closed.
#ifndef TELVANE_LINK_SERIAL_PORT_H_
#define TELVANE_LINK_SERIAL_PORT_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/posix_file.h"

namespace telvane {

// The line settings record built from a mode string such as
// "baud=9600 parity=N data=8 stop=1".
struct LineSettings {
  uint32_t baud = 9600;
  char parity = 'N';  // N, E, O, M or S
  int data_bits = 8;  // 5 to 8
  int stop_bits = 1;  // 1 or 2 (1.5 is taken as 2 with 5 data bits only)
  bool dtr = true;
  bool rts = true;
};

// Parses a mode string the way the system does: space-separated key=value
// words, keys "baud", "parity", "data", "stop", "dtr", "rts", "xon", "to"
// (case-insensitive). Unknown keys, bad values, an empty string and a data/stop
// combination the line cannot carry are rejected (nullopt).
std::optional<LineSettings> ParseModeString(const std::string& mode);

// Whether termios can run the line at this rate (standard rates directly,
// others through the arbitrary-rate interface).
bool IsSupportedBaud(uint32_t baud);

enum class ReadResult { kByte, kTimeout, kError };

class SerialPort {
 public:
  SerialPort() = default;
  ~SerialPort() { Close(); }
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;
  SerialPort(SerialPort&& other) noexcept;
  SerialPort& operator=(SerialPort&& other) noexcept;

  // Opens a port by its COM name ("COM3", "\\.\COM12"), exclusively, for
  // reading and writing. False when the name resolves to no device, the device
  // does not open, or another handle holds it.
  bool Open(const std::string& com_name);
  // Opens a device path directly (used by tests and the port mapping).
  bool OpenDevice(const std::string& path);
  void Close();
  bool is_open() const { return port_.valid(); }
  const std::string& device() const { return device_; }

  // Applies the line settings (raw mode, no handshake, DTR/RTS as given).
  bool Apply(const LineSettings& settings);
  // Changes the baud rate only.
  bool SetBaud(uint32_t baud);
  uint32_t baud() const { return settings_.baud; }
  // The speed the device itself reports (0 when it cannot tell).
  uint32_t DeviceBaud() const;
  // The read total constant in milliseconds; interval and multiplier are
  // "return at once with what has arrived".
  bool SetReadTimeout(int milliseconds);
  int read_timeout() const { return read_timeout_ms_; }
  // The driver's queue sizes. A pseudo-terminal and the Linux drivers size
  // their own queues, so this only records the request.
  bool SetBufferSizes(size_t input, size_t output);
  // Discards the input queued so far (`receive`) and lets out what was
  // written but not yet sent (`transmit`): output is drained, never dropped.
  bool Purge(bool receive, bool transmit);
  // The character-received event mask; recorded, reads do not depend on it.
  bool SetEventMaskRxChar();
  bool SetDtr(bool on);
  bool SetRts(bool on);

  // One byte; kTimeout when none came within the read time-out.
  ReadResult ReadByte(uint8_t& byte);
  // One byte; false when the system call failed.
  bool WriteByte(uint8_t byte);
  // Writes the bytes one at a time; false at the first failure.
  bool Write(const uint8_t* data, size_t length);
  // Bytes moved by the last read or write (0 after a read time-out).
  size_t last_count() const { return last_count_; }

 private:
  bool ModemBit(int bit, bool on);

  PosixFile port_;
  std::string device_;
  LineSettings settings_;
  int read_timeout_ms_ = 0;
  size_t last_count_ = 0;
  std::vector<uint8_t> queue_;
  size_t queue_pos_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_LINK_SERIAL_PORT_H_
