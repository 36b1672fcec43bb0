// The E1 measurement files of a document as the page and the viewer show
// them: the file list, the summary, the record time stamps, the results of the
// selected interval and the chart. The owner forwards the selections to the
// document and calls Refresh.
#ifndef TELVANE_TESTERS_E1_E1_RESULTS_WIDGET_VIEW_H_
#define TELVANE_TESTERS_E1_E1_RESULTS_WIDGET_VIEW_H_

#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QWidget>
#include <functional>

#include "testers/e1/e1_chart_view.h"
#include "testers/e1/e1_document.h"

namespace telvane {

class E1ResultsWidget : public QWidget {
  Q_OBJECT

 public:
  E1ResultsWidget(const E1Document& document, QWidget* parent);

  void Refresh();
  void OnSelectFile(std::function<void(int)> hook) { select_file_ = std::move(hook); }
  void OnSelectRecord(std::function<void(int)> hook) { select_record_ = std::move(hook); }
  E1ChartWidget& chart() { return *chart_; }

 private:
  const E1Document& document_;
  QListWidget* files_;
  QLabel* summary_;
  QListWidget* records_;
  QTreeWidget* results_;
  E1ChartWidget* chart_;
  std::function<void(int)> select_file_;
  std::function<void(int)> select_record_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_RESULTS_WIDGET_VIEW_H_
