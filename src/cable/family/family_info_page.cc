#include "cable/family/family_info_page.h"

#include <cstdio>

#include "base/translatable.h"

namespace telvane {
namespace {

PageId InfoPageId(Family family) {
  switch (family) {
    case Family::k343:
      return PageId::kDbInfo10;
    case Family::k233:
      return PageId::kDbInfo14;
    case Family::k435:
      break;
  }
  return PageId::kDbInfo11;
}

}  // namespace

FamilyInfoPage::FamilyInfoPage(PageContext& context, std::shared_ptr<FamilyModel> model)
    : InstrumentPage(context, InfoPageId(model->layout().family),
                     QT_TRANSLATE_NOOP("Tabs", "Информация о БД")),
      model_(std::move(model)) {
  model_->AddListener([this] { Changed(); });
}

void FamilyInfoPage::Start() {
  if (!model_->Read(context())) return;
  if (model_->layout().family == Family::k435) {
    context().facts.version = model_->info()->firmware;
    context().facts.xdsl_logs = model_->info()->xdsl_logs;
  }
}

void FamilyInfoPage::ClearBuffers() {
  if (model_->info() || model_->cable_count() > 0) model_->Reset();
}

std::vector<std::pair<std::string, std::string>> FamilyInfoPage::Rows() const {
  const std::optional<FamilyInfo>& info = model_->info();
  if (!info) return {};
  char version[32];
  std::snprintf(version, sizeof version, "%.3f", info->firmware);
  auto n = [](unsigned v) { return std::to_string(v); };
  std::vector<std::pair<std::string, std::string>> rows = {
      {QT_TRANSLATE_NOOP("Pages", "Версия ПО"), version},
      {QT_TRANSLATE_NOOP("Pages", "Кабелей"), n(info->cables) + " / " + n(info->maximum_cables)}};
  if (model_->layout().has_reflectograms) {
    rows.push_back({QT_TRANSLATE_NOOP("Pages", "Рефлектограмм"), n(info->reflectograms)});
  }
  if (model_->layout().family != Family::k343) {
    rows.push_back({QT_TRANSLATE_NOOP("Pages", "Пар плановых измерений"), n(info->planned_pairs)});
    rows.push_back({QT_TRANSLATE_NOOP("Pages", "Типов кабелей"), n(info->cable_types)});
  }
  return rows;
}

}  // namespace telvane
