#include "testers/plan/database_plan_page.h"

#include <algorithm>
#include <array>

#include "base/values.h"
#include "testers/plan/memory_plan.h"

namespace telvane {
namespace {

constexpr char kRefused[] = "Введенные параметры БД некорректны!!!";

}  // namespace

DatabasePlanPage::DatabasePlanPage(PageContext& context, std::shared_ptr<Kind9Database> database)
    : InstrumentPage(context, PageId::kDbCounters9, "Информация о базе данных"),
      database_(database
                    ? std::move(database)
                    : std::make_shared<Kind9Database>(context.options.kind9_trailing_records)) {
  database_->AddListener([this] { Changed(); });
}

const Kind9Parameters& DatabasePlanPage::parameters() const {
  static const Kind9Parameters kNone;
  return database_->parameters() ? *database_->parameters() : kNone;
}

long DatabasePlanPage::shown_maximum_cables() const {
  return static_cast<long>(parameters().maximum_cables) -
         static_cast<long>(database_->trailing_records());
}

std::vector<DatabasePlanPage::Field> DatabasePlanPage::Fields() const {
  std::vector<Field> fields = {
      {"Максимальное кол-во КАБЕЛЕЙ в БД параметров", "", true},
      {"Текущее кол-во КАБЕЛЕЙ в БД параметров", "", false},
      {"Кол-во типов кабелей, в данной прошивке", "", false},
      {"Макс. кол-во пар в БД плановых измерений", "", false},
      {"Текущее кол-во пар в БД плановых измерений", "", false},
      {"Номер используемого рабочего кабеля", "", false},
      {"Максимальное кол-во участков в кабеле", "", true},
      {"Первый свободный байт в пр-ве БД план. изм.", "", false},
      {"Условный тип микросхемы-хранилища БД", "", false},
  };
  if (!has_parameters()) return fields;
  const Kind9Parameters& p = parameters();
  fields[0].value = std::to_string(shown_maximum_cables());
  fields[1].value = std::to_string(p.current_cables);
  fields[2].value = std::to_string(p.cable_types);
  fields[3].value = std::to_string(p.maximum_pairs);
  fields[4].value = std::to_string(p.current_pairs);
  fields[5].value = std::to_string(p.working_cable);
  fields[6].value = std::to_string(p.maximum_sections);
  fields[7].value = std::to_string(p.first_free_byte);
  fields[8].value = ChipName(p.chip_type);
  return fields;
}

void DatabasePlanPage::SetParameters(const Kind9Parameters& parameters) {
  database_->SetParameters(parameters);
}

void DatabasePlanPage::ClearBuffers() { database_->Reset(); }

void DatabasePlanPage::Start() {
  ClearBuffers();
  database_->ReadParameters(context());
}

bool DatabasePlanPage::EditMaximumCables(long shown) {
  if (!has_parameters()) return false;
  const long kept = std::clamp<long>(shown, 1, kMaxShownCables);
  return RunPlan(kept, parameters().maximum_sections);
}

bool DatabasePlanPage::EditMaximumSections(long sections) {
  if (!has_parameters()) return false;
  const int kept = static_cast<int>(std::clamp<long>(sections, kMinSections, kMaxSections));
  return RunPlan(std::clamp<long>(shown_maximum_cables(), 1, kMaxShownCables), kept);
}

bool DatabasePlanPage::RunPlan(long shown_cables, int sections) {
  const auto plan =
      PlanMemory(ChipCapacity(parameters().chip_type), static_cast<uint32_t>(shown_cables),
                 database_->trailing_records(), sections);
  if (!plan) {
    screen().ShowMessage(Icon::kError, "Ошибка", kRefused);
    Changed();  // the stored values are shown again
    return false;
  }
  database_->StorePlan(*plan);
  return true;
}

}  // namespace telvane
