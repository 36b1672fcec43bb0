#include "cable/cable_files.h"

#include <cstdlib>
#include <string_view>
#include <vector>

#include "base/cp1251.h"
#include "base/posix_file.h"
#include "base/sprintf.h"

namespace telvane {
namespace {

constexpr size_t kHeaderSize = CableBaseHeader::kSize;
constexpr size_t kRecordSize = CableRecord::kSize;

// The program's texts are UTF-8; the files hold CP1251.
std::string Cp(std::string_view utf8) { return Utf8ToCp1251(utf8); }

void FileError(Screen& screen, const char* caption, const std::string& path) {
  screen.ShowMessage(Icon::kError, caption, path);
}

void FormatError(Screen& screen, const char* text) {
  screen.ShowMessage(Icon::kError, "Ошибка", text);
}

// Creates the file and writes `bytes`; reports a file that cannot be created
// or a failed write.
bool WriteWholeFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes) {
  PosixFile file = PosixFile::Create(path);
  if (!file.valid()) {
    FileError(screen, "Ошибка создания файла", path);
    return false;
  }
  const bool written = file.Write(bytes) && file.Close();
  if (!written) screen.ShowMessage(Icon::kError, "Error", "WriteFile()");
  return written;
}

bool WriteWholeFile(Screen& screen, const std::string& path, const std::string& bytes) {
  return WriteWholeFile(screen, path,
                        std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

// Reads the whole file; `open_caption` names the failure to open it.
std::optional<std::vector<uint8_t>> ReadWholeFile(Screen& screen, const std::string& path,
                                                  const char* open_caption,
                                                  const char* read_caption) {
  PosixFile file = PosixFile::OpenForReading(path);
  if (!file.valid()) {
    FileError(screen, open_caption, path);
    return std::nullopt;
  }
  auto bytes = file.ReadAll();
  if (!bytes) FileError(screen, read_caption, path);
  return bytes;
}

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
  return WriteWholeFile(screen, path, bytes);
}

bool LoadCableBaseFile(Screen& screen, CableBase& base, const std::string& path) {
  const auto bytes = ReadWholeFile(screen, path, "Ошибка открытия файла", "Ошибка чтения файла");
  if (!bytes) return false;
  if (bytes->size() < kHeaderSize) {
    FormatError(screen, "Ошибка формата файла");
    return false;
  }
  CableBaseHeader header;
  header.Assign(std::span(*bytes).first(kHeaderSize));
  const size_t count = header.cable_count();
  if (bytes->size() != kHeaderSize + kRecordSize * count) {
    FormatError(screen, "Ошибка формата файла\n\rФайл имеет неправильный размер");
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
  return WriteWholeFile(screen, path, bytes);
}

bool LoadCableTypeFile(Screen& screen, CableTypeTable& table, const std::string& path) {
  const auto bytes = ReadWholeFile(screen, path, "Ошибка создания файла", "Ошибка чтения файла");
  if (!bytes) return false;
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
  return WriteWholeFile(screen, path, CableTypeText(table));
}

bool LoadCableTypeText(Screen& screen, CableTypeTable& table, const std::string& path) {
  const auto bytes = ReadWholeFile(screen, path, "Ошибка открытия файла", "Ошибка чтения");
  if (!bytes) return false;
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  const size_t first_line_end = text.find("\r\n");
  if (first_line_end == std::string_view::npos) {
    FormatError(screen, "Неверный форомат данных");
    return false;
  }
  constexpr size_t kFieldLimits[3] = {CableTypeRecord::kNameBytes, 13, 13};
  std::vector<CableTypeRecord> types;
  std::string fields[3];
  size_t field = 0;
  bool in_record = false;
  for (const char c : text.substr(first_line_end + 2)) {
    if (c == '\r') continue;
    if (c == '\n') {
      if (types.size() == kMaxCableTypes) {
        FormatError(screen, "Слишком много данных");
        return false;
      }
      CableTypeRecord type;
      type.set_name(Cp1251ToUtf8(fields[0]));
      type.set_specific_resistance(std::strtof(fields[1].c_str(), nullptr));
      type.set_temperature_factor(std::strtof(fields[2].c_str(), nullptr));
      type.set_selected(true);
      types.push_back(type);
      for (auto& f : fields) f.clear();
      field = 0;
      in_record = false;
      continue;
    }
    in_record = true;
    if (c == '|') {
      ++field;
    } else if (field < 3 && fields[field].size() < kFieldLimits[field]) {
      fields[field] += c;
    }
  }
  if (in_record) {
    FormatError(screen, "Неверный форомат данных");
    return false;
  }
  table.current = static_cast<int>(types.size());
  table.types = std::move(types);
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
  return WriteWholeFile(screen, path, CableBaseReport(base));
}

}  // namespace telvane
