#include "testers/files/file_browser_page.h"

#include "testers/files/file_dialogs.h"
#include "testers/files/listing.h"
#include "testers/files/local_files.h"
#include "testers/files/receive_file.h"
#include "testers/files/remote_paths.h"

namespace telvane {

FileBrowserPage::FileBrowserPage(PageContext& context, PageId id,
                                 std::shared_ptr<RemoteFolder> folder)
    : InstrumentPage(context, id, "Файлы"),
      service_(context.link, context.screen),
      folder_(std::move(folder)) {}

void FileBrowserPage::Start() {
  if (ChangeFolder(current_, true)) List();
}

void FileBrowserPage::ClearBuffers() {
  entries_.clear();
  selected_.reset();
  current_ = kRootFolder;
  folder_->Reset();
  Changed();
}

bool FileBrowserPage::ChangeFolder(const std::string& folder, bool force) {
  current_ = folder;
  const bool ok = folder_->Change(service_, folder, force);
  Changed();
  return ok;
}

bool FileBrowserPage::List() {
  std::vector<FileEntry> received;
  // The masks page may have changed the instrument's folder since.
  const bool ok = folder_->Change(service_, current_, false) && service_.List(received);
  entries_ = OrderListing(received);
  selected_ = entries_.empty() ? std::nullopt : std::optional<size_t>(0);
  Changed();
  return ok;
}

bool FileBrowserPage::Open(size_t index) {
  if (index >= entries_.size() || !entries_[index].is_folder()) return false;
  const std::string& name = entries_[index].name;
  const std::string target =
      name == kParentName ? ParentFolder(current_) : ChildFolder(current_, name);
  return ChangeFolder(target, false) && List();
}

bool FileBrowserPage::OpenSelected() { return selected_ && Open(*selected_); }

void FileBrowserPage::Select(std::optional<size_t> index) {
  selected_ = index && *index < entries_.size() ? index : std::nullopt;
  Changed();
}

const RemoteEntry* FileBrowserPage::Selected() const {
  return selected_ && *selected_ < entries_.size() ? &entries_[*selected_] : nullptr;
}

bool FileBrowserPage::receive_enabled() const {
  const RemoteEntry* entry = Selected();
  return entry != nullptr && !entry->is_folder();
}

bool FileBrowserPage::delete_enabled() const {
  const RemoteEntry* entry = Selected();
  if (entry == nullptr) return false;
  // The instrument's own database stays.
  return !(current_ == kRootFolder && entry->name == kDatabaseName);
}

bool FileBrowserPage::change_enabled() const {
  const RemoteEntry* entry = Selected();
  return entry != nullptr && entry->is_folder();
}

bool FileBrowserPage::ReceiveSelected() {
  if (!receive_enabled()) return false;
  const RemoteEntry entry = *Selected();
  return ReceiveToFile(service_, screen(), {current_ + entry.name, entry.size},
                       ReceivedFileDialog(entry.name));
}

bool FileBrowserPage::DeleteSelected() {
  if (!delete_enabled()) return false;
  const RemoteEntry entry = *Selected();
  if (!service_.SelectRemotePath(current_ + entry.name, entry.size)) return false;
  const char* question = entry.is_folder()
                             ? "Удалить безвозвратно папку и всё её содержимое на приборе?"
                             : "Удалить безвозвратно файл на приборе?";
  if (screen().AskYesNo(Icon::kQuestion, "Telvane", question) != Answer::kYes) return false;
  if (!service_.Delete()) return false;
  return List();
}

}  // namespace telvane
