#include "cable/cable_files.h"

#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/cp1251.h"
#include "base/file_messages.h"
#include "base/file_read.h"
#include "base/file_write.h"
#include "base/sprintf.h"

namespace telvane {
namespace {

constexpr size_t kHeaderSize = CableBaseHeader::kSize;
constexpr size_t kRecordSize = CableRecord::kSize;

constexpr char kWrongSize[] = "Ошибка формата файла\n\rФайл имеет неправильный размер";

// The program's texts are UTF-8; the files hold CP1251.
std::string Cp(std::string_view utf8) { return Utf8ToCp1251(utf8); }

void FormatError(Screen& screen, const char* text) {
  screen.ShowMessage(Icon::kError, "Ошибка", text);
}

bool WriteFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes) {
  return WriteWholeFile(screen, path, bytes, WriteFailure::kWriteFileCall);
}

bool WriteFile(Screen& screen, const std::string& path, std::string_view bytes) {
  return WriteWholeFile(screen, path, bytes, WriteFailure::kWriteFileCall);
}

// The largest cable base: the header and 255 cables.
constexpr uint64_t kMaxCableBaseSize = kHeaderSize + kRecordSize * 255;

// Chunks in which a text type file is read and parsed.
constexpr size_t kTextChunk = 65536;

// The text type file after its title line, taken in as it is read: fields
// are cut to their widths as they arrive, so a file of any size is parsed in
// bounded memory, and parsing stops at the first record the table cannot hold.
class TypeTextParser {
 public:
  enum class Status { kMore, kTooMany };

  Status Feed(std::string_view chunk) {
    for (const char c : chunk) {
      if (!title_done_) {
        title_done_ = previous_cr_ && c == '\n';
        previous_cr_ = c == '\r';
        continue;
      }
      if (c == '\r') continue;
      if (c == '\n') {
        if (types_.size() == kMaxCableTypes) return Status::kTooMany;
        StoreRecord();
        continue;
      }
      in_record_ = true;
      if (c == '|') {
        ++field_;
      } else if (field_ < 3 && fields_[field_].size() < kFieldLimits[field_]) {
        fields_[field_] += c;
      }
    }
    return Status::kMore;
  }

  // The file had its title line and ended after a whole record.
  bool Complete() const { return title_done_ && !in_record_; }
  std::vector<CableTypeRecord> Take() { return std::move(types_); }

 private:
  static constexpr size_t kFieldLimits[3] = {CableTypeRecord::kNameBytes, 13, 13};

  void StoreRecord() {
    CableTypeRecord type;
    type.set_name(Cp1251ToUtf8(fields_[0]));
    type.set_specific_resistance(std::strtof(fields_[1].c_str(), nullptr));
    type.set_temperature_factor(std::strtof(fields_[2].c_str(), nullptr));
    type.set_selected(true);
    types_.push_back(type);
    for (auto& f : fields_) f.clear();
    field_ = 0;
    in_record_ = false;
  }

