#include "link/search.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "base/values.h"
#include "link/catalogue.h"
#include "link/port_names.h"
#include "link/port_setup.h"

namespace telvane {
namespace {

void Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void WaitForEscapeUp(Screen& screen) {
  while (screen.IsEscapeDown()) Pause(10);
}

enum class Probe { kNextCode, kCancelled, kAccepted };

// One kind code on one open port (step 4 of the search).
Probe ProbeCode(Link& link, SerialPort& port, const std::string& port_name, uint8_t code) {
  Screen& screen = link.screen();
  InstrumentInfo& info = link.info();
  port.Purge(true, true);
  port.SetBaud(9600);
  info.ClearSerial();
  info.name.clear();

  if (!port.WriteByte(code)) screen.ShowMessage(Icon::kError, port_name, "Ошибка записи в порт!");
  uint8_t vendor = 0;
  const ReadResult vendor_read = port.ReadByte(vendor);
  if (vendor_read == ReadResult::kError) {
    screen.ShowMessage(Icon::kError, port_name, "Ошибка чтения VendorID!");
  }
  if (screen.IsEscapeDown() &&
      screen.AskYesNo(Icon::kQuestion, "Поиск устройств", "Прервать поиск?") == Answer::kYes) {
    return Probe::kCancelled;
  }
  if (vendor_read != ReadResult::kByte || vendor != code) return Probe::kNextCode;

  uint8_t ident[8] = {vendor};
  for (int i = 1; i <= 6; ++i) {
    const ReadResult r = port.ReadByte(ident[i]);
    if (r == ReadResult::kError) {
      screen.ShowMessage(Icon::kError, port_name, "Ошибка чтения SerialNumber!");
      return Probe::kNextCode;
    }
    if (r == ReadResult::kTimeout) return Probe::kNextCode;
  }
  switch (port.ReadByte(ident[7])) {
    case ReadResult::kByte:
      break;
    case ReadResult::kTimeout:
      screen.ShowMessage(Icon::kError, port_name, "TimeOut IrDA_BR!");
      return Probe::kNextCode;
    case ReadResult::kError:
      screen.ShowMessage(Icon::kError, port_name, "Ошибка чтения IrDA_BR!");
      return Probe::kNextCode;
  }
  uint8_t control_sum = 0;
  const ReadResult sum_read = port.ReadByte(control_sum);
  if (sum_read == ReadResult::kError) {
    screen.ShowMessage(Icon::kError, port_name, "Ошибка чтения ControlSum!");
    return Probe::kNextCode;
  }
  info.SetSerial(ident + 1);
  if (sum_read != ReadResult::kByte || control_sum != Sum8(std::span<const uint8_t>(ident, 8))) {
    screen.ShowMessage(Icon::kError, "Error", "Неверная Контрольная Сумма !");
    info.ClearSerial();
    return Probe::kNextCode;
  }

  const std::string name = SerialCatalogueName(code);
  char question[1024];
  std::snprintf(question, sizeof question, "%s: %s \r\n%s: %s\r\n%s: %s\r\n%s", "Порт",
                port_name.c_str(), "Найден инструмент", name.c_str(), "Серийный номер",
                info.SerialText().c_str(), "Использовать этот порт?");
  if (screen.AskYesNo(Icon::kQuestion, "Telvane", question) != Answer::kYes) {
    info.ClearSerial();
    return Probe::kNextCode;
  }

  // Accepted: record the instrument, go to its speed and synchronise.
  link.set_port_name(port_name);
  info.kind = code;
  info.name = name;
  link.set_irda_br(ident[7]);
  ApplyIrdaBr(link, ident[7], true);
  port.SetBaud(link.baud());
  port.Purge(true, true);
  if (Synchronize(port, info, screen)) {
    info.status = SearchStatus::kEnded;
    Pause(100);
    if (const InitialTransfer& transfer = link.initial_transfer(code)) transfer(link, port);
  } else {
    screen.ShowMessage(Icon::kError, "Error", "Нет синхронизации");
    info.ClearIdentity();
    info.status = SearchStatus::kSyncFailed;
  }
  return Probe::kAccepted;
}

}  // namespace

void ApplyIrdaBr(Link& link, uint8_t irda_br, bool warn) {
  const LinkSpeed speed = SpeedFromIrdaBr(irda_br);
  link.set_baud(speed.baud);
  if (speed.adapter) link.set_irda_adapter(*speed.adapter);
  if (!speed.known && warn) {
    link.screen().ShowMessage(Icon::kWarning, "Warning",
                              std::string("Неопознанный байт IrDA_BR\r\nIsIrDA=") +
                                  (link.irda_adapter() ? "true" : "false") + "; BaudRate=9600");
  }
}

void InstrumentSearch(Link& link) {
  Screen& screen = link.screen();
  const std::optional<LineSettings> settings =
      BuildSettings(kSearchMode, screen, "Внутренняя ошибка DCB", "Ошибка");
  if (!settings) return;
  link.ClosePort();
  link.set_irda_br(std::nullopt);
  link.info().status = SearchStatus::kEnded;
  WaitForEscapeUp(screen);

  bool first_open = true;
  for (unsigned number = kFirstPort; number <= kLastPort; ++number) {
    const std::string name = PortName(number);
    SerialPort port;
    if (!OpenPort(port, name, *settings, kSearchTimeoutMs, 256, 256)) continue;
    if (first_open) {
      link.set_port_name(name);
      first_open = false;
    }
    for (uint8_t code : kProbeOrder) {
      switch (ProbeCode(link, port, name, code)) {
        case Probe::kNextCode:
          continue;
        case Probe::kCancelled:
          port.Close();
          link.info().ClearIdentity();
          link.info().status = SearchStatus::kCancelled;
          return;
        case Probe::kAccepted:
          Pause(300);
          port.Close();
          OpenSelectedPort(link);
          return;
      }
    }
  }
  OpenSelectedPort(link);
}

bool Synchronize(SerialPort& port, const InstrumentInfo& info, Screen& screen) {
  if (!port.SetReadTimeout(kSyncTimeoutMs)) {
    screen.ShowMessage(Icon::kError, "Error", "Ошибка установки новых таймаутов");
    return false;
  }
  const Address address = info.address();
  for (uint8_t b : address) {
    if (!port.WriteByte(b)) {
      screen.ShowMessage(Icon::kError, "Error", "WriteFile()");
      return false;
    }
  }
  if (!port.WriteByte(Sum8(address))) {
    screen.ShowMessage(Icon::kError, "Error", "WriteFile()");
    return false;
  }

  uint8_t reply[14] = {};
  switch (port.ReadByte(reply[0])) {
    case ReadResult::kByte:
      break;
    case ReadResult::kTimeout:
      screen.ShowMessage(Icon::kError, "Error", "Не дождался VendorID (timeout)");
      return false;
    case ReadResult::kError:
      screen.ShowMessage(Icon::kError, "Error", "Ошибка чтения VendorID");
      return false;
  }
  if (reply[0] != info.kind) {
    char text[128];
    std::snprintf(text, sizeof text, "Неправильный VendorID\r\nОжидали:%u\r\nПолучили:%u",
                  info.kind, reply[0]);
    screen.ShowMessage(Icon::kError, "SyncError", text);
    return false;
  }
  for (int i = 1; i < 14; ++i) {
    switch (port.ReadByte(reply[i])) {
      case ReadResult::kByte:
        continue;
      case ReadResult::kTimeout:
        screen.ShowMessage(Icon::kError, "SyncError:ReadFile", "TimeOut чтения InvertSerialNumber");
        return false;
      case ReadResult::kError:
        screen.ShowMessage(Icon::kError, "SyncError:ReadFile", "Ошибка чтения InvertSerialNumber");
        return false;
    }
  }
  for (int i = 0; i < 6; ++i) {
    if (reply[1 + i] != info.serial[i]) {
      screen.ShowMessage(Icon::kError, "SyncError", "Неправильный серийный номер");
      return false;
    }
  }
  for (int i = 0; i < 6; ++i) {
    if (reply[7 + i] != Complement(info.serial[i])) {
      screen.ShowMessage(Icon::kError, "SyncError", "Неправильный инверсный серийный номер");
      char text[96];
      std::snprintf(text, sizeof text, "InvertSN= %X %X %X %X %X %X", reply[7], reply[8], reply[9],
                    reply[10], reply[11], reply[12]);
      screen.ShowMessage(Icon::kError, "SyncError", text);
      return false;
    }
  }
  if (reply[13] != Sum8(std::span<const uint8_t>(reply, 13))) {
    screen.ShowMessage(Icon::kError, "SyncError", "Неправильная контрольная сумма");
    return false;
  }
  return true;
}

int OpenSelectedPort(Link& link) {
  Screen& screen = link.screen();
  std::optional<LineSettings> settings =
      BuildSettings(kSessionMode, screen, "Ошибка формирования DCB", "Error");
  if (!settings) return -1;
  SerialPort& port = link.port();
  port.Close();
  if (!port.Open(link.port_name())) {
    screen.ShowMessage(Icon::kError, "Error", "ошибка открытия порта");
    return -2;
  }
  if (link.irda_br()) {
    ApplyIrdaBr(link, *link.irda_br(), false);
  } else {
    link.set_baud(9600);
  }
  settings->baud = link.baud();
  port.Purge(true, true);
  port.Apply(*settings);
  port.SetReadTimeout(kTransferTimeoutMs);
  port.Purge(true, true);
  port.SetBufferSizes(256, 1);
  return 0;
}

}  // namespace telvane
