#include "testers/files/folder_files_page.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "base/file_write.h"
#include "base/sprintf.h"
#include "testers/files/file_dialogs.h"
#include "testers/files/listing.h"
#include "testers/files/local_files.h"
#include "testers/files/remote_paths.h"

namespace telvane {
namespace {

constexpr char kDeleteFolderQuestion[] =
    "Удалить безвозвратно папку и всё её содержимое на приборе?";

void ShowSystemError(Screen& screen, int error) {
  screen.ShowMessage(Icon::kError, "Telvane",
                     Sprintf("Error %lu", static_cast<unsigned long>(error)));
}

bool MakeFolders(Screen& screen, const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    ShowSystemError(screen, error.value());
    return false;
  }
  return true;
}

}  // namespace

FolderFilesPage::FolderFilesPage(PageContext& context, PageId id, ChunkPause pause)
    : InstrumentPage(context, id, "Измерения"),
      service_(context.link, context.screen, std::move(pause)) {}

void FolderFilesPage::ClearBuffers() {
  entries_.clear();
  folders_.clear();
  selected_.reset();
  Changed();
}

bool FolderFilesPage::List() {
  std::vector<FileEntry> received;
  const bool ok = service_.List(received);
  entries_ = OrderListing(received);
  folders_.clear();
  for (const RemoteEntry& entry : entries_) {
    std::string top = TopLevelFolder(entry.name);
    if (top.empty() || std::find(folders_.begin(), folders_.end(), top) != folders_.end()) continue;
    folders_.push_back(std::move(top));
  }
  selected_ = folders_.empty() ? std::nullopt : std::optional<size_t>(0);
  Changed();
  return ok;
}

void FolderFilesPage::Select(std::optional<size_t> index) {
  selected_ = index && *index < folders_.size() ? index : std::nullopt;
  Changed();
}

bool FolderFilesPage::ReceiveSelected() {
  if (!selected_) return false;
  const std::string folder = folders_[*selected_];
  std::optional<std::string> local_root = screen().ChooseFolder("Выберите папку назначения");
  if (!local_root) return false;
  const std::vector<RemoteEntry> entries = entries_;
  for (const RemoteEntry& entry : entries) {
    // Only the entries below the selected folder itself.
    if (TopLevelFolder(entry.name) != folder) continue;
    if (!ReceiveEntry(entry, *local_root)) return false;
  }
  return true;
}

bool FolderFilesPage::ReceiveEntry(const RemoteEntry& entry, const std::string& local_root) {
  std::optional<std::string> relative = SafeRelativePath(AfterFirstSeparator(entry.name));
  if (!relative) {
    screen().ShowMessage(Icon::kError, "Ошибка", Sprintf("Неверный путь: %s", entry.name.c_str()));
    return true;
  }
  const std::filesystem::path local = std::filesystem::path(local_root) / *relative;
  if (entry.is_folder()) {
    MakeFolders(screen(), local);
    return true;
  }
  if (!MakeFolders(screen(), local.parent_path())) return true;
  if (!AcceptRemoteSize(screen(), entry.size)) return true;
  if (!service_.SelectRemotePath(entry.name, entry.size)) return false;
  std::optional<std::vector<uint8_t>> bytes = service_.ReceiveFile(entry.size);
  if (!bytes) return false;
  std::optional<FileReplacement> file = FileReplacement::Begin(local.string());
  if (!file) {
    ShowSystemError(screen(), errno != 0 ? errno : EEXIST);
    return true;
  }
  if (!file->file().Write(*bytes) || !file->Commit()) ShowSystemError(screen(), errno);
  return true;
}

bool FolderFilesPage::DeleteSelected() {
  if (!selected_) return false;
  const std::string folder = folders_[*selected_];
  for (const RemoteEntry& entry : entries_) {
    if (TopLevelFolder(entry.name) != folder) continue;
    const size_t first = entry.name.find('\\');
    const std::string path = entry.name.substr(0, first + 1 + folder.size());
    if (!service_.SelectRemotePath(path, kFolderSize)) return false;
    if (screen().AskYesNo(Icon::kQuestion, "Telvane", kDeleteFolderQuestion) != Answer::kYes) {
      return false;
    }
    if (!service_.Delete()) return false;
    folders_.erase(folders_.begin() + static_cast<std::ptrdiff_t>(*selected_));
    selected_ = folders_.empty() ? std::nullopt : std::optional<size_t>(0);
    Changed();
    return true;
  }
  return false;
}

bool FolderFilesPage::UpdateSoftware() {
  std::optional<FileChoice> choice = screen().ChooseOpenFile(LoaderDialog());
  if (!choice) return false;
  std::optional<std::vector<uint8_t>> bytes =
      ReadWholeLocalFile(screen(), choice->path, kMaxRemoteFileSize);
  if (!bytes) return false;
  const std::string remote = "UPDATE\\" + LocalFileName(choice->path);
  if (!service_.SelectRemotePath(remote, static_cast<uint32_t>(bytes->size()))) return false;
  return service_.SendFile(*bytes, SentFile::kLoader);
}

}  // namespace telvane
