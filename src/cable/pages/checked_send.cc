#include "cable/pages/checked_send.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace telvane {
namespace {

constexpr auto kSingleEntryPause = std::chrono::milliseconds(45);

}  // namespace

bool SendChecked(Screen& screen, const CheckedSend& send) {
  const auto& checks = send.checks;
  const bool any = std::find(checks.begin(), checks.end(), true) != checks.end();
  if (!any) {
    screen.ShowMessage(Icon::kWarning, "Предупреждение", "Необходимо выбрать хотябы одну запись");
    return false;
  }
  if (send.question &&
      screen.AskYesNo(Icon::kWarning, "ПРЕДУПРЕЖДЕНИЕ", *send.question) != Answer::kYes) {
    return false;
  }
  if (std::find(checks.begin(), checks.end(), false) == checks.end()) return send.send_all();
  bool first = true;
  for (size_t i = 0; i < checks.size(); ++i) {
    if (!checks[i]) continue;
    if (!first) std::this_thread::sleep_for(kSingleEntryPause);
    first = false;
    if (!send.send_one(static_cast<int>(i))) {
      screen.ShowMessage(Icon::kError, "Ошибка", "Неудачная попытка вызова OnTXDSingleRecord");
      return false;
    }
  }
  screen.ShowMessage(Icon::kInformation, "Info", "Complete");
  return true;
}

}  // namespace telvane
