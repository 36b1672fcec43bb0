// "Информация о БД" of the line tester: the version ("%3.3f") and the seven
// record counts of the 104-byte information record, and deleting every
// measurement on the instrument.
#ifndef TELVANE_TESTERS_LINE_LINE_INFO_PAGE_H_
#define TELVANE_TESTERS_LINE_LINE_INFO_PAGE_H_

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "testers/line/line_pages.h"

namespace telvane {

class LineInfoPage : public InstrumentPage {
 public:
  LineInfoPage(PageContext& context, std::shared_ptr<LineTesterState> state);

  // Shows the record the frequency-list page just received, else receives it.
  void Start() override;
  void ClearBuffers() override;

  // Receives the information record again.
  bool Refresh();
  // Asks (the instrument's name as caption, warning icon); on Yes command
  // 0x1E, then after 100 ms the page is refreshed. False when nothing was
  // deleted.
  bool DeleteAll();

  std::vector<std::pair<std::string, std::string>> Rows() const;

 private:
  std::shared_ptr<LineTesterState> state_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_LINE_INFO_PAGE_H_
