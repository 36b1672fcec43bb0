#include "cable/pages/known_session.h"

#include <array>
#include <cstdlib>

#include "cable/cable_connect.h"

namespace telvane {

bool OpenKnownSession(Link& link, const KnownInstrument& instrument) {
  if (!IsBinaryInstrument(instrument.kind) || instrument.serial.size() > 6) return false;
  if (!ConnectCableMeter(link, instrument.port, instrument.kind)) return false;
  if (instrument.serial.empty() || link.info().SerialText() == instrument.serial) return true;
  link.screen().ShowMessage(Icon::kError, "Ошибка", "Неверный SerialNumber!");
  link.info().ClearIdentity();
  link.ClosePort();
  return false;
}

bool ParseKnownInstrument(const std::string& text, KnownInstrument& out) {
  std::array<std::string, 3> parts;
  size_t part = 0;
  for (const char c : text) {
    if (c == ':') {
      if (++part == parts.size()) return false;
    } else {
      parts[part] += c;
    }
  }
  if (part != 2 || parts[0].empty() || parts[2].empty() || parts[1].size() > 6) return false;
  char* end = nullptr;
  const long kind = std::strtol(parts[0].c_str(), &end, 10);
  if (*end != '\0' || kind < 1 || kind > 254) return false;
  out = KnownInstrument{static_cast<uint8_t>(kind), parts[1], parts[2]};
  return true;
}

}  // namespace telvane
