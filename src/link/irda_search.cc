#include "link/irda_search.h"

#include <algorithm>

#include "base/values.h"
#include "link/catalogue.h"

namespace telvane {

namespace {

constexpr Wait kIdentifyWait{0, 180000};
constexpr Wait kSyncWait{5, 0};
constexpr uint8_t kFirstCode = 9;
constexpr uint8_t kLastCode = 19;

}  // namespace

InstrumentInfo IrdaSearch(IrdaLink& link, LinkKind& link_kind, uint32_t& baud) {
  Screen& screen = link.screen();
  InstrumentInfo info;
  link_kind = LinkKind::kSerial;

  uint8_t identification[9];
  for (uint8_t code = kFirstCode;; ++code) {
    if (screen.IsEscapeDown() &&
        screen.AskYesNo(Icon::kQuestion, "Поиск устройств", "Прервать поиск?") == Answer::kYes) {
      info.status = SearchStatus::kCancelled;
      return info;
    }
    if (link.Send(&code, 1) != 1) {
      link.ShowSocketError("Передача данных прервана. Ошибка: %d");
      return info;
    }
    if (link.WaitSocket(kIdentifyWait, WaitMode::kReadable)) break;
    if (code == kLastCode) return info;
  }

  const long got = link.Receive(identification, sizeof(identification));
  if (got < 0) {
    link.ShowSocketError("Ошибка приема данных. Ошибка: %d");
    return info;
  }
  if (got != static_cast<long>(sizeof(identification))) {
    link.ShowError("Ошибка", "Некорректная информация об устройстве");
    return info;
  }
  if (Sum8(std::span<const uint8_t>(identification, 8)) != identification[8]) {
    link.ShowError("Ошибка", "Ошибка внутренней КС");
    return info;
  }

  info.kind = identification[0];
  info.SetSerial(identification + 1);
  const LinkSpeed speed = SpeedFromIrdaBr(identification[7]);
  baud = speed.baud;
  if (!speed.known) {
    screen.ShowMessage(Icon::kWarning, "Warning",
                       "Неопознанный байт IrDA_BR\r\nIsIrDA=true; BaudRate=9600");
  }
  // Kinds 9 and 13 are named by the device list.
  info.name = IrdaCatalogueName(info.kind);
  if (info.name.empty()) info.name = link.ChosenDeviceName();

  if (!IrdaSynchronize(link, info)) {
    link.ShowError("Ошибка", "Неудачная синхронизация\r\nПрибор: " + info.name +
                                 "\r\nS/N:" + info.SerialText());
    info.Clear();
    link.CloseIrda();
    info.status = SearchStatus::kSyncFailed;
    return info;
  }
  link_kind = LinkKind::kIrda;
  info.status = SearchStatus::kEnded;
  return info;
}

bool IrdaSynchronize(IrdaLink& link, const InstrumentInfo& info) {
  const Address address = info.address();
  uint8_t frame[8];
  std::copy(address.begin(), address.end(), frame);
  frame[7] = Sum8(std::span<const uint8_t>(frame, 7));
  if (link.Send(frame, sizeof(frame)) != static_cast<long>(sizeof(frame))) {
    link.ShowSocketError("Передача данных прервана. Ошибка: %d");
    return false;
  }
  if (!link.WaitSocket(kSyncWait, WaitMode::kReadable)) return false;

  uint8_t reply[14];
  const long got = link.Receive(reply, sizeof(reply));
  if (got < 0) {
    link.ShowSocketError("Прием данных невозможен. Ошибка: %d");
    return false;
  }
  if (got != static_cast<long>(sizeof(reply))) {
    link.ShowError("Ошибка", "Некорректная информация об устройстве");
    return false;
  }
  if (Sum8(std::span<const uint8_t>(reply, 13)) != reply[13]) {
    link.ShowError("Ошибка", "Ошибка внутренней КС");
    return false;
  }
  if (reply[0] != address[0]) return false;
  for (int i = 1; i <= 6; ++i) {
    if (reply[i] != address[i]) return false;
    if (reply[i + 6] != static_cast<uint8_t>(~address[i])) return false;
  }
  return true;
}

}  // namespace telvane
