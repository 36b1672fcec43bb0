// The record page on screen: the kind choice with "Принять", the records as
// text, "Отчёт..." and, for the kinds measured over frequency, the chosen
// record drawn as level over frequency.
#ifndef TELVANE_TESTERS_LINE_LINE_RECORDS_PAGE_VIEW_H_
#define TELVANE_TESTERS_LINE_LINE_RECORDS_PAGE_VIEW_H_

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "page/gui/page_view.h"
#include "storage/chart/gui/chart_widget.h"
#include "testers/line/line_records_page.h"

namespace telvane {

class LineRecordsPageView : public PageView {
  Q_OBJECT

 public:
  LineRecordsPageView(LineRecordsPage& page, QWidget* parent);
  void Refresh() override;

 private:
  LineRecordsPage& records_;
  QComboBox* kinds_;
  QPlainTextEdit* text_;
  QPushButton* report_;
  QComboBox* chosen_;
  ChartWidget* chart_;
  QPushButton* save_chart_;
  bool refreshing_ = false;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_RECORDS_PAGE_VIEW_H_
