#include "cable/cable_connect.h"

#include <span>

#include "base/values.h"
#include "link/catalogue.h"
#include "link/search.h"

namespace telvane {

bool ConnectCableMeter(Link& link, const std::string& com_name, uint8_t kind) {
  Screen& screen = link.screen();
  InstrumentInfo& info = link.info();
  SerialPort& port = link.port();
  info.ClearIdentity();
  link.initial().Clear();
  port.Close();
  if (!port.Open(com_name)) {
    screen.ShowMessage(Icon::kError, "Error", "ошибка открытия порта");
    return false;
  }
  const auto settings = ParseModeString("baud=9600 parity=N data=8 stop=1");
  port.Apply(*settings);
  port.SetBufferSizes(256, 256);
  port.SetReadTimeout(1000);
  port.Purge(true, true);

  uint8_t ident[9] = {};
  bool complete = port.WriteByte(kind);
  for (size_t i = 0; complete && i < sizeof ident; ++i) {
    complete = port.ReadByte(ident[i]) == ReadResult::kByte;
  }
  if (!complete || ident[0] != kind || Sum8(std::span<const uint8_t>(ident, 8)) != ident[8]) {
    screen.ShowMessage(Icon::kError, com_name, "Ошибка чтения VendorID!");
    return false;
  }
  info.kind = kind;
  info.SetSerial(ident + 1);
  info.name = SerialCatalogueName(kind);
  link.set_port_name(com_name);
  link.set_irda_br(ident[7]);
  ApplyIrdaBr(link, ident[7], false);
  port.SetBaud(link.baud());
  port.Purge(true, false);
  if (!Synchronize(port, info, screen)) {
    screen.ShowMessage(Icon::kError, "Error", "Нет синхронизации");
    info.ClearIdentity();
    return false;
  }
  if (const InitialTransfer& transfer = link.initial_transfer(kind)) {
    if (!transfer(link, port)) {
      info.ClearIdentity();
      return false;
    }
  }
  port.SetReadTimeout(5000);
  port.SetBufferSizes(256, 1);
  return true;
}

}  // namespace telvane
