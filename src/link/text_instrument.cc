#include "link/text_instrument.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/values.h"
#include "link/catalogue.h"
#include "link/port_names.h"
#include "link/port_setup.h"
#include "link/search.h"
#include "link/transfer_progress.h"

namespace telvane {
namespace {

constexpr uint8_t kTextIrdaBr = 2;
constexpr size_t kHeaderLength = sizeof kTextHeader - 1;
constexpr size_t kTrailerLength = sizeof kTextTrailer - 1;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsNotMeasured(std::string_view field) {
  return StartsWith(field, "NOT_MEAS") || StartsWith(field, "NaN");
}

float Decimal(std::string_view text) {
  const std::string copy(text);
  return static_cast<float>(std::strtod(copy.c_str(), nullptr));
}

// Fields 1 to 3: "number," with the above-range marker ">2000".
float Capacitance(std::string_view field) {
  if (IsNotMeasured(field)) return kPairNotMeasured;
  const size_t comma = field.find(',');
  if (comma == std::string_view::npos) return 0.0f;
  const std::string_view number = field.substr(0, comma);
  if (StartsWith(number, ">2000")) return kCapacitanceAboveRange;
  return Decimal(number);
}

// Fields 4 to 6: "number,unit," with the above-range marker ">30000"; mega-ohms
// ("Mm") become kilo-ohms.
float Insulation(std::string_view field) {
  if (IsNotMeasured(field)) return kPairNotMeasured;
  const size_t comma = field.find(',');
  if (comma == std::string_view::npos) return 0.0f;
  const std::string_view number = field.substr(0, comma);
  if (StartsWith(number, ">30000")) return kInsulationAboveRange;
  std::string_view unit = field.substr(comma + 1);
  unit = unit.substr(0, unit.find(','));
  const float value = Decimal(number);
  return unit == "Mm" ? value * 1000.0f : value;
}

// Takes the text up to `end` (or all of it) off the front of `rest`.
std::string_view Take(std::string_view& rest, char end) {
  const size_t at = rest.find(end);
  std::string_view piece = rest.substr(0, at);
  rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
  return piece;
}

enum class Outcome { kAnswered, kNoAnswer };

Outcome QueryPort(Link& link, SerialPort& port, const TextReceivingHook& receiving,
                  std::vector<uint8_t>& reply) {
  Screen& screen = link.screen();
  port.SetReadTimeout(kSyncTimeoutMs);
  // The bar follows the bytes against the longest reply; hidden on every way
  // out.
  TransferProgress progress(screen, kTextReplyLimit);
  progress.Show();
  char speed[64];
  std::snprintf(speed, sizeof speed, "%lu %s", static_cast<unsigned long>(port.baud()), "бит/сек");

  reply.clear();
  const auto fail = [] { return Outcome::kNoAnswer; };
  if (!port.Write(reinterpret_cast<const uint8_t*>(kTextQuery), sizeof kTextQuery - 1)) {
    return fail();
  }
  uint8_t byte = 0;
  while (reply.size() < kTextReplyLimit && port.ReadByte(byte) == ReadResult::kByte) {
    const size_t index = reply.size();
    reply.push_back(byte);
    progress.Done(index);
    if (index < kHeaderLength && byte != static_cast<uint8_t>(kTextHeader[index])) return fail();
    if (index == kHeaderLength) {
      if (receiving) receiving(std::string(kTextInstrumentName) + ". Прием данных...", speed);
      screen.Repaint();
    }
  }
  if (reply.size() < 17 || !std::equal(reply.end() - kTrailerLength, reply.end(),
                                       reinterpret_cast<const uint8_t*>(kTextTrailer))) {
    return fail();
  }
  progress.StepToEnd();
  return Outcome::kAnswered;
}

}  // namespace

TextRecord ParseTextRecord(std::string_view text) {
  TextRecord record{};
  std::string_view rest = text;
  for (int i = 0; i < 2; ++i) {
    const std::string number(Take(rest, ','));
    record[i] = static_cast<uint8_t>(std::atoi(number.c_str()));
  }
  for (int f = 0; f < 6; ++f) {
    const std::string_view field = Take(rest, ';');
    const float value = f < 3 ? Capacitance(field) : Insulation(field);
    StoreLeFloat(value, &record[2 + 4 * f]);
  }
  return record;
}

std::vector<TextRecord> ParseTextRecords(std::string_view body, size_t max_records) {
  std::vector<TextRecord> records;
  size_t pos = 0;
  while (records.size() < max_records) {
    const size_t y = body.find('Y', pos);
    if (y == std::string_view::npos || y + 2 > body.size()) break;
    const size_t x = body.find('X', y + 2);
    if (x == std::string_view::npos) break;
    const std::string_view text = body.substr(y + 2, std::min(x - (y + 2), kTextRecordChars));
    records.push_back(ParseTextRecord(text));
    pos = x + 1;
  }
  return records;
}

bool TryTextInstrument(Link& link, const TextReceivingHook& receiving) {
  link.ClosePort();
  InstrumentInfo& info = link.info();
  info.session = false;
  const std::optional<LineSettings> settings =
      BuildSettings(kTextMode, link.screen(), "Ошибка формирования DCB", "Error");
  if (!settings) return false;

  std::vector<uint8_t> reply;
  reply.reserve(kTextReplyLimit);
  for (unsigned number = kFirstPort; number <= kLastPort; ++number) {
    const std::string name = PortName(number);
    SerialPort port;
    if (!OpenPort(port, name, *settings, kSearchTimeoutMs, 256, 256)) continue;
    const Outcome outcome = QueryPort(link, port, receiving, reply);
    port.Close();
    if (outcome != Outcome::kAnswered) continue;

    info.kind = kTextInstrument;
    const uint8_t dashes[6] = {'-', '-', '-', '-', '-', '-'};
    info.SetSerial(dashes);
    info.name = kTextInstrumentName;
    info.status = SearchStatus::kEnded;
    info.session = true;
    link.set_irda_br(kTextIrdaBr);
    ApplyIrdaBr(link, kTextIrdaBr, false);
    InitialData& initial = link.initial();
    const std::string_view text(reinterpret_cast<const char*>(reply.data()), reply.size());
    const size_t body_end = reply.size() - kTrailerLength;
    initial.text_records = ParseTextRecords(
        body_end > kHeaderLength ? text.substr(kHeaderLength, body_end - kHeaderLength) : "");
    initial.text_reply = std::move(reply);
    initial.text_port = name;
    link.screen().ShowProgress(false);
    return true;
  }
  return false;
}

}  // namespace telvane
