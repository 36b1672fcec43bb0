// The E1 tester's results page (kind 19, "БД Измерений"): receives every
// measurement file of the tester, lists them, shows the summary, record time
// stamps and interval results of the selected one, saves and loads it as a
// page file and writes its measurement protocol.
#ifndef TELVANE_TESTERS_E1_E1_RESULTS_PAGE_H_
#define TELVANE_TESTERS_E1_E1_RESULTS_PAGE_H_

#include <optional>
#include <string>

#include "page/instrument_page.h"
#include "testers/chart_file.h"
#include "testers/e1/e1_document.h"

namespace telvane {

class E1ResultsPage : public InstrumentPage {
 public:
  explicit E1ResultsPage(PageContext& context);

  const E1Document& document() const { return document_; }

  // "Принять": the tester information and every file; false when a transfer
  // failed (the files received before it stay listed).
  bool Receive();
  void Select(int file) {
    document_.Select(file);
    Changed();
  }
  void SelectRecord(int record) {
    document_.SelectRecord(record);
    Changed();
  }
  bool SavePage() { return document_.SavePage(screen()); }
  bool LoadPage();
  bool Protocol();

  // Where to save the chart picture (a save dialog); nullopt when cancelled.
  std::optional<std::string> ChooseChartPng() { return ChooseChartFile(screen()); }

  void ClearBuffers() override;
  void Start() override { Receive(); }

 private:
  // Receives file `number` (from 1) into `file`.
  bool ReceiveFile(int number, E1File& file);

  E1Document document_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_RESULTS_PAGE_H_
