// The file service of kinds 17 and 18 (docs/file-service.md), played on a real
// folder of this machine taken as the instrument's "/" (--fs DIR; by default a
// generated one). Kind 18 browses one folder at a time with "/" paths and
// keeps "cablebase.db" in "/mnt/ext2/"; kind 17 lists its whole tree with "\"
// paths ("\MEAS\2026\a.txt"). Names travel in CP1251.
//
// Codes: 0x00 database information, 0x06 the database, 0x07 and 0x08 a new
// database, 0x09 and 0x0A a software update (its bytes XORed with 1, 2, 3 ...,
// undone and stored as "/mnt/ext2/update.bin"), 0x0B and 0x0C the system
// information, 0x0D a listing, 0x0E a file, 0x0F a delete, 0x10 change folder,
// 0x11 a file written, 0x12 the path the next 0x0E, 0x0F or 0x11 acts on.
// Kind 17 takes 0x0D to 0x12 only.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "registry.h"
#include "session.h"

namespace sim {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t kFolder = 0xFFFFFFFFu;
constexpr size_t kEntrySize = 259;
constexpr uint8_t kTaken = 0xFE;
constexpr uint8_t kProgramConfirms = 0x01;

// --- CP1251 for the Cyrillic letters -----------------------------------------

std::string ToCp1251(const std::string& utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80 || i + 1 >= utf8.size()) {
      out += static_cast<char>(c);
      continue;
    }
    const unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
    ++i;
    if (code >= 0x410 && code <= 0x44F) {
      out += static_cast<char>(0xC0 + (code - 0x410));
    } else if (code == 0x401) {
      out += static_cast<char>(0xA8);
    } else if (code == 0x451) {
      out += static_cast<char>(0xB8);
    } else {
      out += '?';
    }
  }
  return out;
}

