// The Qt view of the E1 results page: the files and results, and the buttons
// "Принять", "Сохранить...", "Открыть...", "Протокол..." and "Сохранить
// график...".
#ifndef TELVANE_TESTERS_E1_E1_RESULTS_PAGE_VIEW_H_
#define TELVANE_TESTERS_E1_E1_RESULTS_PAGE_VIEW_H_

#include <QPushButton>

#include "page/gui/page_view.h"
#include "testers/e1/e1_results_page.h"
#include "testers/e1/e1_results_widget_view.h"

namespace telvane {

class E1ResultsPageView : public PageView {
  Q_OBJECT

 public:
  E1ResultsPageView(E1ResultsPage& page, QWidget* parent);
  void Refresh() override;

 private:
  E1ResultsPage& e1_;
  E1ResultsWidget* results_;
  QPushButton* save_;
  QPushButton* protocol_;
  QPushButton* chart_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_RESULTS_PAGE_VIEW_H_
