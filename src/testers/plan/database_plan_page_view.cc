#include "testers/plan/database_plan_page_view.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QIntValidator>
#include <QVBoxLayout>

namespace telvane {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TesterPages", text); }

// The fields the person edits, by their place in the page's list.
constexpr size_t kCablesField = 0;
constexpr size_t kSectionsField = 6;

}  // namespace

DatabasePlanPageView::DatabasePlanPageView(DatabasePlanPage& page, QWidget* parent)
    : PageView(page, parent), plan_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  const auto fields = plan_.Fields();
  for (size_t i = 0; i < fields.size(); ++i) {
    auto* value = new QLineEdit(this);
    value->setObjectName(QString("Field%1").arg(i));
    value->setReadOnly(!fields[i].editable);
    if (i == kCablesField) value->setValidator(new QIntValidator(1, 65535, value));
    if (i == kSectionsField) value->setValidator(new QIntValidator(0, 255, value));
    if (fields[i].editable) {
      connect(value, &QLineEdit::editingFinished, this, [this, i] { Edited(i); });
    }
    form->addRow(Tr(fields[i].label.c_str()), value);
    values_.push_back(value);
  }
  layout->addLayout(form);
  layout->addStretch();
  Refresh();
}

DatabasePlanPageView::~DatabasePlanPageView() {
  for (QLineEdit* value : values_) value->disconnect(this);
}

void DatabasePlanPageView::Edited(size_t field) {
  if (refreshing_) return;
  bool ok = false;
  const long value = values_[field]->text().toLong(&ok);
  if (!ok) {
    Refresh();
    return;
  }
  if (field == kCablesField) plan_.EditMaximumCables(value);
  if (field == kSectionsField) plan_.EditMaximumSections(value);
  Refresh();
}

void DatabasePlanPageView::Refresh() {
  refreshing_ = true;
  const auto fields = plan_.Fields();
  for (size_t i = 0; i < fields.size() && i < values_.size(); ++i) {
    values_[i]->setText(QString::fromStdString(fields[i].value));
  }
  refreshing_ = false;
}

}  // namespace telvane
