#include "app/first_transfer.h"

#include "app/dataflash_reader.h"

namespace telvane {
namespace {

bool VersionAtLeast(const SessionFacts& facts, float bound) {
  return facts.version && *facts.version >= bound;
}

}  // namespace

void RunFirstTransfer(uint8_t kind, PageRegistry& pages, PageContext& context) {
  const SessionFacts& facts = context.facts;
  switch (kind) {
    case 6:
      // The counters came with the search's initial transfer.
      pages.page(PageId::kDbCounters6).Start();
      break;
    case 7:
      pages.page(PageId::kCompactCables7).Start();
      break;
    case 9:
      pages.page(PageId::kDbCounters9).Start();
      break;
    case 10:
      pages.page(PageId::kDbInfo10).Start();
      break;
    case 11:
    case 12:
    case 16:
      pages.page(PageId::kDbInfo11).Start();
      pages.page(PageId::kXdsl11).Start();
      if (VersionAtLeast(facts, 10.001f)) {
        context.link.info().name = kXdslTesterName;
        pages.info().ShowInstrument();
      }
      break;
    case 13:
      pages.page(PageId::kSheets13).Start();
      if (VersionAtLeast(facts, 302)) pages.page(PageId::kSheetsReceive13).Start();
      break;
    case 14:
      // Command 0 belongs to the kind's information page.
      pages.page(PageId::kDbInfo14).Start();
      pages.page(PageId::kSheets13).Start();
      break;
    case 15:
      ReadDataflash(context.screen, context.link.exchange(), context.link.info().address());
      break;
    case 17:
      pages.page(PageId::kFrequencyList17).Start();
      if (VersionAtLeast(facts, 4)) {
        pages.page(PageId::kMeasurementFiles17).Start();
      } else {
        pages.page(PageId::kDbInfo17).Start();
      }
      break;
    case 18:
      // The file page reads "/mnt/ext2/" once the version allows it.
      pages.page(PageId::kDbInfo18).Start();
      if (facts.version && *facts.version > 2.003f) {
        pages.page(PageId::kFiles18).Start();
        pages.page(PageId::kMasks18).Start();
      }
      break;
    case 19:
      pages.page(PageId::kFiles19).Start();
      break;
    case 20:
      pages.page(PageId::kFiles20).Start();
      break;
    default:
      break;
  }
}

}  // namespace telvane