std::string FromCp1251(const std::string& cp1251) {
  std::string out;
  for (const char ch : cp1251) {
    const auto c = static_cast<unsigned char>(ch);
    unsigned code = c;
    if (c >= 0xC0) {
      code = 0x410 + (c - 0xC0);
    } else if (c == 0xA8) {
      code = 0x401;
    } else if (c == 0xB8) {
      code = 0x451;
    } else if (c >= 0x80) {
      code = '?';
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

// --- The file system ---------------------------------------------------------------

struct FileSystem {
  // A tree the simulator generated for itself goes when it ends; a folder
  // given with --fs stays.
  ~FileSystem() {
    std::error_code ignored;
    if (generated) fs::remove_all(root, ignored);
  }
  fs::path root;
  bool generated = false;
  std::string current = "/mnt/ext2/";
  std::string selected;
  uint32_t selected_size = 0;
  std::vector<uint8_t> db_info;  // the last 21-byte record, the size at 16
  uint32_t update_length = 0;
};

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// "/" with "/mnt/ext2/" holding the database, folders, masks in every
// format/mode folder, files without extension and Cyrillic names; the
// measurement folders of kind 17 beside it.
fs::path Generate() {
  char pattern[] = "/tmp/telvane-sim-fs-XXXXXX";
  const char* made = ::mkdtemp(pattern);
  if (made == nullptr) return {};
  const fs::path root(made);
  const fs::path ext2 = root / "mnt" / "ext2";
  std::string db = "SQLite format 2\n";
  while (db.size() < 3000) db += "cable;pair;capacity;insulation\n";
  WriteFile(ext2 / "cablebase.db", db);
  WriteFile(ext2 / "README", "instrument file system\n");
  WriteFile(ext2 / "sysinfo", "kind 18 simulated\nserial 000000\n");
  WriteFile(ext2 / "logs" / "журнал.txt", "запись 1\n");
  WriteFile(ext2 / "logs" / "data", std::string(100, 'd'));
  WriteFile(ext2 / "logs" / "old" / "cablebase.db", "old copy\n");
  for (const char* format : {"SHDSL", "HDSL", "E1"}) {
    for (const char* mode : {"spectrum", "receiver", "FEXT", "NEXT", "RLoss", "LBal"}) {
      const fs::path folder = ext2 / "masks" / format / mode;
      WriteFile(folder / "default.msk", "=default\n0 -40.5\n1000, -42\n");
      WriteFile(folder / "маска.msk", "; =\n100 -50\n");
      WriteFile(folder / "notes.txt", "not a mask\n");
    }
  }
  WriteFile(root / "MEAS" / "2026" / "a.txt", "measurement a\n");
  WriteFile(root / "MEAS" / "2026" / "b.txt", "measurement b\n");
  WriteFile(root / "MEAS" / "итог.txt", "summary\n");
  WriteFile(root / "LOGS" / "x.log", "log\n");
  fs::create_directories(root / "UPDATE");
  return root;
}

FileSystem& State(const Config& config) {
  static FileSystem state;
  if (state.root.empty()) {
    state.root = config.fs_dir.empty() ? Generate() : fs::path(config.fs_dir);
    state.generated = config.fs_dir.empty() && !state.root.empty();
    if (config.fs_dir.empty()) std::fprintf(stderr, "sim: file system in %s\n", state.root.c_str());
  }
  return state;
}

// A path of the instrument under the root: "." dropped, ".." never above "/".
fs::path Local(const FileSystem& state, int kind, const std::string& utf8_path) {
  std::string path = utf8_path;
  if (kind == 18 && (path.empty() || path[0] != '/')) path = state.current + path;
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of(kind == 17 ? "\\/" : "/", start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    start = end + 1;
  }
  fs::path local = state.root;
  for (const auto& part : parts) local /= part;
  return local;
}

std::vector<uint8_t> Entry(const std::string& utf8_name, uint32_t size) {
  std::vector<uint8_t> entry(kEntrySize, 0);
  const std::string name = ToCp1251(utf8_name);
  std::memcpy(entry.data(), name.data(), std::min<size_t>(name.size(), 255));
  for (int i = 0; i < 4; ++i) entry[255 + i] = static_cast<uint8_t>(size >> (8 * i));
  return entry;
}

std::string EntryPath(const std::vector<uint8_t>& entry) {
  const auto end = std::find(entry.begin(), entry.begin() + 255, uint8_t{0});
  return FromCp1251(std::string(entry.begin(), end));
}

uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

std::vector<uint8_t> ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool WriteWhole(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// --- Moving records --------------------------------------------------------------------

void Give(Session& s, const char* what, const std::vector<uint8_t>& data) {
  const auto answer = s.SendRecord(data, std::nullopt, 5);
  if (!answer) {
    std::fprintf(stderr, "sim: %s not confirmed\n", what);
  } else if (*answer != kProgramConfirms) {
    std::fprintf(stderr, "sim: %s confirmed with %02X, expected 01\n", what, *answer);
  }
}

std::optional<std::vector<uint8_t>> Take(Session& s, size_t length) {
  const uint8_t answer = s.config().faults.bad_confirm_byte ? 0x01 : kTaken;
  return s.ReceiveRecord(length, [answer](const std::vector<uint8_t>&) { return answer; });
}

// --- Kind 18: the database service ----------------------------------------------

fs::path DatabasePath(FileSystem& state) { return state.root / "mnt" / "ext2" / "cablebase.db"; }

void DbInfo(Session& s) {
  FileSystem& state = State(s.config());
  std::error_code error;
  const auto size = static_cast<uint32_t>(fs::file_size(DatabasePath(state), error));
  std::vector<uint8_t> record(21, 0);
  const float version = s.config().firmware;
  std::memcpy(record.data(), &version, 4);
  const uint32_t values[4] = {12, 340, 25, error ? 0u : size};
  for (int v = 0; v < 4; ++v) {
    for (int i = 0; i < 4; ++i) record[4 + 4 * v + i] = static_cast<uint8_t>(values[v] >> (8 * i));
  }
  record[20] = 0x5A;
  Give(s, "database information", record);
}

void SendDatabase(Session& s) { Give(s, "database", ReadWhole(DatabasePath(State(s.config())))); }

void TakeDbInfo(Session& s) {
  if (auto record = Take(s, 21)) State(s.config()).db_info = *record;
}

void TakeDatabase(Session& s) {
  FileSystem& state = State(s.config());
  if (state.db_info.size() != 21) return;
  if (auto db = Take(s, Le32(&state.db_info[16]))) WriteWhole(DatabasePath(state), *db);
}

void TakeUpdateLength(Session& s) {
  if (auto length = Take(s, 4)) State(s.config()).update_length = Le32(length->data());
}

// Undoes the XOR of the update data, as the instrument does before it flashes.
void TakeUpdate(Session& s) {
  FileSystem& state = State(s.config());
  auto data = Take(s, state.update_length);
  if (!data) return;
  uint8_t key = 1;
  for (uint8_t& byte : *data) {
    byte ^= key;
    key = static_cast<uint8_t>(key + 1);
  }
  WriteWhole(state.root / "mnt" / "ext2" / "update.bin", *data);
}

fs::path SysinfoPath(FileSystem& state) { return state.root / "mnt" / "ext2" / "sysinfo"; }

void SysinfoSize(Session& s) {
  std::error_code error;
  const auto size = static_cast<uint32_t>(fs::file_size(SysinfoPath(State(s.config())), error));
  const uint32_t value = error ? 0 : size;
  Give(s, "system information size",
       {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)});
}

void Sysinfo(Session& s) {
  Give(s, "system information", ReadWhole(SysinfoPath(State(s.config()))));
}

// --- Both kinds: listing and files ---------------------------------------------------

void AddTree(const fs::path& root, const fs::path& folder, std::vector<std::vector<uint8_t>>& out) {
  std::error_code error;
  for (const auto& item : fs::directory_iterator(folder, error)) {
    std::string path;
    for (const auto& part : fs::relative(item.path(), root)) path += "\\" + part.string();
    if (item.is_directory()) {
      out.push_back(Entry(path, kFolder));
      AddTree(root, item.path(), out);
    } else {
      out.push_back(Entry(path, static_cast<uint32_t>(item.file_size())));
    }
  }
}

void List(Session& s) {
  FileSystem& state = State(s.config());
  const int kind = s.config().kind;
  std::vector<std::vector<uint8_t>> entries;
  if (kind == 17) {
    AddTree(state.root, state.root, entries);
    if (s.config().faults.hostile_listing) {
      for (const char* path : {"..\\..\\x", "/etc/passwd", "C:\\x", "\\MEAS\\..\\..\\escaped"}) {
        entries.push_back(Entry(path, 4));
      }
    }
  } else {
    if (state.current != "/") entries.push_back(Entry("..", kFolder));
    std::error_code error;
    for (const auto& item : fs::directory_iterator(Local(state, kind, state.current), error)) {
      const std::string name = item.path().filename().string();
      entries.push_back(
          Entry(name, item.is_directory() ? kFolder : static_cast<uint32_t>(item.file_size())));
    }
  }
  if (s.config().faults.short_listing) entries.resize(entries.size() / 2);
  for (const auto& entry : entries) {
    const auto answer = s.SendRecord(entry, std::nullopt, 5);
    if (!answer || *answer != kProgramConfirms) return;
  }
  if (!s.config().faults.short_listing) Give(s, "end of listing", Entry("", 0));
}

void SendSelected(Session& s) {
  FileSystem& state = State(s.config());
  std::vector<uint8_t> bytes = ReadWhole(Local(state, s.config().kind, state.selected));
  bytes.resize(state.selected_size);  // the length the program expects
  Give(s, "file", bytes);
}

void DeleteSelected(Session& s) {
  FileSystem& state = State(s.config());
  const fs::path path = Local(state, s.config().kind, state.selected);
  if (path == state.root) return;  // never the whole file system
  std::error_code error;
  fs::remove_all(path, error);
}

void ChangeFolder(Session& s) {
  auto record = Take(s, kEntrySize);
  if (!record) return;
  FileSystem& state = State(s.config());
  std::string folder = EntryPath(*record);
  if (folder.empty() || folder.back() != '/') folder += '/';
  state.current = folder;
}

void TakeFile(Session& s) {
  FileSystem& state = State(s.config());
  if (auto bytes = Take(s, state.selected_size)) {
    WriteWhole(Local(state, s.config().kind, state.selected), *bytes);
  }
}

void Select(Session& s) {
  auto entry = Take(s, kEntrySize);
  if (!entry) return;
  FileSystem& state = State(s.config());
  state.selected = EntryPath(*entry);
  state.selected_size = Le32(&(*entry)[255]);
}

const CommandRegistrar kRegistrars[] = {
    {18, 0x00, DbInfo},       {18, 0x06, SendDatabase},     {18, 0x07, TakeDbInfo},
    {18, 0x08, TakeDatabase}, {18, 0x09, TakeUpdateLength}, {18, 0x0A, TakeUpdate},
    {18, 0x0B, SysinfoSize},  {18, 0x0C, Sysinfo},          {18, 0x0D, List},
    {18, 0x0E, SendSelected}, {18, 0x0F, DeleteSelected},   {18, 0x10, ChangeFolder},
    {18, 0x11, TakeFile},     {18, 0x12, Select},           {17, 0x0D, List},
    {17, 0x0E, SendSelected}, {17, 0x0F, DeleteSelected},   {17, 0x10, ChangeFolder},
    {17, 0x11, TakeFile},     {17, 0x12, Select},
};

}  // namespace
}  // namespace sim
