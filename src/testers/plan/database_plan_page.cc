#include "testers/plan/database_plan_page.h"

#include <algorithm>
#include <array>

#include "base/values.h"
#include "testers/plan/memory_plan.h"

namespace telvane {
namespace {

constexpr char kRefused[] = "Введенные параметры БД некорректны!!!";

// The confirmation of the parameters block: the complement of its byte 3, as
// the serial initial transfer confirms the same bytes.
constexpr uint32_t kConfirmByte = 3;

}  // namespace

PlanParameters DecodePlanParameters(const uint8_t* data) {
  PlanParameters p;
  p.chip_type = data[0];
  p.maximum_cables = UnpackBe16(data + 1);
  p.current_cables = UnpackBe16(data + 3);
  p.cable_types = data[5];
  p.maximum_pairs = UnpackBe16(data + 6);
  p.current_pairs = UnpackBe16(data + 8);
  p.working_cable = UnpackBe16(data + 10);
  p.maximum_sections = data[12];
  p.first_free_byte = UnpackBe16(data + 13);
  return p;
}

DatabasePlanPage::DatabasePlanPage(PageContext& context)
    : InstrumentPage(context, PageId::kDbCounters9, "Информация о базе данных"),
      offset_(static_cast<uint32_t>(std::max(0, context.options.kind9_trailing_records))) {}

long DatabasePlanPage::shown_maximum_cables() const {
  return static_cast<long>(parameters_.maximum_cables) - static_cast<long>(offset_);
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
  if (!has_parameters_) return fields;
  const PlanParameters& p = parameters_;
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

void DatabasePlanPage::SetParameters(const PlanParameters& parameters) {
  parameters_ = parameters;
  has_parameters_ = true;
  Changed();
}

void DatabasePlanPage::ClearBuffers() {
  parameters_ = {};
  has_parameters_ = false;
  Changed();
}

void DatabasePlanPage::Start() {
  ClearBuffers();
  if (link().link_kind() == LinkKind::kIrda) {
    std::array<uint8_t, kPlanParametersSize> block{};
    if (!context().transactions().ReceiveBlockSeries(context().instrument().address(), 0x30, block,
                                                     block.size(),
                                                     ConfirmSource::DataByte(kConfirmByte))) {
      return;
    }
    SetParameters(DecodePlanParameters(block.data()));
    return;
  }
  const auto& initial = context().initial().kind9;
  if (!initial) return;
  PlanParameters p;
  p.chip_type = initial->chip_type;
  p.maximum_cables = initial->maximum_cables;
  p.current_cables = initial->current_cables;
  p.cable_types = initial->cable_types;
  p.maximum_pairs = initial->maximum_pairs;
  p.current_pairs = initial->current_pairs;
  p.working_cable = initial->working_cable;
  p.maximum_sections = initial->maximum_sections;
  p.first_free_byte = initial->first_free_byte;
  SetParameters(p);
}

bool DatabasePlanPage::EditMaximumCables(long shown) {
  if (!has_parameters_) return false;
  const long kept = std::clamp<long>(shown, 1, kMaxShownCables);
  return RunPlan(kept, parameters_.maximum_sections);
}

bool DatabasePlanPage::EditMaximumSections(long sections) {
  if (!has_parameters_) return false;
  const int kept = static_cast<int>(std::clamp<long>(sections, kMinSections, kMaxSections));
  return RunPlan(std::clamp<long>(shown_maximum_cables(), 1, kMaxShownCables), kept);
}

bool DatabasePlanPage::RunPlan(long shown_cables, int sections) {
  const auto plan = PlanMemory(ChipCapacity(parameters_.chip_type),
                               static_cast<uint32_t>(shown_cables), offset_, sections);
  if (!plan) {
    screen().ShowMessage(Icon::kError, "Ошибка", kRefused);
    Changed();  // the stored values are shown again
    return false;
  }
  // The cable count is the database's own; the planned-measurement area starts
  // empty under the new plan.
  parameters_.maximum_cables = static_cast<uint16_t>(plan->cables);
  parameters_.current_pairs = 0;
  parameters_.maximum_pairs = static_cast<uint16_t>(plan->pairs);
  parameters_.first_free_byte = plan->first_free_byte;
  parameters_.maximum_sections = static_cast<uint8_t>(plan->sections);
  Changed();
  return true;
}

}  // namespace telvane
