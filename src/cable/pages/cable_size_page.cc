#include "cable/pages/cable_size_page.h"

#include "cable/initial_cable_data.h"
#include "cable/pages/cable_session.h"

namespace telvane {

CableSizePage::CableSizePage(PageContext& context, std::shared_ptr<FullFamilyModel> model)
    : InstrumentPage(context, PageId::kDbCounters6, "Информация о базе данных"),
      model_(std::move(model)) {
  model_->AddListener([this] { Changed(); });
}

std::vector<SizeRow> CableSizePage::Rows() const {
  const CableBaseHeader& h = model_->base.header;
  return {
      {"Кабели", h.cable_count(), h.max_cables()},
      {"Пары", h.pair_count(), h.max_pairs()},
      {"Рефлектограммы", h.reflectogram_count(), h.max_reflectograms()},
      {"Отсчеты рефлектограмм", h.sample_count(), h.max_samples()},
  };
}

void CableSizePage::Start() {
  const InitialData& initial = context().initial();
  if (!initial.kind6) return;
  model_->Reset();
  TakeKind6Database(*initial.kind6, model_->base);
  model_->Notify();
}

void CableSizePage::ClearBuffers() {
  model_->Reset();
  model_->Notify();
}

}  // namespace telvane
