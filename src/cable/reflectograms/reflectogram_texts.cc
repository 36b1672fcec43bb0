#include "cable/reflectograms/reflectogram_texts.h"

#include "base/sprintf.h"

namespace telvane {

std::string SlotLine(uint8_t status, int slot) {
  if (status == 255) return " ПУСТО";
  if (status == 0) return Sprintf("РФГ №%.2d", slot + 1);
  return "Неверные данные";
}

StorageButtons StorageButtonTexts(bool database_mode) {
  if (database_mode) {
    return {QT_TRANSLATE_NOOP("CablePages", "Обновить БД..."),
            QT_TRANSLATE_NOOP("CablePages", "Сохранение рефлектограммы В БД"),
            QT_TRANSLATE_NOOP("CablePages", "Открыть  БД..."),
            QT_TRANSLATE_NOOP("CablePages", "Открытие рефлектограммы из БД")};
  }
  return {QT_TRANSLATE_NOOP("CablePages", "Сохранить..."),
          QT_TRANSLATE_NOOP("CablePages", "Сохранение рефлектограммы в отдельный файл"),
          QT_TRANSLATE_NOOP("CablePages", "Открыть..."),
          QT_TRANSLATE_NOOP("CablePages", "Открытие рефлектограммы из отдельного файла")};
}

namespace {

// The table's value of `index` ("%g"), or "#index" beyond the table.
std::string Scaled(std::span<const double> column, int index) {
  const std::optional<double> value = ScaleValue(column, index);
  return value ? Sprintf("%g", *value) : Sprintf("#%d", index);
}

}  // namespace

SlotPanel ValidSlotPanel(const ReflectogramRecord& record, const ScaleTable& scales,
                         int sample_count) {
  const TraceSettings s = record.settings();
  SlotPanel panel;
  panel.name = record.name();
  panel.date = Sprintf("%.2u.%.2u.%.2u", static_cast<unsigned>(record.day()),
                       static_cast<unsigned>(record.month()), static_cast<unsigned>(record.year()));
  panel.pulse = Scaled(scales.pulse_ns, s.imp);
  panel.range = Scaled(scales.range_m, s.diap);
  panel.stretch = Scaled(scales.stretch, s.rast);
  panel.averaging = std::to_string(s.middl);
  panel.gain = Scaled(scales.gain_db, s.db);
  if (record.form() == RecordForm::kExtended) {
    panel.coordination = Sprintf("%03.0f", static_cast<double>(record.coordination(sample_count)));
  }
  return panel;
}

SlotPanel EmptySlotPanel() {
  SlotPanel panel;
  panel.name = kEmptySlotText;
  panel.date = Sprintf("%.2u.%.2u.%.2u", 0u, 0u, 0u);
  panel.pulse = panel.range = panel.stretch = panel.averaging = panel.gain = "0";
  return panel;
}

std::vector<std::pair<std::string, std::string>> PanelRows(const SlotPanel& panel,
                                                           bool coordination_shown) {
  std::vector<std::pair<std::string, std::string>> rows = {
      {QT_TRANSLATE_NOOP("CablePages", "Название"), panel.name},
      {QT_TRANSLATE_NOOP("CablePages", "Дата"), panel.date},
      {QT_TRANSLATE_NOOP("CablePages", "Импульс, нс"), panel.pulse},
      {QT_TRANSLATE_NOOP("CablePages", "Диапазон, м"), panel.range},
      {QT_TRANSLATE_NOOP("CablePages", "Растяжка"), panel.stretch},
      {QT_TRANSLATE_NOOP("CablePages", "Усреднение"), panel.averaging},
      {QT_TRANSLATE_NOOP("CablePages", "Усиление, дБ"), panel.gain}};
  if (coordination_shown) {
    rows.emplace_back(QT_TRANSLATE_NOOP("CablePages", "Согласование"), panel.coordination);
  }
  return rows;
}

std::vector<FileFilter> TraceFileFilters(TracePage page) {
  return {
      {page == TracePage::kOlder ? "RFG (Версия 1.1)" : "RFG (1.1, 1.2, 2.0, 3.0, 4.0)", "*.rfg"},
      {"WV (WV8 файл)", "*.wv"},
      {"TDR (РЕЙС-105Р)", "*.tdr"}};
}

FileDialog DatabaseDialog() {
  FileDialog dialog;
  dialog.filters = {{"MDB (БД MS Access 2000)", "*.mdb"}};
  dialog.default_extension = "mdb";
  return dialog;
}

}  // namespace telvane
