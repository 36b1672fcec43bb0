// The pages of the instruments with a file system on the command line: the
// database service and the file browser and masks of kind 18, the measurement
// folders of kind 17. Every action is one of the page's own buttons, run
// through its controller, so its questions, checks and refusals hold as in
// the window; names and paths are given as text.
#include <cstdio>
#include <string>

#include "cli/command.h"
#include "testers/files/database_service_page.h"
#include "testers/files/file_browser_page.h"
#include "testers/files/folder_files_page.h"
#include "testers/files/masks_page.h"
#include "testers/files/remote_paths.h"

namespace telvane::cli {
namespace {

using Numbers = std::vector<int>;

PageAction Simple(std::string name, std::string help, std::function<bool(PageSession&)> run) {
  return {std::move(name),
          ActionArgument::kNone,
          0,
          0,
          std::move(help),
          [run = std::move(run)](PageSession& s, const Numbers&) { return run(s); }};
}

PageAction Text(std::string name, std::string help,
                std::function<bool(PageSession&, const std::string&)> run) {
  return {
      std::move(name),
      ActionArgument::kText,
      0,
      0,
      std::move(help),
      [run = std::move(run)](PageSession& s, const Numbers&) { return run(s, s.action_text()); }};
}

// Selects the item of `items` named `name` on `page`; says so when none is.
template <typename Page, typename Items, typename NameOf>
bool SelectNamed(Page& page, const Items& items, const std::string& name, const char* option,
                 NameOf name_of) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (name_of(items[i]) == name) {
      page.Select(i);
      return true;
    }
  }
  std::fprintf(stderr, "telvane-cli: %s %s: no such entry in the listing\n", option, name.c_str());
  return false;
}

const std::string& EntryName(const RemoteEntry& entry) { return entry.name; }
const std::string& Same(const std::string& text) { return text; }

// --- The database service -----------------------------------------------------

DatabaseServicePage& Db(PageSession& s) { return s.page<DatabaseServicePage>(PageId::kDbInfo18); }

bool PrintDb(PageSession& s) {
  DatabaseServicePage& page = Db(s);
  if (!page.record() && !page.Refresh()) return false;
  std::printf("Версия прибора: %s\n", page.version_text().c_str());
  std::printf("Количество типов кабелей: %s\n", page.cable_types_text().c_str());
  std::printf("Количество кабелей в БД: %s\n", page.cables_text().c_str());
  std::printf("Количество рефлектограмм в БД: %s\n", page.reflectograms_text().c_str());
  std::printf("Размер файла базы данных: %s\n", page.size_text().c_str());
  return true;
}

// A button the version leaves disabled is refused as the window would.
bool Enabled(bool enabled, const char* option) {
  if (!enabled) std::fprintf(stderr, "telvane-cli: %s: not offered by this version\n", option);
  return enabled;
}

PageCommand DbServiceCommand() {
  PageCommand c{"dbservice",
                {18},
                {PageId::kDbInfo18},
                "The database service: the database information, the database file both ways, "
                "the system information, software updates",
                {},
                nullptr};
  c.actions = {
      Simple("--print", "print the database information (0x00)", PrintDb),
      Simple("--receive-db",
             "\"Принять БД...\": receive \"cablebase.db\" (0x06) and save it (--file)",
             [](PageSession& s) { return Db(s).ReceiveDatabase(); }),
      Simple("--send-db", "\"Передать БД...\": send a database file (--file) (0x07, 0x08)",
             [](PageSession& s) { return Db(s).SendDatabase(); }),
      Simple("--sysinfo", "\"Принять sysinfo...\": receive the system information (--file)",
             [](PageSession& s) {
               return Enabled(Db(s).sysinfo_enabled(), "--sysinfo") && Db(s).ReceiveSysinfo();
             }),
      Simple("--update", "\"Обновить ПО...\": check and send a \"*.update\" file (--file)",
             [](PageSession& s) {
               return Enabled(Db(s).update_enabled(), "--update") && Db(s).UpdateSoftware();
             }),
  };
  return c;
}

// --- The file browser --------------------------------------------------------------

FileBrowserPage& Browser(PageSession& s) { return s.page<FileBrowserPage>(PageId::kFiles18); }

bool SelectEntry(FileBrowserPage& page, const std::string& name, const char* option) {
  return SelectNamed(page, page.entries(), name, option, EntryName);
}

bool ListBrowser(PageSession& s) {
  FileBrowserPage& page = Browser(s);
  std::printf("%s\n", page.current_folder().c_str());
  for (const RemoteEntry& entry : page.entries()) {
    if (entry.is_folder()) {
      std::printf("  [%s]\n", entry.name.c_str());
    } else {
      std::printf("  %s %u\n", entry.name.c_str(), entry.size);
    }
  }
  return true;
}

bool ChangeBrowserFolder(PageSession& s, const std::string& path) {
  std::string folder = path;
  if (folder.back() != '/') folder += '/';
  return Browser(s).ChangeFolder(folder, false) && Browser(s).List();
}

