#include "cable/family/family_type_page.h"

#include <algorithm>
#include <cstdio>

#include "base/fixed_record.h"
#include "base/translatable.h"
#include "base/values.h"
#include "cable/pages/checked_send.h"
#include "cable/pages/page_numbers.h"

namespace telvane {
namespace {

constexpr char kReplaceQuestion[] =
    "Заменяемые типы кабелей будут потеряны безвозвратно! Продолжить?";

PageId TypePageId(Family family) {
  return family == Family::k233 ? PageId::kCableTypes14 : PageId::kCableTypes11;
}

size_t ValueOffset(int value) { return kFamilyTypeNameSize + 4 * static_cast<size_t>(value); }

}  // namespace

FamilyTypePage::FamilyTypePage(PageContext& context, std::shared_ptr<FamilyModel> model)
    : InstrumentPage(context, TypePageId(model->layout().family),
                     QT_TRANSLATE_NOOP("Tabs", "БД типов кабелей")),
      model_(std::move(model)) {
  model_->AddListener([this] {
    Fit();
    Changed();
  });
  Fit();
}

void FamilyTypePage::Fit() {
  checks_.resize(static_cast<size_t>(type_count()), false);
  if (selected_ >= type_count()) selected_ = 0;
}

std::vector<std::string> FamilyTypePage::Names() const {
  std::vector<std::string> names;
  for (int i = 0; i < type_count(); ++i) names.push_back(model_->type_name(i));
  return names;
}

bool FamilyTypePage::checked(int type) const {
  return type >= 0 && static_cast<size_t>(type) < checks_.size() &&
         checks_[static_cast<size_t>(type)];
}

void FamilyTypePage::SetChecked(int type, bool on) {
  if (type < 0 || static_cast<size_t>(type) >= checks_.size()) return;
  checks_[static_cast<size_t>(type)] = on;
  Changed();
}

int FamilyTypePage::selected() const { return type_count() > 0 ? selected_ : -1; }

void FamilyTypePage::Select(int type) {
  if (type < 0 || type >= type_count()) return;
  selected_ = type;
  Changed();
}

std::string FamilyTypePage::NameField() const { return model_->type_name(selected()); }

std::string FamilyTypePage::ValueField(int value) const {
  if (selected() < 0 || value < 0 || value > 2) return {};
  char text[64];
  std::snprintf(text, sizeof text, "%.3f",
                static_cast<double>(model_->type_value(selected(), value)));
  return text;
}

void FamilyTypePage::EditName(const std::string& text) {
  const int type = selected();
  if (type >= 0) {
    FamilyModel::TypeRecord record = model_->types()[static_cast<size_t>(type)];
    WriteTextField(record.data(), kFamilyTypeNameSize, kFamilyTypeNameChars, text);
    model_->SetType(type, record);
  }
  Changed();
}

void FamilyTypePage::EditValue(int value, const std::string& text) {
  const int type = selected();
  const std::optional<float> parsed = ParseDecimal(text);
  if (type >= 0 && value >= 0 && value <= 2 && parsed) {
    float v = *parsed;
    if (value == 1) v = std::clamp(v, kTypeFactorMinimum, kTypeFactorMaximum);
    FamilyModel::TypeRecord record = model_->types()[static_cast<size_t>(type)];
    StoreLeFloat(v, record.data() + ValueOffset(value));
    model_->SetType(type, record);
  }
  // The stored value is shown again either way.
  Changed();
}

std::array<std::string, 3> FamilyTypePage::ValueLabels() {
  if (context().instrument().kind == 12) {
    return {QT_TRANSLATE_NOOP("Pages", "Пл. сеч.(кв. мм):"), QT_TRANSLATE_NOOP("Pages", "К.У.:"),
            QT_TRANSLATE_NOOP("Pages", "ТПЖ :")};
  }
  return {QT_TRANSLATE_NOOP("Pages", "Уд. емк.(нФ/км):"), QT_TRANSLATE_NOOP("Pages", "К.У.:"),
          QT_TRANSLATE_NOOP("Pages", "R шлейфа (Ом):")};
}

bool FamilyTypePage::Receive() {
  if (!model_->info() && !model_->Read(context())) return false;
  if (!model_->ReadTypes(context())) return false;
  checks_.assign(static_cast<size_t>(type_count()), true);
  selected_ = 0;
  Changed();
  return true;
}

bool FamilyTypePage::Send() {
  CheckedSend send;
  send.checks = checks_;
  send.send_all = [this] { return model_->WriteTypes(context()); };
  send.send_one = [this](int type) { return model_->WriteType(context(), type); };
  send.question = kReplaceQuestion;
  return SendChecked(screen(), send);
}

void FamilyTypePage::ClearBuffers() {
  checks_.assign(static_cast<size_t>(type_count()), false);
  selected_ = 0;
  Changed();
}

}  // namespace telvane
