// The size page of the full family (kind 6, "Информация о базе данных"): the
// database header's current and maximum numbers of cables, pairs,
// reflectograms and reflectogram samples, read-only. Its first transfer takes
// what the search's initial transfer received: the header and the cable names.
#ifndef TELVANE_CABLE_PAGES_CABLE_SIZE_PAGE_H_
#define TELVANE_CABLE_PAGES_CABLE_SIZE_PAGE_H_

#include <memory>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "cable/pages/full_family_model.h"

namespace telvane {

struct SizeRow {
  std::string label;
  unsigned long current = 0;
  unsigned long maximum = 0;
};

class CableSizePage : public InstrumentPage {
 public:
  CableSizePage(PageContext& context, std::shared_ptr<FullFamilyModel> model);

  // Cables, pairs, reflectograms, samples.
  std::vector<SizeRow> Rows() const;

  void Start() override;
  void ClearBuffers() override;

 private:
  std::shared_ptr<FullFamilyModel> model_;
};

}  // namespace telvane

#endif  // TELVANE_CABLE_PAGES_CABLE_SIZE_PAGE_H_
