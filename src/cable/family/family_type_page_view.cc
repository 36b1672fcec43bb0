#include "cable/family/family_type_page_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "cable/pages/cable_widgets_view.h"

namespace telvane {

using namespace cable_view;

FamilyTypePageView::FamilyTypePageView(FamilyTypePage& page, QWidget* parent)
    : PageView(page, parent), types_(page) {
  auto* layout = new QVBoxLayout(this);
  auto* tools = new QHBoxLayout;
  layout->addLayout(tools);
  auto* receive = Button(this, "Принять", "Receive");
  auto* send = Button(this, "Передать", "Send");
  tools->addWidget(receive);
  tools->addWidget(send);
  tools->addStretch();
  connect(receive, &QPushButton::clicked, this, [this] { types_.Receive(); });
  connect(send, &QPushButton::clicked, this, [this] { types_.Send(); });

  auto* body = new QHBoxLayout;
  layout->addLayout(body, 1);
  list_ = new QListWidget(this);
  list_->setObjectName("TypeList");
  body->addWidget(list_, 1);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) types_.Select(row);
  });
  connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!refreshing_) types_.SetChecked(list_->row(item), item->checkState() == Qt::Checked);
  });

  auto* box = new QGroupBox(Tr("Параметры типа кабеля"), this);
  auto* form = new QFormLayout(box);
  name_ = Edit(box, "Name");
  name_->setMaxLength(kFamilyTypeNameChars);
  form->addRow(Tr("Тип кабеля:"), name_);
  connect(name_, &QLineEdit::editingFinished, this, [this] {
    if (!refreshing_ && name_->isModified()) {
      name_->setModified(false);
      types_.EditName(S(name_->text()));
    }
  });
  const char* names[] = {"Value1", "Value2", "Value3"};
  for (int v = 0; v < 3; ++v) {
    labels_[static_cast<size_t>(v)] = new QLabel(box);
    QLineEdit* edit = Edit(box, names[v]);
    values_[static_cast<size_t>(v)] = edit;
    form->addRow(labels_[static_cast<size_t>(v)], edit);
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, v] {
      if (!refreshing_ && edit->isModified()) {
        edit->setModified(false);
        types_.EditValue(v, S(edit->text()));
      }
    });
  }
  auto* right = new QVBoxLayout;
  right->addWidget(box);
  right->addStretch();
  body->addLayout(right, 1);
  Refresh();
}

void FamilyTypePageView::Refresh() {
  refreshing_ = true;
  const std::vector<std::string> names = types_.Names();
  list_->clear();
  for (size_t i = 0; i < names.size(); ++i) {
    auto* item = new QListWidgetItem(Q(names[i]), list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(types_.checked(static_cast<int>(i)) ? Qt::Checked : Qt::Unchecked);
  }
  list_->setCurrentRow(types_.selected());
  SetText(name_, types_.NameField());
  const std::array<std::string, 3> labels = types_.ValueLabels();
  for (size_t v = 0; v < 3; ++v) {
    labels_[v]->setText(QCoreApplication::translate("Pages", labels[v].c_str()));
    SetText(values_[v], types_.ValueField(static_cast<int>(v)));
  }
  name_->setEnabled(types_.selected() >= 0);
  for (QLineEdit* edit : values_) edit->setEnabled(types_.selected() >= 0);
  refreshing_ = false;
}

}  // namespace telvane
