#include "cable/wear/wear_page_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using cable_view::Button;
using cable_view::Q;
using cable_view::Tr;

WearPageView::WearPageView(WearPage& page, QWidget* parent) : PageView(page, parent), wear_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  int index = 0;
  for (const WearField& field : wear_.Fields()) {
    auto* value = new QLineEdit(this);
    value->setObjectName(QString("Value%1").arg(index++));
    value->setReadOnly(true);
    form->addRow(Tr(field.label.c_str()), value);
    values_.push_back(value);
  }
  layout->addLayout(form);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  auto* receive = Button(this, "Принять и сохранить...", "ReceiveSave");
  connect(receive, &QPushButton::clicked, this, [this] { wear_.ReceiveAndSave(); });
  buttons->addWidget(receive);
  layout->addLayout(buttons);
  layout->addStretch();
  Refresh();
}

void WearPageView::Refresh() {
  const auto fields = wear_.Fields();
  for (size_t i = 0; i < fields.size() && i < values_.size(); ++i) {
    values_[i]->setText(Q(fields[i].value));
  }
}

}  // namespace telvane
