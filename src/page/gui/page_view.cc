#include "page/gui/page_view.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QVBoxLayout>

namespace telvane {

PageView::PageView(InstrumentPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  page_.SetChangedHook([this] { Refresh(); });
}

PageView::~PageView() { page_.SetChangedHook(nullptr); }

EmptyPageView::EmptyPageView(InstrumentPage& page, QWidget* parent) : PageView(page, parent) {
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QCoreApplication::translate("Tabs", page.title().c_str()), this);
  title->setObjectName("PageTitle");
  title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont font = title->font();
  font.setBold(true);
  title->setFont(font);
  layout->addWidget(title);
  layout->addStretch();
}

}  // namespace telvane