PageCommand FilesCommand() {
  PageCommand c{"files",
                {18},
                {PageId::kFiles18},
                "The file browser: the instrument's folders below \"/mnt/ext2/\"",
                {},
                nullptr};
  c.actions = {
      Text("--cd", "change folder (0x10) and list it", ChangeBrowserFolder),
      Simple("--list", "print the current folder's entries ([folder])", ListBrowser),
      Text("--get", "\"Принять от прибора...\": receive a file of the listing (--file)",
           [](PageSession& s, const std::string& name) {
             return SelectEntry(Browser(s), name, "--get") && Browser(s).ReceiveSelected();
           }),
      Text("--delete", "\"Удалить на приборе...\": delete a file or folder (asks)",
           [](PageSession& s, const std::string& name) {
             return SelectEntry(Browser(s), name, "--delete") && Browser(s).DeleteSelected();
           }),
  };
  c.prepare = [](PageSession& s) {
    if (!Browser(s).entries().empty()) return true;
    FileBrowserPage& page = Browser(s);
    return page.ChangeFolder(page.current_folder(), true) && page.List();
  };
  return c;
}

// --- The measurement folders -----------------------------------------------------

FolderFilesPage& Folders(PageSession& s) {
  return s.page<FolderFilesPage>(PageId::kMeasurementFiles17);
}

bool SelectFolder(FolderFilesPage& page, const std::string& name, const char* option) {
  return SelectNamed(page, page.folders(), name, option, Same);
}

PageCommand FoldersCommand() {
  PageCommand c{"folders",
                {17},
                {PageId::kMeasurementFiles17},
                "The measurement folders: whole folders received, deleted, \"*.ldr\" updates",
                {},
                nullptr};
  c.actions = {
      Simple("--list", "list again (0x0D) and print the top-level folders",
             [](PageSession& s) {
               if (!Folders(s).List()) return false;
               for (const std::string& folder : Folders(s).folders()) {
                 std::printf("%s\n", folder.c_str());
               }
               return true;
             }),
      Text("--get-folder", "\"Принять от прибора...\": the folder into a local folder (--folder)",
           [](PageSession& s, const std::string& name) {
             return SelectFolder(Folders(s), name, "--get-folder") && Folders(s).ReceiveSelected();
           }),
      Text("--delete-folder", "\"Удалить на приборе...\": delete a folder (asks)",
           [](PageSession& s, const std::string& name) {
             return SelectFolder(Folders(s), name, "--delete-folder") &&
                    Folders(s).DeleteSelected();
           }),
      Simple("--update", "\"Обновить ПО прибора...\": send a \"*.ldr\" file (--file)",
             [](PageSession& s) { return Folders(s).UpdateSoftware(); }),
  };
  c.prepare = [](PageSession& s) { return !Folders(s).entries().empty() || Folders(s).List(); };
  return c;
}

// --- The masks --------------------------------------------------------------------------

MasksPage& Masks(PageSession& s) { return s.page<MasksPage>(PageId::kMasks18); }

bool SelectMask(MasksPage& page, const std::string& name, const char* option) {
  return SelectNamed(page, page.masks(), name, option, EntryName);
}

bool SetFormat(PageSession& s, const std::string& format) {
  for (size_t i = 0; i < kMaskFormats.size(); ++i) {
    if (format == kMaskFormats[i]) return Masks(s).SetFormat(i);
  }
  std::fprintf(stderr, "telvane-cli: --format %s: one of SHDSL, HDSL, E1\n", format.c_str());
  return false;
}

bool SetMode(PageSession& s, const std::string& mode) {
  for (size_t i = 0; i < kMaskModes.size(); ++i) {
    if (mode == kMaskModes[i].folder) return Masks(s).SetMode(i);
  }
  std::fprintf(stderr,
               "telvane-cli: --mode %s: one of spectrum, receiver, FEXT, NEXT, RLoss, LBal\n",
               mode.c_str());
  return false;
}

PageCommand MasksCommand() {
  PageCommand c{"masks",
                {18},
                {PageId::kMasks18},
                "The xDSL masks of one folder \"/mnt/ext2/masks/FORMAT/MODE/\"",
                {},
                nullptr};
  c.actions = {
      Text("--format", "SHDSL, HDSL or E1: change folder and list", SetFormat),
      Text("--mode", "spectrum, receiver, FEXT, NEXT, RLoss or LBal: change folder and list",
           SetMode),
      Simple("--list", "print the folder and its masks",
             [](PageSession& s) {
               std::printf("%s\n", Masks(s).folder().c_str());
               for (const RemoteEntry& mask : Masks(s).masks()) {
                 std::printf("  %s %u\n", mask.name.c_str(), mask.size);
               }
               return true;
             }),
      Text("--get", "\"Принять от прибора...\": receive a mask (--file)",
           [](PageSession& s, const std::string& name) {
             return SelectMask(Masks(s), name, "--get") && Masks(s).ReceiveSelected();
           }),
      Simple("--put", "\"Передать в прибор...\": check and send a mask (--file)",
             [](PageSession& s) { return Masks(s).Send(); }),
      Text("--delete", "\"Удалить на приборе...\": delete a mask (asks)",
           [](PageSession& s, const std::string& name) {
             return SelectMask(Masks(s), name, "--delete") && Masks(s).DeleteSelected();
           }),
  };
  c.prepare = [](PageSession& s) { return !Masks(s).masks().empty() || Masks(s).List(); };
  return c;
}

}  // namespace

void AddFilePageCommands(PageCommandTable& table) {
  table.push_back(DbServiceCommand());
  table.push_back(FilesCommand());
  table.push_back(FoldersCommand());
  table.push_back(MasksCommand());
}

}  // namespace telvane::cli
