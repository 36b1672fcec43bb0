#include "cable/pages/known_session.h"

#include <array>
#include <cstdlib>

#include "app/values.h"
#include "link/catalogue.h"
#include "link/initial_transfer.h"
#include "link/search.h"
#include "link/serial_exchange.h"

namespace telvane {
namespace {

constexpr int kIdentificationTimeoutMs = 1000;

bool Fail(Link& link, const std::string& caption, const char* text) {
  link.screen().ShowMessage(Icon::kError, caption, text);
  link.info().ClearIdentity();
  return false;
}

}  // namespace

bool OpenKnownSession(Link& link, const KnownInstrument& instrument) {
  InstrumentInfo& info = link.info();
  info.ClearIdentity();
  if (!IsBinaryInstrument(instrument.kind) || instrument.serial.size() > 6) {
    return Fail(link, "Error", "Неверные параметры прибора");
  }
  link.set_port_name(instrument.port);
  link.set_irda_br(std::nullopt);
  if (OpenSelectedPort(link) != 0) return false;
  SerialPort& port = link.port();
  port.SetBaud(instrument.baud);
  link.set_baud(instrument.baud);

  // The identification: kind code out; kind, six serial bytes, IrDA_BR and the
  // sum back.
  port.SetReadTimeout(kIdentificationTimeoutMs);
  port.Purge(true, true);
  std::array<uint8_t, 9> ident{};
  bool complete = port.WriteByte(instrument.kind);
  for (size_t i = 0; complete && i < ident.size(); ++i) {
    complete = port.ReadByte(ident[i]) == ReadResult::kByte;
  }
  port.SetReadTimeout(kTransferTimeoutMs);
  if (!complete || ident[0] != instrument.kind) {
    return Fail(link, instrument.port, "Прибор не отвечает");
  }
  if (ident[8] != Sum8(std::span<const uint8_t>(ident.data(), 8))) {
    return Fail(link, "Error", "Неверная Контрольная Сумма !");
  }
  std::array<uint8_t, 6> serial{};
  for (size_t i = 0; i < 6; ++i) serial[i] = ident[1 + i];
  if (!instrument.serial.empty()) {
    std::array<uint8_t, 6> wanted{};
    for (size_t i = 0; i < instrument.serial.size(); ++i) {
      wanted[i] = static_cast<uint8_t>(instrument.serial[i]);
    }
    if (wanted != serial) return Fail(link, "Error", "Неверный SerialNumber!");
  }
  info.kind = instrument.kind;
  info.SetSerial(serial.data());
  info.name = SerialCatalogueName(instrument.kind);
  info.session = true;
  port.Purge(true, true);
  if (!Synchronize(port, info, link.screen())) {
    return Fail(link, "Error", "Нет синхронизации");
  }
  info.status = SearchStatus::kEnded;
  if (!link.initial_transfer(instrument.kind)) InstallBuiltInInitialTransfers(link);
  if (const InitialTransfer& transfer = link.initial_transfer(instrument.kind)) {
    transfer(link, port);
  }
  return true;
}

bool ParseKnownInstrument(const std::string& text, KnownInstrument& out) {
  std::array<std::string, 4> parts;
  size_t part = 0;
  for (const char c : text) {
    if (c == ':') {
      if (++part == parts.size()) return false;
    } else {
      parts[part] += c;
    }
  }
  if (part < 2 || parts[0].empty() || parts[2].empty()) return false;
  char* end = nullptr;
  const long kind = std::strtol(parts[0].c_str(), &end, 10);
  if (*end != '\0' || !IsBinaryInstrument(static_cast<uint8_t>(kind)) || kind > 254) return false;
  if (parts[1].size() > 6) return false;
  KnownInstrument parsed;
  parsed.kind = static_cast<uint8_t>(kind);
  parsed.serial = parts[1];
  parsed.port = parts[2];
  if (part == 3) {
    const long baud = std::strtol(parts[3].c_str(), &end, 10);
    if (*end != '\0' || baud <= 0) return false;
    parsed.baud = static_cast<uint32_t>(baud);
  }
  out = parsed;
  return true;
}

}  // namespace telvane
