// The database service page of an instrument whose cable database is one file
// "cablebase.db": shows the database information record, receives the
// database and saves it, sends a database file in its place, receives the
// system information file and sends a software update.
#ifndef TELVANE_TESTERS_FILES_DATABASE_SERVICE_PAGE_H_
#define TELVANE_TESTERS_FILES_DATABASE_SERVICE_PAGE_H_

#include <cstdint>
#include <optional>
#include <string>

#include "page/instrument_page.h"
#include "testers/files/file_records.h"
#include "testers/files/file_service.h"

namespace telvane {

class DatabaseServicePage : public InstrumentPage {
 public:
  DatabaseServicePage(PageContext& context, PageId id, ChunkPause pause = {});

  // The refresh: command 0x00 and the five fields.
  void Start() override { Refresh(); }
  void ClearBuffers() override;

  bool Refresh();
  // "Принять БД...", "Передать БД...", "Принять sysinfo...", "Обновить ПО...".
  bool ReceiveDatabase();
  bool SendDatabase();
  bool ReceiveSysinfo();
  bool UpdateSoftware();

  const std::optional<DbInfoRecord>& record() const { return record_; }
  // "Версия прибора", "Количество типов кабелей", "Количество кабелей в БД",
  // "Количество рефлектограмм в БД", "Размер файла базы данных"; empty before
  // the first refresh.
  std::string version_text() const;
  std::string cable_types_text() const;
  std::string cables_text() const;
  std::string reflectograms_text() const;
  std::string size_text() const;
  // "Обновить ПО..." from version 1.002, "Принять sysinfo..." from 1.003.
  bool update_enabled() const;
  bool sysinfo_enabled() const;
  // The length of the update data last checked, and the size of the system
  // information file last announced.
  uint32_t update_length() const { return update_length_; }
  uint32_t sysinfo_size() const { return sysinfo_size_; }

 private:
  FileService service_;
  std::optional<DbInfoRecord> record_;
  uint32_t update_length_ = 0;
  uint32_t sysinfo_size_ = 0;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_DATABASE_SERVICE_PAGE_H_
