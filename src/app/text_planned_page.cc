#include "app/text_planned_page.h"

#include <cstdio>

#include "app/translatable.h"
#include "app/values.h"

namespace telvane {
namespace {

std::string Value(float value, int kind) {
  if (value == kPairNotMeasured || value == kValueNotMeasured) return "-";
  std::string text;
  FormatMeasurement(value, kind, text);
  return text;
}

}  // namespace

TextPlannedPage::TextPlannedPage(PageContext& context)
    : InstrumentPage(context, PageId::kTextPlanned,
                     QT_TRANSLATE_NOOP("Tabs", "Плановые измерения")) {}

void TextPlannedPage::SetRecords(std::vector<TextPlannedRecord> records) {
  records_ = std::move(records);
  Changed();
}

void TextPlannedPage::ClearBuffers() {
  if (records_.empty()) return;
  records_.clear();
  Changed();
}

std::vector<std::string> TextPlannedPage::Lines() const {
  std::vector<std::string> lines;
  for (const TextPlannedRecord& r : records_) {
    char head[32];
    std::snprintf(head, sizeof head, "%u, %u", r[0], r[1]);
    std::string line = head;
    // Floats 1 to 3 are capacitances, 4 to 6 insulation resistances.
    for (int i = 0; i < 6; ++i) {
      line += "; " + Value(LoadLeFloat(r.data() + 2 + 4 * i), i < 3 ? kCapacitance : kInsulation);
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace telvane
