// The line tester (kind 17), over the serial port and the IrDA socket alike.
// The instrument version is --firmware. Little-endian records:
//   0x00  information, 104 bytes: counts (u16) at 72 levels, 74 responses,
//         76 extended responses, 78 spectra, 80 reflectograms, 82 ADSL, 84
//         frequency-list entries; version float32 at 88
//   0x01  3-byte level records; 0x02 spectra (151 bytes, 138 below 1.5);
//   0x03, 0x04 responses (137, 135 below 1.5); 0x08 ADSL (288, 131 below
//   1.5); 0x09 the 2-byte count of 0x0A; 0x0A modem records (290)
//   0x07  reflectograms, 177 bytes each (line_traces.h), as many as the
//         information record counts at 80
//   0x05  the frequency list (260 bytes: count, then codes), 0x06 receives it
//         (confirmed 0xFE) and keeps it as sent; 0x1E deletes every record
// Records the instrument sends are confirmed by the program with 0xFE (the
// complement of its fixed code 1). The record layouts are those of the
// program's documentation page docs/line-tester.md.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <vector>

#include "line_traces.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

constexpr uint8_t kConfirm = 0xFE;

struct Store {
  int levels = 3;
  int responses = 2;
  int extended = 2;
  int spectra = 2;
  int adsl = 1;
  int modems = 1;
  int traces = 3;
  // Codes of 32, 64, 256, 258, 1024, 4096 kHz.
  std::vector<uint16_t> frequencies = {0, 32, 224, 225, 480, 992};
};

Store& TheStore() {
  static Store store;
  return store;
}

