// The Ethernet tester's results page (kind 20, "БД Измерений"): receives every
// RFC 2544 result file, lists them, shows the start and end of the selected
// one, chooses the unit of rates and writes the report.
#ifndef TELVANE_TESTERS_ETHERNET_ETHERNET_RESULTS_PAGE_H_
#define TELVANE_TESTERS_ETHERNET_ETHERNET_RESULTS_PAGE_H_

#include <optional>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "testers/chart_file.h"
#include "testers/ethernet/rfc2544_result.h"

namespace telvane {

class EthernetResultsPage : public InstrumentPage {
 public:
  explicit EthernetResultsPage(PageContext& context);

  const std::vector<Rfc2544Result>& results() const { return results_; }
  const std::vector<std::string>& lines() const { return lines_; }
  int selected() const { return selected_; }
  const Rfc2544Result* selected_result() const;
  // The selection text: start and end, or "Файл пуст".
  std::string SelectionText() const;
  bool can_report() const;
  // The unit selector: 0 "Проценты (%)", 1 "Мбит/c".
  static std::vector<std::string> UnitNames();
  int unit() const { return unit_; }

  bool Receive();
  void Select(int index);
  void SetUnit(int unit);
  bool Report();
  bool ReportTo(const std::string& path);

  // Where to save the chart picture (a save dialog); nullopt when cancelled.
  std::optional<std::string> ChooseChartPng() { return ChooseChartFile(screen()); }

  void ClearBuffers() override;
  void Start() override { Receive(); }

 private:
  std::vector<Rfc2544Result> results_;
  std::vector<std::string> lines_;
  int selected_ = -1;
  int unit_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_ETHERNET_ETHERNET_RESULTS_PAGE_H_
