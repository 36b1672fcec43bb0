// Measured values as the pages show them, in the window's language: the pages
// format a value with its unit ("54 нФ", "2.0 МОм ") or mark it missing
// ("НЕТ ИЗМЕРЕНИЙ"), as files hold them; on screen the unit and the mark come
// from the catalogue (context "Units"), the number stays as formatted.
#ifndef TELVANE_PAGE_GUI_MEASUREMENT_TEXT_H_
#define TELVANE_PAGE_GUI_MEASUREMENT_TEXT_H_

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <string>

namespace telvane {

inline QString MeasurementText(const std::string& text) {
  if (text == "НЕТ ИЗМЕРЕНИЙ") return QCoreApplication::translate("Units", "НЕТ ИЗМЕРЕНИЙ");
  static const char* const kUnits[] = {"нФ", "Ом", "КОм", "кОм", "МОм"};
  QStringList words = QString::fromStdString(text).split(' ');
  for (QString& word : words) {
    for (const char* unit : kUnits) {
      if (word == QString::fromUtf8(unit)) word = QCoreApplication::translate("Units", unit);
    }
  }
  return words.join(' ');
}

}  // namespace telvane

#endif  // TELVANE_PAGE_GUI_MEASUREMENT_TEXT_H_
