#include "app/gui/session_option.h"

#include <cctype>
#include <string_view>

#include "link/irda_session.h"

namespace telvane {
namespace {

bool IsIrdaPort(const std::string& port) {
  if (port.size() != 4) return false;
  for (size_t i = 0; i < port.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(port[i])) != "irda"[i]) return false;
  }
  return true;
}

void CloseIrda(Link& link) {
  if (auto* irda = dynamic_cast<IrdaSession*>(link.irda())) irda->socket().CloseIrda();
  link.info().ClearIdentity();
  link.set_kind(LinkKind::kSerial);
}

// The IrDA attempt alone (device list, connection, identification); the
// serial ports are not searched. The instrument must be the kind and serial
// number asked for.
void OpenIrdaSession(Link& link, const KnownInstrument& instrument) {
  Screen& screen = link.screen();
  InstrumentInfo& info = link.info();
  info.ClearIdentity();
  info.status = SearchStatus::kEnded;
  link.initial().Clear();
  const IrdaStartup& attempt = link.irda_startup();
  if (!attempt || !attempt(link) || info.kind == kNoInstrument) {
    if (info.status != SearchStatus::kCancelled) {
      screen.ShowMessage(Icon::kError, "Error", "ошибка открытия порта");
    }
    CloseIrda(link);
    return;
  }
  if (info.kind != instrument.kind) {
    screen.ShowMessage(Icon::kError, "IrDA", "Ошибка чтения VendorID!");
    CloseIrda(link);
  } else if (!instrument.serial.empty() && info.SerialText() != instrument.serial) {
    screen.ShowMessage(Icon::kError, "Ошибка", "Неверный SerialNumber!");
    CloseIrda(link);
  }
}

}  // namespace

SessionOption TakeSessionOption(std::vector<std::string>& words) {
  constexpr std::string_view kName = "--session";
  SessionOption option;
  std::vector<std::string> rest;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    std::optional<std::string> value;
    if (word == kName) {
      option.given = true;
      if (i + 1 < words.size()) value = words[++i];
    } else if (word.size() > kName.size() && word.compare(0, kName.size(), kName) == 0 &&
               word[kName.size()] == '=') {
      option.given = true;
      value = word.substr(kName.size() + 1);
    } else {
      rest.push_back(word);
      continue;
    }
    KnownInstrument instrument;
    option.instrument.reset();
    if (value && ParseKnownInstrument(*value, instrument)) option.instrument = instrument;
  }
  words = std::move(rest);
  return option;
}

std::function<void()> KnownSessionStartup(Link& link, KnownInstrument instrument) {
  return [&link, instrument] {
    link.info().ClearIdentity();
    link.set_kind(LinkKind::kSerial);
    if (IsIrdaPort(instrument.port)) {
      OpenIrdaSession(link, instrument);
    } else {
      OpenKnownSession(link, instrument);
    }
  };
}

}  // namespace telvane
