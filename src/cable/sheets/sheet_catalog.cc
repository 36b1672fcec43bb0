#include "cable/sheets/sheet_catalog.h"

#include <cmath>

#include "base/sprintf.h"

namespace telvane {

bool SheetCatalog::pair_selection_names() const {
  const float value = selector();
  if (!std::isfinite(value)) return false;
  return value - std::trunc(value) > 0.3f;
}

int NotebookRecord::count() const { return U8(0) > kMaxPairs ? kMaxPairs : U8(0); }

std::string SheetEntryName(bool pair_selection, int number) {
  return Sprintf(pair_selection ? "Отбор пар (Лист № %.2d)" : "Плановые АЧХ (Лист № %.2d)", number);
}

std::string NotebookEntryName(int number) {
  return Sprintf("Блокнот измерителя (запись № %d)", number);
}

std::string MeasurementStatus(bool any) { return any ? "Измерения есть" : "Измерений нет"; }

std::string SheetInformation(const SheetRecord& sheet) {
  std::string text;
  const int frequencies = sheet.frequency_count();
  if (sheet.sheet_kind() != kSheetKindEmpty && frequencies > 0) {
    text += "\r\n Список частот в режиме АЧХ:\r\n";
    for (int f = 0; f < frequencies; ++f) {
      text += Sprintf("  %.2f кГц\r\n", static_cast<double>(sheet.frequency(f)));
    }
  }
  if (sheet.has_pair_table()) {
    text += "\r\n Переходное затухание\r\nна частоте: ";
    text += Sprintf("  %.2f кГц\r\n", static_cast<double>(sheet.pair_table_frequency()));
  }
  if (sheet.empty()) return "Данный лист БД измерений пуст.\r\n";
  text +=
      "\r\n\r\n Для получения более подробной информации\r\nсоздайте отчет (кнопка "
      "\"Сохранить...\")\r\n";
  return text;
}

std::string NotebookInformation(const NotebookRecord& entry) {
  std::string text = Sprintf("\r\n Записей в блокноте: %d\r\n", entry.count());
  text +=
      "\r\n\r\n Для получения более подробной информации\r\nсоздайте отчет (кнопка "
      "\"Сохранить...\")\r\n";
  return text;
}

}  // namespace telvane
