#include "reflectometer_db.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "cable_db.h"
#include "line_model.h"

namespace sim {
namespace {

// The scale tables of docs/family-343.md and docs/family-435.md (range at
// k = 1, stretch), by index.
constexpr double kRangeOlder[] = {50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000};
constexpr double kRangeNewer[] = {25, 50, 100, 200, 500, 1000, 2000, 4000, 8000, 16000, 32000};
constexpr double kStretch[] = {1, 2, 4, 8, 16, 32};

// Cable names in CP1251.
const char* const kNames[] = {
    "\xC2\xE2\xEE\xE4-\xC0",                       // Ввод-А
    "\xCC\xE0\xE3\xE8\xF1\xF2\xF0\xE0\xEB\xFC 2",  // Магистраль 2
    "\xD0\xE0\xF1\xEF\xF0\xE5\xE4\xE5\xEB\xE5\xED\xE8\xE5 \xB9"
    "3",  // Распределение №3
};

void PutText(uint8_t* field, int size, const std::string& text) {
  std::memset(field, 0, static_cast<size_t>(size));
  std::memcpy(field, text.data(), std::min(text.size(), static_cast<size_t>(size - 1)));
}

std::string CableName(int i) {
  if (i < 3) return kNames[i];
  return "Cable " + std::to_string(i + 1);
}

// Trace t of the database: open end or short, two ranges and stretches.
struct TracePlan {
  int range_index;
  int stretch_index;
  int pulse_index;
  int gain_index;
  bool open_end;
};

std::vector<uint8_t> MakeTrace(const ReflFamily& family, const Config& config, int cable, int slot,
                               const TracePlan& plan, double k, double joint_m, double end_m) {
  const bool extended = family.extended;
  const int name_size = extended ? 41 : 17;
  std::vector<uint8_t> record(extended ? 233 : 173, 0);
  char name[32];
  std::snprintf(name, sizeof name, "\xD0\xD4\xC3-%d-%02d", cable + 1, slot + 1);  // РФГ-c-ss
  PutText(record.data(), name_size, name);
  record[name_size] = 26;                                       // 2026
  record[name_size + 1] = static_cast<uint8_t>(1 + slot % 12);  // month
  record[name_size + 2] = static_cast<uint8_t>(3 + cable);      // day
  const int samples = !extended ? 128 : (config.firmware >= 8.0245f ? 160 : 128);
  Line line;
  line.range_m = extended ? kRangeNewer[plan.range_index] : kRangeOlder[plan.range_index];
  line.stretch = kStretch[plan.stretch_index];
  line.k = k;
  line.joint_m = joint_m;
  line.end_m = end_m;
  line.open_end = plan.open_end;
  line.noise_seed = static_cast<unsigned>(cable * 20 + slot + 1);
  uint8_t* settings = record.data() + name_size + 3;
  PutLe16(settings + 0, static_cast<unsigned>(plan.pulse_index));                   // TDRimp
  PutLe16(settings + 2, 0);                                                         // TDRoffset
  PutLe16(settings + 4, static_cast<unsigned>(plan.range_index));                   // TDRdiap
  PutLe16(settings + 6, static_cast<unsigned>(plan.stretch_index));                 // TDRrast
  PutLe16(settings + 8, 16);                                                        // TDRmiddl
  PutLe16(settings + 10, static_cast<unsigned>(plan.gain_index));                   // TDRdB
  PutLe16(settings + 12, static_cast<unsigned>(SampleAt(line, joint_m, samples)));  // cursor 1
  PutLe16(settings + 14, static_cast<unsigned>(SampleAt(line, end_m, samples)));    // cursor 2
  const std::vector<uint8_t> trace = TraceSamples(line, samples);
  std::copy(trace.begin(), trace.end(), record.begin() + name_size + 28);
  if (extended && config.firmware >= 8.0065f) {
    PutFloatLe(record.data() + name_size + 28 + samples, static_cast<float>(end_m));
  }
  return record;
}

// Two sections (to the joint, from the joint to the end), `size` bytes apart
// from `first`: type index, length, length in trace points (length × k × 2/3,
// whole), specific capacitance, k.
void PutSections(uint8_t* first, size_t size, double k, double joint_m, double end_m) {
  for (int s = 0; s < 2; ++s) {
    uint8_t* section = first + size * static_cast<size_t>(s);
    const double length = s == 0 ? joint_m : end_m - joint_m;
    section[0] = static_cast<uint8_t>(1 + s);
    PutFloatLe(section + 1, static_cast<float>(length));
    PutFloatLe(section + 5, static_cast<float>(std::trunc(length * k * 2 / 3)));
    PutFloatLe(section + 9, 45.0f);
    PutFloatLe(section + 13, static_cast<float>(k));
  }
}

ReflDb Generate(const ReflFamily& family, const Config& config) {
  ReflDb db;
  db.family = &family;
  db.max_cables = std::max(config.max_cables, config.cables);
  const int count = config.cables;
  db.cables.assign(static_cast<size_t>(count),
                   std::vector<uint8_t>(static_cast<size_t>(family.record_size), 0));
  db.traces.resize(static_cast<size_t>(count));
  int traces_left = config.reflectograms;
  for (int c = 0; c < count; ++c) {
    std::vector<uint8_t>& r = db.cables[static_cast<size_t>(c)];
    PutText(&r[static_cast<size_t>(family.name_offset)], family.name_size, CableName(c));
    const double k = 1.5 + 0.05 * c;
    const double joint_m = 300.0 + 20.0 * c;
    const double end_m = 750.0 + 40.0 * c;
    if (family.block_size == 343) {
      PutLe16(&r[0], static_cast<unsigned>(c + 1));
      r[2] = 2;  // sections
      PutSections(&r[3], 17, k, joint_m, end_m);
    } else if (family.block_size == 435) {
      PutLe16(&r[0], static_cast<unsigned>(c + 1));
      // pairs; the third cable is a full one of 2000 pairs
      PutLe16(&r[2], static_cast<unsigned>(c == 2 ? 2000 : 50 * (c + 1)));
      r[4] = 2;
      PutFloatLe(&r[5], 20.0f);
      r[9] = static_cast<uint8_t>(c + 1);
      PutSections(&r[15], 21, k, joint_m, end_m);
    } else {
      r[41] = 1;
      PutLe16(&r[42], static_cast<unsigned>(c == 2 ? 2000 : 10 * (c + 1)));
      PutFloatLe(&r[44], 18.0f);
    }
    if (family.status_offset < 0) continue;
    uint8_t* status = &r[static_cast<size_t>(family.status_offset)];
    std::fill(status, status + kSlots, 0xFF);
    const TracePlan plans[2] = {{family.extended ? 6 : 5, 0, 3, 2, true},
                                {family.extended ? 7 : 6, 1, 4, 3, false}};
    for (int s = 0; s < 5 && traces_left > 0; ++s, --traces_left) {
      status[s] = 0;
      db.traces[static_cast<size_t>(c)][static_cast<size_t>(s)] =
          MakeTrace(family, config, c, s, plans[s % 2], k, joint_m, end_m);
    }
    if (c == 0) {
      status[6] = 7;  // invalid data
      db.traces[0][6] = std::vector<uint8_t>(family.extended ? 233 : 173, 0x5A);
    }
  }
  db.types = FamilyTypes(config.kind);
  return db;
}

// Sends one record; true when the program confirmed it with `expected`. A
// confirmation purged away by the program's next transaction shows up as that
// command, which goes back to the command loop.
bool SendExpecting(Session& s, const char* what, std::span<const uint8_t> data, uint8_t expected) {
  const std::optional<uint8_t> answer = s.SendRecord(data);
  if (answer == expected) return true;
  if (s.GiveBackCommand()) {
    std::fprintf(stderr, "sim: %s: the next command came in place of its confirmation\n", what);
  } else {
    std::fprintf(stderr, "sim: %s confirmed with %d, expected %d\n", what, answer ? *answer : -1,
                 expected);
  }
  return false;
}

}  // namespace

int ReflDb::ValidTraces() const {
  if (family->status_offset < 0) return 0;
  int n = 0;
  for (const auto& r : cables) {
    for (int s = 0; s < kSlots; ++s) n += r[static_cast<size_t>(family->status_offset + s)] == 0;
  }
  return n;
}

bool ReflDb::Store(const std::vector<uint8_t>& record) {
  const auto name_of = [this](const std::vector<uint8_t>& r) {
    const char* p = reinterpret_cast<const char*>(&r[static_cast<size_t>(family->name_offset)]);
    return std::string(p, strnlen(p, static_cast<size_t>(family->name_size)));
  };
  std::vector<uint8_t> stored = record;
  if (family->status_offset >= 0) {
    std::fill_n(stored.begin() + family->status_offset, kSlots, 0xFF);
  }
  for (size_t i = 0; i < cables.size(); ++i) {
    if (name_of(cables[i]) == name_of(record)) {
      cables[i] = stored;
      traces[i] = {};
      return true;
    }
  }
  if (static_cast<int>(cables.size()) >= max_cables) return false;
  cables.push_back(stored);
  traces.emplace_back();
  return true;
}

ReflDb& ReflDatabase(const ReflFamily& family, const Config& config) {
  static std::map<const ReflFamily*, ReflDb> databases;
  auto it = databases.find(&family);
  if (it == databases.end()) it = databases.emplace(&family, Generate(family, config)).first;
  return it->second;
}

size_t TraceWireLength(const ReflFamily& family, const Config& config) {
  if (!family.extended) return 173;
  if (config.firmware >= 8.0245f) return 233;
  if (config.firmware >= 8.0065f) return 201;
  return 197;
}

void SendInformation(Session& s, const ReflDb& db, int planned_pairs) {
  std::vector<uint8_t> data(24, 0);
  PutFloatLe(data.data(), s.config().firmware);
  PutLe16(&data[4], static_cast<unsigned>(db.cables.size()));
  PutLe16(&data[6], static_cast<unsigned>(db.max_cables));
  PutLe16(&data[8], static_cast<unsigned>(db.ValidTraces()));
  PutLe16(&data[10], static_cast<unsigned>(planned_pairs));
  PutLe16(&data[12], static_cast<unsigned>(db.types.size()));
  // The 435-byte family counts its stored xDSL logs at 14.
  if (db.family == &kNewer) data[14] = static_cast<uint8_t>(s.config().xdsl_logs);
  SendExpecting(s, "database information", data, 0xFF);
}

void SendCables(Session& s, const ReflDb& db) {
  for (size_t i = 0; i < db.cables.size(); ++i) {
    if (!SendExpecting(s, "cable record", db.cables[i], static_cast<uint8_t>(~i))) return;
  }
}

// One record of a series the program sends without a number byte: address,
// `length` data bytes, sum, confirmed with the complement of `index`. The
// series ends when nothing comes within the series wait, or when what came is
// a command frame followed by silence (the program went on to its next
// command); such bytes are given back to the command loop.
std::optional<std::vector<uint8_t>> ReceiveOpenRecord(Session& s, size_t length, size_t index) {
  const Address own = s.address();
  for (int attempt = 0; attempt < 10; ++attempt) {
    std::vector<uint8_t> frame(length + 8);
    if (!s.ReadByte(frame[0], kSeriesWaitMs)) return std::nullopt;
    size_t got = 1;
    while (got < frame.size() && s.ReadByte(frame[got], kInFrameWaitMs)) ++got;
    s.channel().Trace("<-", std::span<const uint8_t>(frame.data(), got));
    if (got != frame.size()) {
      s.channel().Unread(std::span<const uint8_t>(frame.data(), got));
      return std::nullopt;
    }
    const bool ok = std::equal(own.begin(), own.end(), frame.begin()) &&
                    Sum(std::span<const uint8_t>(frame.data(), frame.size() - 1)) == frame.back();
    if (ok) {
      s.SendConfirmation(static_cast<uint8_t>(~index));
      return std::vector<uint8_t>(frame.begin() + 7, frame.end() - 1);
    }
    s.SendConfirmation(0);
  }
  return std::nullopt;
}

namespace {

// The reflectogram number: the cable index's low byte, the slot, the cable
// index's high byte; confirmed with the complement of its first byte. nullopt
// when it names no slot of the database.
std::optional<std::pair<int, int>> ReceiveNumber(Session& s, const ReflDb& db) {
  const auto number =
      s.ReceiveRecord(3, [](const std::vector<uint8_t>& d) { return static_cast<uint8_t>(~d[0]); });
  if (!number) return std::nullopt;
  const int slot = (*number)[1];
  const int cable = (*number)[0] | ((*number)[2] << 8);
  if (slot >= kSlots || cable >= static_cast<int>(db.cables.size())) {
    std::fprintf(stderr, "sim: reflectogram number beyond the database (cable %d slot %d)\n", cable,
                 slot);
    return std::nullopt;
  }
  return std::pair{cable, slot};
}

}  // namespace

void SendOneCable(Session& s, const ReflDb& db) {
  const auto number =
      s.ReceiveRecord(3, [](const std::vector<uint8_t>& d) { return static_cast<uint8_t>(~d[0]); });
  if (!number) return;
  const size_t cable = Le16(number->data());
  if (cable >= db.cables.size()) {
    std::fprintf(stderr, "sim: cable number %zu beyond the database\n", cable);
    return;
  }
  SendExpecting(s, "cable record", db.cables[cable], static_cast<uint8_t>(~(*number)[0]));
}

void SendTypes(Session& s, const ReflDb& db) {
  for (size_t i = 0; i < db.types.size(); ++i) {
    if (!SendExpecting(s, "cable type", db.types[i], static_cast<uint8_t>(~i))) return;
  }
}

void ReceiveCables(Session& s, ReflDb& db, bool whole) {
  std::vector<std::vector<uint8_t>> received;
  const size_t length = static_cast<size_t>(db.family->record_size);
  while (true) {
    std::optional<std::vector<uint8_t>> record = ReceiveOpenRecord(s, length, received.size());
    if (!record) break;
    received.push_back(std::move(*record));
    if (!whole) break;  // a single cable
  }
  if (whole) {
    db.cables.clear();
    db.traces.clear();
  }
  for (const auto& record : received) {
    if (!db.Store(record)) std::fprintf(stderr, "sim: no room for another cable\n");
  }
}

void SendTrace(Session& s, ReflDb& db, const Config& config) {
  const auto where = ReceiveNumber(s, db);
  if (!where) return;
  std::vector<uint8_t> record =
      db.traces[static_cast<size_t>(where->first)][static_cast<size_t>(where->second)];
  record.resize(db.family->extended ? 233 : 173, 0);
  record.resize(TraceWireLength(*db.family, config));
  SendExpecting(s, "reflectogram", record, static_cast<uint8_t>(~where->first));
}

void ReceiveTrace(Session& s, ReflDb& db, const Config& config) {
  const auto where = ReceiveNumber(s, db);
  if (!where) return;
  const uint8_t confirm = static_cast<uint8_t>(~where->first);
  const auto record = s.ReceiveRecord(TraceWireLength(*db.family, config),
                                      [confirm](const std::vector<uint8_t>&) { return confirm; });
  if (!record) return;
  std::vector<uint8_t> stored = *record;
  stored.resize(db.family->extended ? 233 : 173, 0);
  db.traces[static_cast<size_t>(where->first)][static_cast<size_t>(where->second)] = stored;
  db.cables[static_cast<size_t>(where->first)]
           [static_cast<size_t>(db.family->status_offset + where->second)] = 0;
}

}  // namespace sim
