#include "testers/files/file_records.h"

namespace telvane {

FileEntry FileEntry::Make(std::string_view path, uint32_t size) {
  FileEntry entry;
  entry.SetText(0, kRemotePathChars, kRemotePathChars, path);
  entry.SetU32(255, size);
  return entry;
}

ChangeFolderRecord MakeChangeFolderRecord(std::string_view path) {
  ChangeFolderRecord record;
  WriteTextField(record.mutable_bytes().data(), ChangeFolderRecord::kSize, kRemotePathChars, path);
  return record;
}

}  // namespace telvane
