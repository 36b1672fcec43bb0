// "Список частот" of the line tester: the list of measuring frequencies kept
// by the instrument (at most 129 codes of the frequency grid), received with
// 0x05, edited, and sent back with 0x06. Its Start is the kind's first
// transfer: it reads the information record first, whose version chooses the
// tabs.
#ifndef TELVANE_TESTERS_LINE_FREQUENCY_LIST_PAGE_H_
#define TELVANE_TESTERS_LINE_FREQUENCY_LIST_PAGE_H_

#include <memory>
#include <string>
#include <vector>

#include "testers/line/line_pages.h"

namespace telvane {

class FrequencyListPage : public InstrumentPage {
 public:
  FrequencyListPage(PageContext& context, std::shared_ptr<LineTesterState> state);

  // The information record, then the list.
  void Start() override;
  void ClearBuffers() override;

  // 0x05: the list replaces the one held; a count above 129 is cut to 129
  // with a warning.
  bool Receive();
  // 0x06: the list as held.
  bool Send();
  // Adds a grid frequency at the end; refuses a frequency not on the grid, one
  // already listed, and a 130th entry (with a warning).
  bool Add(unsigned khz);
  // Removes the first entry of `khz`; false when none.
  bool Remove(unsigned khz);

  const FrequencyList& list() const { return list_; }
  // The entries in whole kHz ("-" for a code beyond the grid).
  std::vector<std::string> Lines() const;

 private:
  std::shared_ptr<LineTesterState> state_;
  FrequencyList list_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_LINE_FREQUENCY_LIST_PAGE_H_
