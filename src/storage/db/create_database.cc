#include "storage/db/create_database.h"

#include <unistd.h>

#include "base/file_messages.h"
#include "base/file_read.h"
#include "base/posix_file.h"
#include "storage/db/template_database.h"

namespace telvane {
namespace {

// More than the empty template can ever need.
constexpr size_t kTemplateLimit = 4 << 20;

}  // namespace

bool CreateCurrentDatabase(Screen& screen, const std::string& path) {
  const std::optional<std::string> found = FindTemplateDatabase();
  if (!found) {
    ShowFileError(screen, kOpenFileError, kTemplateDatabaseName);
    return false;
  }
  const auto copy = ReadFileStart(screen, *found, kTemplateLimit, {kOpenFileError, kReadFileError});
  if (!copy) return false;
  if (copy->size != copy->bytes.size()) {
    ShowFileError(screen, kReadFileError, *found);
    return false;
  }
  PosixFile file = PosixFile::CreateNew(path);
  if (!file.valid()) {
    ShowFileError(screen, kCreateFileError, path);
    return false;
  }
  if (!file.Write(copy->bytes) || !file.Close()) {
    ::unlink(path.c_str());
    ShowFileError(screen, kWriteFileError, path);
    return false;
  }
  return true;
}

}  // namespace telvane
