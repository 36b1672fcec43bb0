// The records of an instrument's file service: the database information
// record, the file entry of a listing and the change-folder record, with the
// limits the program puts on sizes and counts that come from the instrument.
#ifndef TELVANE_TESTERS_FILES_FILE_RECORDS_H_
#define TELVANE_TESTERS_FILES_FILE_RECORDS_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/fixed_record.h"

namespace telvane {

// The largest file the program takes from the instrument (a database, the
// system information, a listed file): larger sizes are refused before any
// buffer is taken.
inline constexpr uint32_t kMaxRemoteFileSize = 256u * 1024 * 1024;
// The most entries one listing may bring.
inline constexpr size_t kMaxListingEntries = 65536;
// The size field of a folder entry.
inline constexpr uint32_t kFolderSize = 0xFFFFFFFFu;
// The characters of a path that a file entry or a change-folder record holds.
inline constexpr size_t kRemotePathChars = 255;

// 21 bytes: version (float32), cable types, cables, reflectograms, database
// file size (u32 each), one byte the program sends back as it came.
class DbInfoRecord : public FixedRecord<21> {
 public:
  float version() const { return F32(0); }
  uint32_t cable_types() const { return U32(4); }
  uint32_t cables() const { return U32(8); }
  uint32_t reflectograms() const { return U32(12); }
  uint32_t database_size() const { return U32(16); }
  uint8_t tail() const { return U8(20); }

  void set_version(float value) { SetF32(0, value); }
  void set_cable_types(uint32_t value) { SetU32(4, value); }
  void set_cables(uint32_t value) { SetU32(8, value); }
  void set_reflectograms(uint32_t value) { SetU32(12, value); }
  void set_database_size(uint32_t value) { SetU32(16, value); }
};

// 259 bytes: a CP1251 path zero-padded to 255 bytes, then its size (u32);
// kFolderSize marks a folder. A listing ends with an entry whose first byte
// and size are both 0.
class FileEntry : public FixedRecord<259> {
 public:
  // A path (UTF-8, at most 255 characters copied) with its size.
  static FileEntry Make(std::string_view path, uint32_t size);

  std::string path() const { return Text(0, kRemotePathChars); }
  uint32_t size() const { return U32(255); }
  bool is_folder() const { return size() == kFolderSize; }
  bool is_end() const { return U8(0) == 0 && size() == 0; }
};

// One entry of a listing as a page keeps it.
struct RemoteEntry {
  std::string name;  // UTF-8
  uint32_t size = 0;
  bool is_folder() const { return size == kFolderSize; }
};

// 259 bytes: the folder path, zero-padded, no size field.
using ChangeFolderRecord = FixedRecord<259>;
ChangeFolderRecord MakeChangeFolderRecord(std::string_view path);

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_FILE_RECORDS_H_
