#include "testers/line/line_records.h"

#include <algorithm>
#include <array>

#include "base/cp1251.h"
#include "base/sprintf.h"
#include "base/values.h"

namespace telvane {
namespace {

// The seven ranges of the frequency grid.
struct GridRange {
  uint16_t first_code;
  uint16_t codes;
  unsigned start_khz;
  unsigned step_khz;
};

constexpr std::array<GridRange, 7> kGrid = {{{0, 32, 32, 1},
                                             {32, 64, 64, 1},
                                             {96, 128, 128, 1},
                                             {224, 128, 256, 2},
                                             {352, 128, 512, 4},
                                             {480, 256, 1024, 4},
                                             {736, 257, 2048, 8}}};

const std::array<LineKindInfo, 6> kKinds = {{
    {LineRecordKind::kLevel, 0x01, "УП", "узкополосное измерение уровня"},
    {LineRecordKind::kSpectrum, 0x02, "Спектр", "спектральное измерение шума"},
    {LineRecordKind::kResponse, 0x03, "АЧХ",
     "измерение рабочего затухания \"по шлейфу\", переходного влияния на ближнем конце"},
    {LineRecordKind::kExtendedResponse, 0x04, "АЧХ+",
     "измерение рабочего затухания \"по направлению\" и переходного влияния на дальнем "
     "конце"},
    {LineRecordKind::kAdsl, 0x08, "ADSL", "измерение скоростного потенциала линии ADSL"},
    {LineRecordKind::kModem, 0x0A, "ADSL модем", "ADSL модем"},
}};

bool Old(float version) { return version < 1.5f; }

int8_t Signed(uint8_t byte) { return static_cast<int8_t>(byte); }

std::string DateLine(const LineDate& d) {
  return Sprintf("%2.2d.%2.2d.%2.2d г,\t%2.2d:%2.2d\r\n\r\n", d.day, d.month, d.year, d.hour,
                 d.minute);
}

std::string PointLine(const LinePoint& p) {
  return Sprintf("%4.4u кГц,\t\t%4d дБ \r\n", p.khz, p.level);
}

// The date of a record whose flag byte at `flag` is 2 and whose packed date
// and time is at `packed`.
std::optional<LineDate> DateAt(std::span<const uint8_t> record, size_t flag, size_t packed) {
  if (record[flag] != 2) return std::nullopt;
  return UnpackLineDate(LoadLe32(&record[packed]));
}

// Spectrum: the range in Hz, the step in Hz and where the levels begin.
struct SpectrumLayout {
  uint32_t start_hz = 0;
  uint32_t end_hz = 0;
  uint32_t step_hz = 0;
  size_t levels = 0;
  bool known_range = true;
};

SpectrumLayout SpectrumOf(std::span<const uint8_t> r, float version) {
  SpectrumLayout s;
  if (!Old(version)) {
    s.start_hz = LoadLe16(&r[1]) * 1000u;
    s.end_hz = LoadLe16(&r[3]) * 1000u;
    s.step_hz = LoadLe16(&r[5]);
    s.levels = 13;
    return s;
  }
  static constexpr uint32_t kRanges[3][2] = {{32000, 4064000}, {16000, 2048000}, {8000, 1024000}};
  s.known_range = r[1] < 3;
  if (s.known_range) {
    s.start_hz = kRanges[r[1]][0];
    s.end_hz = kRanges[r[1]][1];
  }
  s.step_hz = LoadLe16(&r[2]);
  s.levels = 10;
  return s;
}

std::vector<LinePoint> SpectrumPoints(std::span<const uint8_t> r, float version) {
  const SpectrumLayout s = SpectrumOf(r, version);
  std::vector<LinePoint> points;
  if (!s.known_range) return points;
  uint64_t hz = s.start_hz;
  for (size_t i = s.levels; i < r.size() && hz <= s.end_hz; ++i) {
    points.push_back({static_cast<unsigned>(hz / 1000), Signed(r[i])});
    if (s.step_hz == 0) break;  // a step of 0 gives the start alone
    hz += s.step_hz;
  }
  return points;
}

// Frequency responses: n points on the grid from a first code by a code step.
std::vector<LinePoint> ResponsePoints(std::span<const uint8_t> r, float version) {
  const bool old = Old(version);
  const size_t count = std::min<size_t>(r[0], 128);
  const uint16_t first = LoadLe16(&r[old ? 1 : 6]);
  const unsigned step = r[old ? 3 : 8];
  const size_t levels = old ? 7 : 9;
  std::vector<LinePoint> points;
  for (size_t i = 0; i < count; ++i) {
    const unsigned code = first + i * step;
    if (code > kLastFrequencyCode) break;
    points.push_back({*FrequencyOfCode(static_cast<uint16_t>(code)), Signed(r[levels + i])});
  }
  return points;
}

std::string TonesText(std::span<const uint8_t> bits) {
  std::string text;
  for (size_t tone = 0; tone < bits.size(); ++tone) {
    if (bits[tone] != 0) text += Sprintf("Тон %3zu:\t%2u бит\r\n", tone, unsigned{bits[tone]});
  }
  return text;
}

std::string Rate(const char* label, uint32_t kbits) {
  return std::string(label) + Sprintf(": %u кбит/с\r\n", kbits);
}

}  // namespace

LineInfo LineInfo::FromWire(std::span<const uint8_t, kLineInfoSize> b) {
  LineInfo info;
  info.levels = LoadLe16(&b[72]);
  info.responses = LoadLe16(&b[74]);
  info.extended = LoadLe16(&b[76]);
  info.spectra = LoadLe16(&b[78]);
  info.reflectograms = LoadLe16(&b[80]);
  info.adsl = LoadLe16(&b[82]);
  info.frequencies = LoadLe16(&b[84]);
  info.version = LoadLeFloat(&b[88]);
  return info;
}

std::vector<std::pair<std::string, std::string>> LineInfo::Rows() const {
  auto u = [](unsigned v) { return Sprintf("%u", v); };
  return {{"Версия прибора", Sprintf("%3.3f", version)},
          {"Число записей УП", u(levels)},
          {"Число записей АЧХ", u(responses)},
          {"Число записей АЧХ+", u(extended)},
          {"Число записей Спектра", u(spectra)},
          {"Число Рефлектограмм", u(reflectograms)},
          {"Число записей ADSL", u(adsl)},
          {"Число записей в Списке частот", u(frequencies)}};
}

std::optional<unsigned> FrequencyOfCode(uint16_t code) {
  for (const GridRange& r : kGrid) {
    if (code >= r.first_code && code < r.first_code + r.codes) {
      return r.start_khz + r.step_khz * (code - r.first_code);
    }
  }
  return std::nullopt;
}

std::optional<uint16_t> CodeOfFrequency(unsigned khz) {
  for (const GridRange& r : kGrid) {
    const unsigned last = r.start_khz + r.step_khz * (r.codes - 1);
    if (khz >= r.start_khz && khz <= last && (khz - r.start_khz) % r.step_khz == 0) {
      return static_cast<uint16_t>(r.first_code + (khz - r.start_khz) / r.step_khz);
    }
  }
  return std::nullopt;
}

std::vector<unsigned> OfferedFrequencies() {
  std::vector<unsigned> offered;
  for (unsigned f = 32; f <= 4096; f += f < 256 ? 1 : f < 512 ? 2 : f < 2048 ? 4 : 8) {
    offered.push_back(f);
  }
  return offered;
}

FrequencyList FrequencyList::FromWire(std::span<const uint8_t, kFrequencyListSize> bytes,
                                      bool* cut) {
  FrequencyList list;
  size_t count = LoadLe16(bytes.data());
  if (cut != nullptr) *cut = count > kFrequencyListCapacity;
  count = std::min(count, kFrequencyListCapacity);
  for (size_t i = 0; i < count; ++i) list.codes.push_back(LoadLe16(&bytes[2 + 2 * i]));
  return list;
}

std::array<uint8_t, kFrequencyListSize> FrequencyList::ToWire() const {
  std::array<uint8_t, kFrequencyListSize> bytes{};
  const size_t count = std::min(codes.size(), kFrequencyListCapacity);
  StoreLe16(static_cast<uint16_t>(count), bytes.data());
  for (size_t i = 0; i < count; ++i) StoreLe16(codes[i], &bytes[2 + 2 * i]);
  return bytes;
}

std::span<const LineKindInfo> LineRecordKinds() { return kKinds; }

const LineKindInfo& LineKindOf(LineRecordKind kind) { return kKinds[static_cast<size_t>(kind)]; }

size_t LineRecordSize(LineRecordKind kind, float version) {
  const bool old = Old(version);
  switch (kind) {
    case LineRecordKind::kLevel:
      return 3;
    case LineRecordKind::kSpectrum:
      return old ? 138 : 151;
    case LineRecordKind::kResponse:
    case LineRecordKind::kExtendedResponse:
      return old ? 135 : 137;
    case LineRecordKind::kAdsl:
      return old ? 131 : 288;
    case LineRecordKind::kModem:
      return 290;
  }
  return 0;
}

const char* LineReportSubtitle(LineRecordKind kind, float version) {
  if (kind == LineRecordKind::kAdsl && !Old(version)) return "скоростной потенциал линии xDSL";
  return LineKindOf(kind).subtitle;
}

LineDate UnpackLineDate(uint32_t p) {
  // The year is read from bit 20 upwards (7 bits): four bits could not hold a
  // two-digit year beyond 15.
  return {static_cast<int>((p >> 20) & 0x7F), static_cast<int>((p >> 16) & 0x0F),
          static_cast<int>((p >> 11) & 0x1F), static_cast<int>((p >> 6) & 0x1F),
          static_cast<int>(p & 0x3F)};
}

std::vector<LinePoint> LinePoints(LineRecordKind kind, std::span<const uint8_t> r, float version) {
  switch (kind) {
    case LineRecordKind::kLevel: {
      const std::optional<unsigned> khz = FrequencyOfCode(LoadLe16(&r[0]));
      if (!khz) return {};
      return {{*khz, Signed(r[2])}};
    }
    case LineRecordKind::kSpectrum:
      return SpectrumPoints(r, version);
    case LineRecordKind::kResponse:
    case LineRecordKind::kExtendedResponse:
      return ResponsePoints(r, version);
    case LineRecordKind::kAdsl:
    case LineRecordKind::kModem:
      return {};
  }
  return {};
}

std::optional<LineDate> LineRecordDate(LineRecordKind kind, std::span<const uint8_t> r,
                                       float version) {
  const bool old = Old(version);
  switch (kind) {
    case LineRecordKind::kLevel:
      return std::nullopt;
    case LineRecordKind::kSpectrum:
      return old ? DateAt(r, 4, 6) : DateAt(r, 7, 9);
    case LineRecordKind::kResponse:
    case LineRecordKind::kExtendedResponse:
      return old ? std::nullopt : DateAt(r, 1, 2);
    case LineRecordKind::kAdsl:
      return old ? std::nullopt : DateAt(r, 0, 1);
    case LineRecordKind::kModem:
      return DateAt(r, 0, 1);
  }
  return std::nullopt;
}

std::string LineRecordText(LineRecordKind kind, std::span<const uint8_t> r, float version) {
  std::string text;
  if (const std::optional<LineDate> date = LineRecordDate(kind, r, version)) {
    text += DateLine(*date);
  }
  for (const LinePoint& p : LinePoints(kind, r, version)) text += PointLine(p);
  if (kind == LineRecordKind::kAdsl) {
    if (Old(version)) {
      text += Rate("Скорость к абоненту", LoadLe16(&r[0]));
      text += Rate("Скорость от абонента", LoadLe16(&r[2]));
      text += TonesText(r.subspan(4, 127));
    } else {
      text += Rate("Скорость к абоненту", LoadLe32(&r[5]));
      text += Rate("Скорость от абонента", LoadLe32(&r[9]));
      text += TonesText(r.subspan(32, 256));
    }
  } else if (kind == LineRecordKind::kModem) {
    size_t mode_length = 0;
    while (mode_length < 9 && r[25 + mode_length] != 0) ++mode_length;
    text += "Режим: " +
            Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(&r[25]), mode_length)) +
            "\r\n";
    text += Rate("Скорость к абоненту", LoadLe32(&r[5]));
    text += Rate("Скорость от абонента", LoadLe32(&r[9]));
    text += Rate("Максимальная скорость к абоненту", LoadLe32(&r[13]));
    text += Rate("Максимальная скорость от абонента", LoadLe32(&r[17]));
    text += Sprintf("Запас SNR: %u / %u дБ\r\n", unsigned{r[21]}, unsigned{r[22]});
    text += Sprintf("Затухание: %u / %u дБ\r\n", unsigned{r[23]}, unsigned{r[24]});
    text += TonesText(r.subspan(34, 256));
  }
  return text;
}

}  // namespace telvane
