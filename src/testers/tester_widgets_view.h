// What the Qt views of the testers' result pages share: translated captions,
// text conversions, named buttons and the PNG export of a chart.
#ifndef TELVANE_TESTERS_TESTER_WIDGETS_VIEW_H_
#define TELVANE_TESTERS_TESTER_WIDGETS_VIEW_H_

#include <QCoreApplication>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <string>

namespace telvane::tester_view {

inline QString Tr(const char* text) { return QCoreApplication::translate("TesterPages", text); }
inline QString Q(const std::string& text) { return QString::fromStdString(text); }

inline QPushButton* Button(QWidget* parent, const char* caption, const char* name) {
  auto* button = new QPushButton(Tr(caption), parent);
  button->setObjectName(name);
  return button;
}

// Saves what `chart` shows as a PNG file; false when it could not be written.
inline bool SaveChartPng(QWidget& chart, const std::string& path) {
  return chart.grab().save(Q(path), "PNG");
}

// `text` with its CR LF line ends as Qt line ends.
inline QString Lines(const std::string& text) { return Q(text).replace("\r\n", "\n"); }

}  // namespace telvane::tester_view

#endif  // TELVANE_TESTERS_TESTER_WIDGETS_VIEW_H_
