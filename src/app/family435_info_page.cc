#include "app/family435_info_page.h"

#include <cstdio>

#include "base/translatable.h"
#include "base/values.h"

namespace telvane {

DatabaseInfo435 DatabaseInfo435::FromWire(const uint8_t* data) {
  DatabaseInfo435 info;
  info.firmware = LoadLeFloat(data);
  info.cables = LoadLe16(data + 4);
  info.maximum_cables = LoadLe16(data + 6);
  info.reflectograms = LoadLe16(data + 8);
  info.planned_pairs = LoadLe16(data + 10);
  info.cable_types = LoadLe16(data + 12);
  info.xdsl_logs = data[14];
  return info;
}

Family435InfoPage::Family435InfoPage(PageContext& context)
    : InstrumentPage(context, PageId::kDbInfo11, QT_TRANSLATE_NOOP("Tabs", "Информация о БД")) {}

void Family435InfoPage::Start() {
  LinkControl& l = link();
  const Address address = l.info().address();
  if (!l.exchange().SendCommand(address, kReadDatabaseCommand435, Wait{11, 0})) {
    screen().ShowMessage(Icon::kError, "Ошибка", "Ошибка выполнения команды");
    return;
  }
  std::array<uint8_t, kDatabaseInfoSize435> record{};
  if (!l.exchange().ReceiveRecord(address, record.data(), record.size(), ConfirmSource::Value(0),
                                  Progress{true, 0, 1}, Wait{11, 0})) {
    screen().ShowMessage(Icon::kError, "Ошибка", "Ошибка при приеме записи");
    return;
  }
  info_ = DatabaseInfo435::FromWire(record.data());
  context().facts.version = info_->firmware;
  context().facts.xdsl_logs = info_->xdsl_logs;
  Changed();
}

void Family435InfoPage::ClearBuffers() {
  if (!info_) return;
  info_.reset();
  Changed();
}

std::vector<std::pair<std::string, std::string>> Family435InfoPage::Rows() const {
  if (!info_) return {};
  char version[32];
  std::snprintf(version, sizeof version, "%.3f", info_->firmware);
  auto n = [](unsigned v) { return std::to_string(v); };
  return {
      {QT_TRANSLATE_NOOP("Pages", "Версия ПО"), version},
      {QT_TRANSLATE_NOOP("Pages", "Кабелей"), n(info_->cables) + " / " + n(info_->maximum_cables)},
      {QT_TRANSLATE_NOOP("Pages", "Рефлектограмм"), n(info_->reflectograms)},
      {QT_TRANSLATE_NOOP("Pages", "Пар плановых измерений"), n(info_->planned_pairs)},
      {QT_TRANSLATE_NOOP("Pages", "Типов кабелей"), n(info_->cable_types)}};
}

}  // namespace telvane
