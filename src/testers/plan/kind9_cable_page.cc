#include "testers/plan/kind9_cable_page.h"

#include <algorithm>

#include "base/sprintf.h"

namespace telvane {
namespace {

constexpr char kSendQuestion[] = "Передать параметры базы данных и кабели в прибор?";
constexpr char kNoCables[] = "Нет принятых кабелей";

}  // namespace

Kind9CablePage::Kind9CablePage(PageContext& context, std::shared_ptr<Kind9Database> database)
    : InstrumentPage(context, PageId::kCableList9, "База параметров кабелей"),
      database_(std::move(database)),
      locked_rows_(std::max(0, context.options.locked_leading_entries)) {
  database_->AddListener([this] { Changed(); });
}

const std::array<const char*, Kind9CablePage::kColumns>& Kind9CablePage::Headings() {
  static const std::array<const char*, kColumns> kHeadings = {
      "№", "Наименование кабеля", "Кол-во пар", "Длина, м", "Участки", "Тип"};
  return kHeadings;
}

std::vector<Kind9CablePage::Row> Kind9CablePage::Rows() const {
  std::vector<Row> rows;
  const size_t count = database_->shown_count();
  for (size_t c = 0; c < count; ++c) {
    const Kind9CableRecord& r = database_->records()[c];
    rows.push_back({Sprintf("%u", static_cast<unsigned>(c + 1)), r.name(),
                    Sprintf("%u", static_cast<unsigned>(r.pairs())),
                    Sprintf("%u", static_cast<unsigned>(r.length())),
                    Sprintf("%u", static_cast<unsigned>(r.sections())),
                    Sprintf("%u", static_cast<unsigned>(r.cable_type()))});
  }
  return rows;
}

bool Kind9CablePage::locked(int row) const { return row >= 0 && row < locked_rows_; }

int Kind9CablePage::FirstSelectable() const {
  return static_cast<size_t>(locked_rows_) < database_->shown_count() ? locked_rows_ : -1;
}

bool Kind9CablePage::Select(int row) {
  if (row < 0 || static_cast<size_t>(row) >= database_->shown_count() || locked(row)) {
    return false;
  }
  database_->Select(row);
  return true;
}

bool Kind9CablePage::Receive() {
  if (!database_->ReadCables(context())) return false;
  database_->Select(FirstSelectable());
  return true;
}

bool Kind9CablePage::ReceiveSelected() {
  if (cursor() < 0) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение", kNoCables);
    return false;
  }
  return database_->ReadCable(context(), static_cast<size_t>(cursor()));
}

bool Kind9CablePage::Send() {
  if (!database_->has_cables() || !database_->parameters()) {
    screen().ShowMessage(Icon::kWarning, "Предупреждение", kNoCables);
    return false;
  }
  if (screen().AskYesNo(Icon::kQuestion, "Вопрос", kSendQuestion) != Answer::kYes) return false;
  if (!database_->Write(context())) return false;
  screen().ShowMessage(Icon::kInformation, "Info", "Complete");
  return true;
}

}  // namespace telvane
