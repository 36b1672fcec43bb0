#include "app/gui/session_option.h"

#include <string_view>

namespace telvane {

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
    OpenKnownSession(link, instrument);
  };
}

}  // namespace telvane
