#include "testers/files/database_service_page.h"

#include <vector>

#include "base/sprintf.h"
#include "testers/files/file_checks.h"
#include "testers/files/file_dialogs.h"
#include "testers/files/local_files.h"

namespace telvane {
namespace {

// The versions compared as float32, as the instrument sends them.
constexpr float kUpdateVersion = 1.002f;
constexpr float kSysinfoVersion = 1.003f;

}  // namespace

DatabaseServicePage::DatabaseServicePage(PageContext& context, PageId id, ChunkPause pause)
    : InstrumentPage(context, id, "Информация о БД"),
      service_(context.link, context.screen, std::move(pause)) {}

void DatabaseServicePage::ClearBuffers() {
  record_.reset();
  update_length_ = 0;
  sysinfo_size_ = 0;
  Changed();
}

bool DatabaseServicePage::Refresh() {
  std::optional<DbInfoRecord> record = service_.ReadDbInfo();
  if (!record) return false;
  record_ = record;
  context().facts.version = record_->version();
  Changed();
  return true;
}

std::string DatabaseServicePage::version_text() const {
  return record_ ? Sprintf("%3.3f", static_cast<double>(record_->version())) : std::string();
}
std::string DatabaseServicePage::cable_types_text() const {
  return record_ ? Sprintf("%u", record_->cable_types()) : std::string();
}
std::string DatabaseServicePage::cables_text() const {
  return record_ ? Sprintf("%u", record_->cables()) : std::string();
}
std::string DatabaseServicePage::reflectograms_text() const {
  return record_ ? Sprintf("%u", record_->reflectograms()) : std::string();
}
std::string DatabaseServicePage::size_text() const {
  return record_ ? Sprintf("%u ", record_->database_size()) + "байт" : std::string();
}

bool DatabaseServicePage::update_enabled() const {
  return record_ && record_->version() >= kUpdateVersion;
}
bool DatabaseServicePage::sysinfo_enabled() const {
  return record_ && record_->version() >= kSysinfoVersion;
}

bool DatabaseServicePage::ReceiveDatabase() {
  if (!record_) return false;
  std::optional<std::vector<uint8_t>> database = service_.ReceiveDatabase(record_->database_size());
  if (!database) return false;
  std::optional<FileChoice> choice = screen().ChooseSaveFile(CablebaseDialog());
  if (!choice) return false;
  return SaveLocalFile(screen(), choice->path, *database);
}

bool DatabaseServicePage::SendDatabase() {
  if (!record_) return false;
  std::optional<FileChoice> choice = screen().ChooseOpenFile(CablebaseDialog());
  if (!choice) return false;
  std::optional<std::vector<uint8_t>> database =
      ReadWholeLocalFile(screen(), choice->path, kMaxRemoteFileSize);
  if (!database) return false;
  record_->set_database_size(static_cast<uint32_t>(database->size()));
  Changed();
  if (!service_.SendDatabase(*record_, *database)) return false;
  return Refresh();
}

bool DatabaseServicePage::ReceiveSysinfo() {
  std::optional<uint32_t> size = service_.ReadSysinfoSize();
  if (!size) return false;
  sysinfo_size_ = *size;
  if (*size == 0) {
    screen().ShowMessage(Icon::kInformation, "Telvane", "Системная информация не доступна");
    return false;
  }
  std::optional<std::vector<uint8_t>> sysinfo = service_.ReceiveSysinfo(*size);
  if (!sysinfo) return false;
  std::optional<FileChoice> choice = screen().ChooseSaveFile(SysinfoDialog());
  if (!choice) return false;
  return SaveLocalFile(screen(), choice->path, *sysinfo);
}

bool DatabaseServicePage::UpdateSoftware() {
  std::optional<FileChoice> choice = screen().ChooseOpenFile(UpdateDialog());
  if (!choice) return false;
  std::optional<std::vector<uint8_t>> file =
      ReadWholeLocalFile(screen(), choice->path, kMaxRemoteFileSize);
  if (!file) return false;
  std::optional<std::vector<uint8_t>> data = UpdateFileCheck(*file);
  if (!data) {
    update_length_ = 0;
    screen().ShowMessage(Icon::kError, "Ошибка", kBadUpdateFile);
    return false;
  }
  update_length_ = static_cast<uint32_t>(data->size());
  return service_.SendUpdate(*data);
}

}  // namespace telvane
