#include "link/port_setup.h"

#include <chrono>
#include <thread>

namespace telvane {

std::optional<LineSettings> BuildSettings(const std::string& mode, Screen& screen,
                                          const char* error_text, const char* error_caption) {
  std::optional<LineSettings> settings = ParseModeString(mode);
  if (!settings) {
    screen.ShowMessage(Icon::kError, error_caption, error_text);
    return std::nullopt;
  }
  settings->dtr = true;
  settings->rts = true;
  return settings;
}

bool OpenPort(SerialPort& port, const std::string& name, const LineSettings& settings,
              int read_timeout_ms, size_t input_buffer, size_t output_buffer) {
  if (!port.Open(name)) return false;
  if (!port.Apply(settings) || !port.SetReadTimeout(read_timeout_ms)) {
    port.Close();
    return false;
  }
  port.SetBufferSizes(input_buffer, output_buffer);
  port.Purge(true, true);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return true;
}

}  // namespace telvane
