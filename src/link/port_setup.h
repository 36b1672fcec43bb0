// Opening a port for one use: the line settings from a mode string, the read
// time-out, the buffer sizes, purge, and the settling wait.
#ifndef TELVANE_LINK_PORT_SETUP_H_
#define TELVANE_LINK_PORT_SETUP_H_

#include <cstddef>
#include <optional>
#include <string>

#include "base/screen.h"
#include "link/serial_port.h"

namespace telvane {

inline constexpr char kSearchMode[] = "baud=9600 parity=N data=8 stop=1";
inline constexpr char kSessionMode[] = "baud=115200 parity=N data=8 stop=1";
inline constexpr char kTextMode[] = "baud=19200 parity=N data=8 stop=1";
inline constexpr int kSearchTimeoutMs = 140;
inline constexpr int kSyncTimeoutMs = 1000;

// The line settings of a mode string; when the string is rejected shows
// `error_text` (error icon, `error_caption`) and returns nullopt.
std::optional<LineSettings> BuildSettings(const std::string& mode, Screen& screen,
                                          const char* error_text, const char* error_caption);

// OpenPort: opens `name` exclusively, applies the settings and the read
// time-out, sets the buffer sizes, purges both directions and waits 100 ms.
// False (silently) when the port does not open or refuses the settings.
bool OpenPort(SerialPort& port, const std::string& name, const LineSettings& settings,
              int read_timeout_ms, size_t input_buffer, size_t output_buffer);

}  // namespace telvane

#endif  // TELVANE_LINK_PORT_SETUP_H_
