#include "storage/db/template_database.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace telvane {

std::optional<std::string> FindTemplateDatabase() {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::nullopt;
  std::filesystem::path folder = program.parent_path();
  for (int up = 0; up < 2 && !folder.empty(); ++up) {
    folder = folder.parent_path();
    const std::filesystem::path candidate = folder / "share" / "telvane" / kTemplateDatabaseName;
    struct stat info;
    if (::stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return candidate.string();
  }
  return std::nullopt;
}

}  // namespace telvane
