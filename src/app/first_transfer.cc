#include "app/first_transfer.h"

#include "app/dataflash_reader.h"

namespace telvane {

void RunFirstTransfer(uint8_t kind, PageRegistry& pages, PageContext& context) {
  const KindRow* row = KindRowFor(kind);
  if (row == nullptr) return;
  for (const Step& step : row->first_transfer) {
    if (!step.condition.Holds(context.facts)) continue;
    switch (step.what) {
      case Step::What::kStart:
        pages.page(step.page).Start();
        break;
      case Step::What::kDataflash:
        ReadDataflash(context.screen, context.link.exchange(), context.instrument().address());
        break;
      case Step::What::kXdslTesterName:
        context.instrument().name = kXdslTesterName;
        pages.info().ShowInstrument();
        break;
    }
  }
}

}  // namespace telvane
