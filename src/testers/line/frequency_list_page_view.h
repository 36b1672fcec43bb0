// The frequency list on screen: the list in kHz, the offered frequencies with
// "Добавить", "Удалить" for the selected entry, "Принять" and "Передать".
#ifndef TELVANE_TESTERS_LINE_FREQUENCY_LIST_PAGE_VIEW_H_
#define TELVANE_TESTERS_LINE_FREQUENCY_LIST_PAGE_VIEW_H_

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "page/gui/page_view.h"
#include "testers/line/frequency_list_page.h"

namespace telvane {

class FrequencyListPageView : public PageView {
  Q_OBJECT

 public:
  FrequencyListPageView(FrequencyListPage& page, QWidget* parent);
  void Refresh() override;

 private:
  FrequencyListPage& frequencies_;
  QListWidget* list_;
  QComboBox* offered_;
  QLabel* count_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_FREQUENCY_LIST_PAGE_VIEW_H_
