// What the Qt views of the cable pages share: translated captions, text
// conversions and named widgets (the names let the tests find them).
#ifndef TELVANE_CABLE_PAGES_CABLE_WIDGETS_VIEW_H_
#define TELVANE_CABLE_PAGES_CABLE_WIDGETS_VIEW_H_

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <string>

namespace telvane {
namespace cable_view {

inline QString Tr(const char* text) { return QCoreApplication::translate("CablePages", text); }
inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline std::string S(const QString& text) { return text.toStdString(); }

// A button named `name` (for tests) with a translated caption.
inline QPushButton* Button(QWidget* parent, const char* caption, const char* name) {
  auto* button = new QPushButton(Tr(caption), parent);
  button->setObjectName(name);
  return button;
}

// "№ n из count" in the window's language, for the list row `selected`
// (from 0) of `count`.
inline QString PositionLabel(int selected, int count) {
  return Tr("№ %1 из %2").arg(count == 0 ? 0 : selected + 1).arg(count);
}

// Rows the pages number themselves ("Участок %1", "Кабель №%1"): `count`
// names from 1, in the window's language.
inline QStringList NumberedNames(const char* pattern, size_t count) {
  QStringList names;
  for (size_t i = 1; i <= count; ++i) names << Tr(pattern).arg(i);
  return names;
}

// One entry of a cable check list: its text and mark; a locked entry ("/i0B:")
// is shown greyed and can be neither checked nor made current.
inline void SetCheckItem(QListWidgetItem* item, const std::string& text, bool checked,
                         bool selectable) {
  item->setText(Q(text));
  const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
  item->setFlags(selectable ? item->flags() | flags : item->flags() & ~flags);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

inline QLineEdit* Edit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

// Sets the text without moving the cursor of a field being typed in.
inline void SetText(QLineEdit* edit, const std::string& text) {
  const QString value = Q(text);
  if (edit->text() != value) edit->setText(value);
}

}  // namespace cable_view
}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_WIDGETS_VIEW_H_