  bool title_done_ = false;
  bool previous_cr_ = false;
  bool in_record_ = false;
  size_t field_ = 0;
  std::string fields_[3];
  std::vector<CableTypeRecord> types_;
};

// Report rows: a title cell, then one cell per cable.
class Report {
 public:
  void Title(std::string_view utf8_title) { out_ += Sprintf("%-30.30s|", Cp(utf8_title).c_str()); }
  void RightTitle(std::string_view utf8_title) {
    out_ += Sprintf("%30.30s|", Cp(utf8_title).c_str());
  }
  void Add(const std::string& cell) { out_ += cell; }
  void EndRow() { out_ += "\r\n"; }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

double D(float v) { return static_cast<double>(v); }

}  // namespace

FileDialog CableBaseFileDialog() { return {"", {{"All files", "*.*"}}, "", ""}; }
FileDialog CableTypeFileDialog() { return {"", {{"All files", "*.*"}}, "", ""}; }
FileDialog CableTypeTextDialog() { return {"", {{"Text Files", "*.txt"}}, "txt", ""}; }
FileDialog CableBaseReportDialog() { return {"", {{"Text Files", "*.txt"}}, "txt", ""}; }

bool SaveCableBaseFile(Screen& screen, const CableBase& base, const std::string& path) {
  std::vector<uint8_t> bytes(base.header.bytes().begin(), base.header.bytes().end());
  for (int i = 0; i < base.CableCount(); ++i) {
    const auto& record = base.cables[static_cast<size_t>(i)].bytes();
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  return WriteFile(screen, path, bytes);
}

bool LoadCableBaseFile(Screen& screen, CableBase& base, const std::string& path) {
  std::optional<InputFile> file = InputFile::Open(screen, path, {kOpenFileError, kReadFileError});
  if (!file) return false;
  // The size rule is checked before anything is read: a file that cannot be
  // a header and at most 255 records is never read.
  const uint64_t size = file->size();
  if (size < kHeaderSize) {
    FormatError(screen, "Ошибка формата файла");
    return false;
  }
  if (size > kMaxCableBaseSize || (size - kHeaderSize) % kRecordSize != 0) {
    FormatError(screen, kWrongSize);
    return false;
  }
  const auto bytes = file->Read(screen, static_cast<size_t>(size));
  if (!bytes) return false;
  if (bytes->size() < kHeaderSize) {
    FormatError(screen, "Ошибка формата файла");
    return false;
  }
  CableBaseHeader header;
  header.Assign(std::span(*bytes).first(kHeaderSize));
  const size_t count = header.cable_count();
  if (bytes->size() != kHeaderSize + kRecordSize * count) {
    FormatError(screen, kWrongSize);
    return false;
  }
  base.header = header;
  for (size_t i = 0; i < count; ++i) {
    base.cables[i].Assign(std::span(*bytes).subspan(kHeaderSize + kRecordSize * i, kRecordSize));
  }
  return true;
}

bool SaveCableTypeFile(Screen& screen, const CableTypeTable& table, const std::string& path) {
  std::vector<uint8_t> bytes;
  for (const auto& type : table.types) {
    const auto record = EncodeCableType(type, NamePadding::kNul);
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  return WriteFile(screen, path, bytes);
}

bool LoadCableTypeFile(Screen& screen, CableTypeTable& table, const std::string& path) {
  // Records past the hundredth are never used, so they are never read.
  const auto read = ReadFileStart(screen, path, kCableTypeWireSize * kMaxCableTypes,
                                  {kCreateFileError, kReadFileError});
  if (!read) return false;
  const std::vector<uint8_t>* bytes = &read->bytes;
  const size_t count = std::min<size_t>(bytes->size() / kCableTypeWireSize, kMaxCableTypes);
  std::vector<CableTypeRecord> types;
  for (size_t i = 0; i < count; ++i) {
    types.push_back(DecodeCableType(
        std::span(*bytes).subspan(i * kCableTypeWireSize).first<kCableTypeWireSize>()));
  }
  table.types = std::move(types);
  table.current = static_cast<int>(count);
  return true;
}

std::string CableTypeText(const CableTypeTable& table) {
  std::string out = Sprintf("%-16.16s|%-13.13s|%-13.13s\r\n", Cp("Тип кабеля").c_str(),
                            Cp("Удел. сопр.").c_str(), Cp("Темп. коэф.").c_str());
  for (const auto& type : table.types) {
    out += Sprintf("%-16.16s|%-13.6g|%-13.6g\r\n", type.raw_name().c_str(),
                   D(type.specific_resistance()), D(type.temperature_factor()));
  }
  return out;
}

bool SaveCableTypeText(Screen& screen, const CableTypeTable& table, const std::string& path) {
  return WriteFile(screen, path, CableTypeText(table));
}

bool LoadCableTypeText(Screen& screen, CableTypeTable& table, const std::string& path) {
  std::optional<InputFile> file = InputFile::Open(screen, path, {kOpenFileError, "Ошибка чтения"});
  if (!file) return false;
  TypeTextParser parser;
  for (;;) {
    const auto chunk = file->Read(screen, kTextChunk);
    if (!chunk) return false;
    if (chunk->empty()) break;
    const std::string_view text(reinterpret_cast<const char*>(chunk->data()), chunk->size());
    if (parser.Feed(text) == TypeTextParser::Status::kTooMany) {
      FormatError(screen, "Слишком много данных");
      return false;
    }
  }
  if (!parser.Complete()) {
    FormatError(screen, "Неверный форомат данных");
    return false;
  }
  table.types = parser.Take();
  table.current = static_cast<int>(table.types.size());
  return true;
}

std::string CableBaseReport(const CableBase& base) {
  const int n = base.CableCount();
  const auto& h = base.header;
  Report r;
  r.Title("Текущее количество кабелей");
  r.Add(Sprintf("%-20u|\r\n", static_cast<unsigned>(h.cable_count())));
  r.Title("Максимальное кол-во кабелей");
  r.Add(Sprintf("%-20u|\r\n", static_cast<unsigned>(h.max_cables())));
  r.Title("Текущее количество пар");
  r.Add(Sprintf("%-20lu|\r\n", static_cast<unsigned long>(h.pair_count())));
  r.Title("Максимальное кол-во пар");
  r.Add(Sprintf("%-20lu|\r\n", static_cast<unsigned long>(h.max_pairs())));
  r.Add(std::string(51, '-') + "|\r\n");

  auto row = [&](std::string_view title, auto cell) {
    r.Title(title);
    for (int i = 0; i < n; ++i) r.Add(cell(base.cables[static_cast<size_t>(i)]));
    r.EndRow();
  };
  auto text = [](auto get) {
    return [get](const CableRecord& c) { return Sprintf("%-20.20s|", get(c).c_str()); };
  };
  auto whole = [](auto get) {
    return [get](const CableRecord& c) { return Sprintf("%-20u|", static_cast<unsigned>(get(c))); };
  };
  auto real = [](auto get) {
    return [get](const CableRecord& c) { return Sprintf("%-20.6g|", D(get(c))); };
  };
  row("Наименование кабеля", text([](const CableRecord& c) { return c.raw_name(); }));
  row("Тип кабеля", text([](const CableRecord& c) { return c.raw_type_name(); }));
  row("Количество пар", whole([](const CableRecord& c) { return c.pair_count(); }));
  row("Длина кабеля, М", whole([](const CableRecord& c) { return c.length(); }));
  row("Участки", whole([](const CableRecord& c) { return c.section_count(); }));
  row("Температура", real([](const CableRecord& c) { return c.temperature(); }));
  row("Коэффициент укорочения", real([](const CableRecord& c) { return c.shortening_factor(); }));
  row("Эталон брони", real([](const CableRecord& c) { return c.armour_reference(); }));
  for (int line = 0; line < CableRecord::kNotebookLines; ++line) {
    row(line == 0 ? "Блокнот измерителя" : "", [line](const CableRecord& c) {
      return Sprintf("%-20s|", c.raw_notebook_line(line).c_str());
    });
  }
  for (int k = 0; k < CableRecord::kSections; ++k) {
    r.Add(
        Sprintf("%-8.8s%u%-21.21s|\r\n", Cp("Участок ").c_str(), static_cast<unsigned>(k + 1), ""));
    auto section_row = [&](std::string_view title, auto cell) {
      r.RightTitle(title);
      for (int i = 0; i < n; ++i) r.Add(cell(base.cables[static_cast<size_t>(i)].section(k)));
      r.EndRow();
    };
    section_row("Длина участка, М", [](const CableSection& s) {
      return Sprintf("%-20u|", static_cast<unsigned>(s.length()));
    });
    section_row("Диаметр жилы, мм",
                [](const CableSection& s) { return Sprintf("%-20.6g|", D(s.core_diameter())); });
    section_row("Эл.сопротивление ТПЖ, Ом/км", [](const CableSection& s) {
      return Sprintf("%-20u|", static_cast<unsigned>(s.core_resistance()));
    });
    section_row("Емкость, нф/км", [](const CableSection& s) {
      return Sprintf("%-20u|", static_cast<unsigned>(s.capacitance()));
    });
    section_row("ТКС", [](const CableSection& s) {
      return Sprintf("%-20.6g|", D(s.temperature_factor()));
    });
  }
  return r.Take();
}

bool SaveCableBaseReport(Screen& screen, const CableBase& base, const std::string& path) {
  return WriteFile(screen, path, CableBaseReport(base));
}

}  // namespace telvane