void Le16(uint8_t* p, unsigned v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Le32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
// 9 December 2026, 14:05 plus `minutes`: minute bits 0-5, hour 6-10, day
// 11-15, month 16-19, two-digit year from bit 20.
uint32_t Packed(int minutes) {
  return static_cast<uint32_t>((5 + minutes) % 60) | 14u << 6 | 9u << 11 | 12u << 16 | 26u << 20;
}

bool Old(const Session& s) { return s.config().firmware < 1.5f; }

// Sends `count` records made by `make(i)`, each confirmed with 0xFE.
template <typename Make>
void SendRecords(Session& s, int count, Make make) {
  for (int i = 0; i < count; ++i) {
    const auto answer = s.SendRecord(make(i));
    if (answer != kConfirm) {
      // The program's next command where its confirmation was lost to its
      // purge goes back to the command loop.
      if (s.GiveBackCommand()) {
        std::fprintf(stderr, "sim: line record %d unconfirmed; next command taken\n", i);
      } else {
        std::fprintf(stderr, "sim: line record %d confirmed with %d\n", i, answer ? *answer : -1);
      }
      return;
    }
  }
}

void Information(Session& s) {
  const Store& st = TheStore();
  std::vector<uint8_t> r(104, 0);
  std::memcpy(r.data(), "LT-17", 5);
  Le16(&r[72], st.levels);
  Le16(&r[74], st.responses);
  Le16(&r[76], st.extended);
  Le16(&r[78], st.spectra);
  Le16(&r[80], st.traces);
  Le16(&r[82], st.adsl);
  Le16(&r[84], static_cast<unsigned>(st.frequencies.size()));
  const float version = s.config().firmware;
  std::memcpy(&r[88], &version, 4);
  SendRecords(s, 1, [&](int) { return r; });
}

void Levels(Session& s) {
  SendRecords(s, TheStore().levels, [](int i) {
    std::vector<uint8_t> r(3);
    Le16(&r[0], static_cast<unsigned>(224 + 100 * i));  // 256, 456, 800 kHz
    r[2] = static_cast<uint8_t>(-10 - 7 * i);
    return r;
  });
}

void Spectra(Session& s) {
  const bool old = Old(s);
  SendRecords(s, TheStore().spectra, [&](int i) {
    std::vector<uint8_t> r(old ? 138 : 151, 0);
    size_t levels;
    if (old) {
      r[1] = static_cast<uint8_t>(i % 3);  // 32-4064, 16-2048, 8-1024 kHz
      const unsigned step = (i % 3 == 0) ? 31750 : (i % 3 == 1) ? 16000 : 8000;
      Le16(&r[2], step);
      r[4] = 2;
      Le32(&r[6], Packed(i));
      levels = 10;
    } else {
      Le16(&r[1], 32);
      Le16(&r[3], 32 + 137 * 16);
      Le16(&r[5], 16000);
      r[7] = 2;
      Le32(&r[9], Packed(i));
      levels = 13;
    }
    for (size_t k = levels; k < r.size(); ++k) {
      r[k] = static_cast<uint8_t>(-40 - static_cast<int>((k - levels) / 3) - 5 * i);
    }
    return r;
  });
}

void Responses(Session& s, int count) {
  const bool old = Old(s);
  SendRecords(s, count, [&](int i) {
    std::vector<uint8_t> r(old ? 135 : 137, 0);
    r[0] = 100;
    const size_t levels = old ? 7 : 9;
    if (old) {
      Le16(&r[1], 0);
      r[3] = 8;
    } else {
      r[1] = 2;
      Le32(&r[2], Packed(10 + i));
      Le16(&r[6], 0);
      r[8] = 8;
    }
    for (int k = 0; k < 100; ++k) r[levels + k] = static_cast<uint8_t>(-(k / 4) - 3 * i);
    return r;
  });
}

void TonesInto(uint8_t* bits, int tones, int shift) {
  for (int t = 0; t < tones; ++t) {
    bits[t] = static_cast<uint8_t>(t < 6 ? 0 : std::max(0, 14 - t / 20 - shift));
  }
}

void Adsl(Session& s) {
  const bool old = Old(s);
  SendRecords(s, TheStore().adsl, [&](int i) {
    std::vector<uint8_t> r(old ? 131 : 288, 0);
    if (old) {
      Le16(&r[0], 6144);
      Le16(&r[2], 640);
      TonesInto(&r[4], 127, i);
    } else {
      r[0] = 2;
      Le32(&r[1], Packed(20 + i));
      Le32(&r[5], 8064);
      Le32(&r[9], 896);
      TonesInto(&r[32], 256, i);
    }
    return r;
  });
}

void ModemCount(Session& s) {
  SendRecords(s, 1, [](int) {
    std::vector<uint8_t> r(2);
    Le16(r.data(), static_cast<unsigned>(TheStore().modems));
    return r;
  });
}

void Modems(Session& s) {
  SendRecords(s, TheStore().modems, [](int i) {
    std::vector<uint8_t> r(290, 0);
    r[0] = 2;
    Le32(&r[1], Packed(30 + i));
    Le32(&r[5], 7616);
    Le32(&r[9], 1000);
    Le32(&r[13], 10240);
    Le32(&r[17], 1184);
    r[21] = 6;
    r[22] = 9;
    r[23] = 31;
    r[24] = 17;
    std::memcpy(&r[25], "G.DMT", 5);
    TonesInto(&r[34], 256, 0);
    return r;
  });
}

void Traces(Session& s) { SendRecords(s, TheStore().traces, LineTraceRecord); }

void SendList(Session& s) {
  std::vector<uint8_t> r(260, 0);
  const Store& st = TheStore();
  Le16(r.data(), static_cast<unsigned>(st.frequencies.size()));
  for (size_t i = 0; i < st.frequencies.size() && i < 129; ++i) {
    Le16(&r[2 + 2 * i], st.frequencies[i]);
  }
  SendRecords(s, 1, [&](int) { return r; });
}

void ReceiveList(Session& s) {
  const auto r = s.ReceiveRecord(260, [](const std::vector<uint8_t>&) { return kConfirm; });
  if (!r) {
    std::fprintf(stderr, "sim: no frequency list came\n");
    return;
  }
  const unsigned count = (*r)[0] | (*r)[1] << 8;
  if (count > 129) {
    std::fprintf(stderr, "sim: frequency list of %u entries refused\n", count);
    return;
  }
  std::vector<uint16_t>& list = TheStore().frequencies;
  list.clear();
  for (unsigned i = 0; i < count; ++i) {
    list.push_back(static_cast<uint16_t>((*r)[2 + 2 * i] | (*r)[3 + 2 * i] << 8));
  }
}

void DeleteAll(Session&) {
  Store& st = TheStore();
  st.levels = st.responses = st.extended = st.spectra = st.adsl = st.modems = st.traces = 0;
}

const CommandRegistrar kInfo(17, 0x00, Information);
const CommandRegistrar kLevels(17, 0x01, Levels);
const CommandRegistrar kSpectra(17, 0x02, Spectra);
const CommandRegistrar kResponses(17, 0x03, [](Session& s) { Responses(s, TheStore().responses); });
const CommandRegistrar kExtended(17, 0x04, [](Session& s) { Responses(s, TheStore().extended); });
const CommandRegistrar kList(17, 0x05, SendList);
const CommandRegistrar kListIn(17, 0x06, ReceiveList);
const CommandRegistrar kTraces(17, 0x07, Traces);
const CommandRegistrar kAdsl(17, 0x08, Adsl);
const CommandRegistrar kModemCount(17, 0x09, ModemCount);
const CommandRegistrar kModems(17, 0x0A, Modems);
const CommandRegistrar kDelete(17, 0x1E, DeleteAll);

}  // namespace
}  // namespace sim
