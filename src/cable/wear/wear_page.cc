#include "cable/wear/wear_page.h"

#include "base/file_write.h"
#include "cable/wear/wear_csv.h"
#include "cable/wear/wear_transfer.h"

namespace telvane {

WearPage::WearPage(PageContext& context)
    : InstrumentPage(context, PageId::kWear8, "База измерений") {}

bool WearPage::SearchTransfer(ByteChannel& channel) {
  auto info = ReadWearInfo(channel, screen(), context().instrument().address());
  if (!info) return false;
  info_ = *info;
  Changed();
  return true;
}

void WearPage::ClearBuffers() {
  info_.reset();
  Changed();
}

bool WearPage::ReceiveAndSave() {
  if (!info_ || info_->count == 0) {
    screen().ShowMessage(Icon::kInformation, "Информация", "Нет данных. Прием невозможен.");
    return false;
  }
  ByteChannel* channel = context().session_channel();
  if (channel == nullptr) return false;
  const InstrumentInfo& instrument = context().instrument();
  const auto series = ReceiveWearSeries(*channel, screen(), instrument.address(), info_->count);
  if (!series) return false;
  FileDialog dialog;
  dialog.filters = WearCsvFilters();
  const auto choice = screen().ChooseSaveFile(dialog);
  if (!choice) return false;
  const std::string bytes =
      WearCsvBytes(instrument.name, instrument.SerialText(), *series, choice->filter_index);
  return ReplaceWholeFile(screen(), choice->path,
                          std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

}  // namespace telvane
