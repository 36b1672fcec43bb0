// The xDSL masks page: the masks of one folder "/mnt/ext2/masks/FORMAT/MODE/"
// listed, received, checked and sent, deleted.
#ifndef TELVANE_TESTERS_FILES_MASKS_PAGE_H_
#define TELVANE_TESTERS_FILES_MASKS_PAGE_H_

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "page/instrument_page.h"
#include "testers/files/file_records.h"
#include "testers/files/file_service.h"
#include "testers/files/remote_folder.h"

namespace telvane {

// "Формат:": "SHDSL", "HDSL", "E1".
inline constexpr std::array<const char*, 3> kMaskFormats{"SHDSL", "HDSL", "E1"};
// "Измерительный режим:": the folder and the text shown.
struct MaskMode {
  const char* folder;
  const char* shown;
};
inline constexpr std::array<MaskMode, 6> kMaskModes{{{"spectrum", "спектр"},
                                                     {"receiver", "приёмник"},
                                                     {"FEXT", "FEXT"},
                                                     {"NEXT", "NEXT"},
                                                     {"RLoss", "RLoss"},
                                                     {"LBal", "LBal"}}};

// "/mnt/ext2/masks/" + format + "/" + mode folder + "/".
std::string MaskFolder(size_t format, size_t mode);

class MasksPage : public InstrumentPage {
 public:
  // `folder` is shared with the file browser.
  MasksPage(PageContext& context, PageId id, std::shared_ptr<RemoteFolder> folder);

  void Start() override { List(); }
  void ClearBuffers() override;

  // A choice in either combo box: change folder and list.
  bool SetFormat(size_t format);
  bool SetMode(size_t mode);
  size_t format() const { return format_; }
  size_t mode() const { return mode_; }
  std::string folder() const { return MaskFolder(format_, mode_); }

  // Change folder, then 0x0D; only names holding ".msk" are kept.
  bool List();
  // "Принять от прибора...", "Передать в прибор...", "Удалить на приборе...".
  bool ReceiveSelected();
  bool Send();
  bool DeleteSelected();

  void Select(std::optional<size_t> index);
  const std::vector<RemoteEntry>& masks() const { return masks_; }
  std::optional<size_t> selected() const { return selected_; }

 private:
  // Steps 3 to 7 of sending a chosen file; false stops before the listing.
  bool SendChecked(const std::string& path, const std::string& name);

  FileService service_;
  std::shared_ptr<RemoteFolder> folder_;
  size_t format_ = 0;
  size_t mode_ = 0;
  std::vector<RemoteEntry> masks_;
  std::optional<size_t> selected_;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_MASKS_PAGE_H_
