#include "testers/line/frequency_list_page.h"

#include <algorithm>

#include "base/sprintf.h"
#include "base/translatable.h"

namespace telvane {
namespace {

constexpr char kWarning[] = "Предупреждение";

}  // namespace

FrequencyListPage::FrequencyListPage(PageContext& context, std::shared_ptr<LineTesterState> state)
    : InstrumentPage(context, PageId::kFrequencyList17, QT_TRANSLATE_NOOP("Tabs", "Список частот")),
      state_(std::move(state)) {}

void FrequencyListPage::Start() {
  if (ReceiveLineInfo(context(), *state_)) Receive();
}

void FrequencyListPage::ClearBuffers() {
  list_.codes.clear();
  Changed();
}

bool FrequencyListPage::Receive() {
  std::array<uint8_t, kFrequencyListSize> record{};
  if (!LineTransfersOf(context()).ReceiveFrequencyList(record)) return false;
  bool cut = false;
  list_ = FrequencyList::FromWire(record, &cut);
  Changed();
  if (cut) {
    screen().ShowMessage(Icon::kWarning, kWarning,
                         "Прибор передал больше 129 частот; лишние частоты отброшены");
  }
  return true;
}

bool FrequencyListPage::Send() {
  return LineTransfersOf(context()).SendFrequencyList(list_.ToWire());
}

bool FrequencyListPage::Add(unsigned khz) {
  const std::optional<uint16_t> code = CodeOfFrequency(khz);
  if (!code) return false;
  if (std::find(list_.codes.begin(), list_.codes.end(), *code) != list_.codes.end()) return false;
  if (list_.codes.size() >= kFrequencyListCapacity) {
    screen().ShowMessage(Icon::kWarning, kWarning, "В списке частот не больше 129 частот");
    return false;
  }
  list_.codes.push_back(*code);
  Changed();
  return true;
}

bool FrequencyListPage::Remove(unsigned khz) {
  const std::optional<uint16_t> code = CodeOfFrequency(khz);
  if (!code) return false;
  auto it = std::find(list_.codes.begin(), list_.codes.end(), *code);
  if (it == list_.codes.end()) return false;
  list_.codes.erase(it);
  Changed();
  return true;
}

std::vector<std::string> FrequencyListPage::Lines() const {
  std::vector<std::string> lines;
  for (uint16_t code : list_.codes) {
    const std::optional<unsigned> khz = FrequencyOfCode(code);
    lines.push_back(khz ? Sprintf("%u", *khz) : std::string("-"));
  }
  return lines;
}

}  // namespace telvane
