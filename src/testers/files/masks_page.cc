#include "testers/files/masks_page.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <string_view>

#include "base/file_messages.h"
#include "base/posix_file.h"
#include "testers/files/file_checks.h"
#include "testers/files/file_dialogs.h"
#include "testers/files/local_files.h"
#include "testers/files/receive_file.h"
#include "testers/files/remote_paths.h"

namespace telvane {
namespace {

constexpr char kMaskExtension[] = ".msk";

}  // namespace

std::string MaskFolder(size_t format, size_t mode) {
  return std::string("/mnt/ext2/masks/") + kMaskFormats[format % kMaskFormats.size()] + "/" +
         kMaskModes[mode % kMaskModes.size()].folder + "/";
}

MasksPage::MasksPage(PageContext& context, PageId id, std::shared_ptr<RemoteFolder> folder)
    : InstrumentPage(context, id, "Маски xDSL"),
      service_(context.link, context.screen),
      folder_(std::move(folder)) {}

void MasksPage::ClearBuffers() {
  masks_.clear();
  selected_.reset();
  Changed();
}

bool MasksPage::SetFormat(size_t format) {
  if (format >= kMaskFormats.size()) return false;
  format_ = format;
  return List();
}

bool MasksPage::SetMode(size_t mode) {
  if (mode >= kMaskModes.size()) return false;
  mode_ = mode;
  return List();
}

bool MasksPage::List() {
  masks_.clear();
  selected_.reset();
  if (!folder_->Change(service_, folder(), false)) {
    Changed();
    return false;
  }
  std::vector<FileEntry> received;
  const bool ok = service_.List(received);
  for (const FileEntry& entry : received) {
    std::string name = entry.path();
    if (name.find(kMaskExtension) != std::string::npos) {
      masks_.push_back({std::move(name), entry.size()});
    }
  }
  if (!masks_.empty()) selected_ = 0;
  Changed();
  return ok;
}

void MasksPage::Select(std::optional<size_t> index) {
  selected_ = index && *index < masks_.size() ? index : std::nullopt;
  Changed();
}

bool MasksPage::ReceiveSelected() {
  if (!selected_) return false;
  const RemoteEntry entry = masks_[*selected_];
  return ReceiveToFile(service_, screen(), {folder() + entry.name, entry.size},
                       ReceivedMaskDialog(entry.name));
}

bool MasksPage::Send() {
  std::optional<FileChoice> choice = screen().ChooseOpenFile(MaskDialog());
  if (!choice) return false;
  const std::string name = LocalFileName(choice->path);
  if (!IsMaskFileName(name)) {
    screen().ShowMessage(Icon::kError, "Telvane", kBadMaskExtension);
    return false;
  }
  const bool exists = std::any_of(masks_.begin(), masks_.end(), [&](const RemoteEntry& mask) {
    return LastComponent(mask.name) == name;
  });
  if (exists && screen().AskYesNo(Icon::kQuestion, "Telvane",
                                  "Переписать существующую маску на приборе?") != Answer::kYes) {
    return false;
  }
  const bool sent = SendChecked(choice->path, name);
  List();
  return sent;
}

bool MasksPage::SendChecked(const std::string& path, const std::string& name) {
  PosixFile file = PosixFile::OpenRegularForReading(path);
  const std::optional<uint64_t> file_size = file.valid() ? file.Size() : std::nullopt;
  if (!file_size) {
    ShowFileError(screen(), kOpenFileError, path);
    return false;
  }
  if (*file_size > kMaxMaskSize) {
    screen().ShowMessage(Icon::kError, "Ошибка", kMaskTooLarge);
    return false;
  }
  const auto size = static_cast<uint32_t>(*file_size);
  if (!service_.SelectRemotePath(folder() + name, size)) {
    screen().ShowMessage(Icon::kError, "Ошибка", "Ошибка передачи информации о маске!");
    return false;
  }
  std::optional<std::vector<uint8_t>> bytes;
  try {
    bytes = file.ReadAll(kMaxMaskSize);
  } catch (const std::bad_alloc&) {
    screen().ShowMessage(Icon::kError, "Telvane", "Out of memory!");
    return false;
  }
  if (!bytes || bytes->size() != size) {
    screen().ShowMessage(Icon::kError, "Telvane", "Read error!");
    return false;
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  if (!MaskLinesValid(text)) {
    screen().ShowMessage(Icon::kError, "Ошибка", kMaskSpoilt);
    return false;
  }
  return service_.SendFile(*bytes, SentFile::kMask);
}

bool MasksPage::DeleteSelected() {
  if (!selected_) return false;
  const RemoteEntry entry = masks_[*selected_];
  if (screen().AskYesNo(Icon::kQuestion, "Telvane", "Удалить безвозвратно маску на приборе?") !=
      Answer::kYes) {
    return false;
  }
  const bool deleted =
      service_.SelectRemotePath(folder() + entry.name, entry.size) && service_.Delete();
  List();
  return deleted;
}

}  // namespace telvane
