#include "storage/db/db_session.h"

#include <algorithm>

namespace telvane {
namespace {

FileDialog MdbDialog(const char* title) {
  FileDialog dialog;
  dialog.title = title;
  dialog.filters = {{"MDB (БД MS Access 2000)", "*.mdb"}};
  dialog.default_extension = "mdb";
  return dialog;
}

}  // namespace

bool HasMdbExtension(const std::string& path) {
  const size_t dot = path.find_last_of("./");
  if (dot == std::string::npos || path[dot] != '.') return false;
  return LowerAscii(path.substr(dot + 1)) == "mdb";
}

std::optional<std::string> ChooseDatabaseFile(Screen& screen) {
  const auto choice = screen.ChooseOpenFile(MdbDialog("Open a Database file"));
  if (!choice || !HasMdbExtension(choice->path)) return std::nullopt;
  return choice->path;
}

std::optional<std::string> ChooseDatabaseToCreate(Screen& screen) {
  const auto choice = screen.ChooseSaveFile(MdbDialog(""));
  if (!choice) return std::nullopt;
  return choice->path;
}

void ShowDbError(Screen& screen, const DbError& error) {
  screen.ShowMessage(Icon::kError, kDbErrorCaption,
                     std::string("Description = '") + error.what() + "'\n");
}

std::string FillMessage(const char* format, const std::vector<std::string>& args) {
  std::string text = format;
  size_t from = 0;
  for (const std::string& arg : args) {
    const size_t at = text.find("%s", from);
    if (at == std::string::npos) break;
    text.replace(at, 2, arg);
    from = at + arg.size();
  }
  return text;
}

bool CheckTables(Screen& screen, Database& db, const std::vector<std::string>& tables,
                 const char* message) {
  const std::vector<std::string> present = db.TableNames();
  for (const std::string& table : tables) {
    if (std::find(present.begin(), present.end(), table) == present.end()) {
      screen.ShowMessage(Icon::kError, kDbErrorCaption, FillMessage(message, {db.path(), table}));
      return false;
    }
  }
  return true;
}

}  // namespace telvane
