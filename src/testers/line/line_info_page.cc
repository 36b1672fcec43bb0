#include "testers/line/line_info_page.h"

#include <chrono>
#include <thread>

#include "base/translatable.h"

namespace telvane {

LineInfoPage::LineInfoPage(PageContext& context, std::shared_ptr<LineTesterState> state)
    : InstrumentPage(context, PageId::kDbInfo17, QT_TRANSLATE_NOOP("Tabs", "Информация о БД")),
      state_(std::move(state)) {}

void LineInfoPage::Start() {
  if (state_->info) {
    Changed();
    return;
  }
  Refresh();
}

void LineInfoPage::ClearBuffers() {
  state_->info.reset();
  Changed();
}

bool LineInfoPage::Refresh() {
  const bool ok = ReceiveLineInfo(context(), *state_);
  Changed();
  return ok;
}

bool LineInfoPage::DeleteAll() {
  const std::string question =
      "ВНИМАНИЕ!!!\r\nДанные по всем измерениям будут УДАЛЕНЫ с памяти прибора!\r\nПродолжить?";
  if (screen().AskYesNo(Icon::kWarning, context().instrument().name, question) != Answer::kYes) {
    return false;
  }
  if (!LineTransfersOf(context()).DeleteAll()) return false;
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  Refresh();
  return true;
}

std::vector<std::pair<std::string, std::string>> LineInfoPage::Rows() const {
  if (!state_->info) return {};
  return state_->info->Rows();
}

}  // namespace telvane
