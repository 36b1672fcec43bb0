// The cable types of the reflectometer families, as docs/family-435.md and
// docs/family-233.md describe them: 31-byte records (name[19], CP1251,
// zero-ended; then three little-endian floats) read with 0x65 (kinds 11, 12,
// 16) or 3 (kind 14), and written with 0x6A or 6 as a series of 32-byte
// records: the type's index, then its 31 bytes. A written type takes the place
// of the type of its index; an index one past the last type adds it.
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "cable_db.h"
#include "reflectometer_db.h"
#include "registry.h"
#include "session.h"

namespace sim {
namespace {

constexpr size_t kTypeSize = 31;
constexpr size_t kWrittenTypeSize = 1 + kTypeSize;
constexpr size_t kMaxTypes = 255;

struct TypeRow {
  const char* name;  // CP1251
  float value1;      // specific capacitance, nF/km (kind 12: cross-section, mm²)
  float factor;      // the velocity factor k
  float value3;      // loop resistance, Ω/km (kind 12: conductor resistance, Ω/km)
};

// Telephone cables by conductor diameter: 0.4, 0.5, 0.7, 0.9 and 1.2 mm.
constexpr TypeRow kCapacitanceTypes[] = {
    {"\xD2\xCF-0.4", 45.0f, 1.4f, 278.0f},         // ТП-0.4
    {"\xD2\xCF-0.5", 45.0f, 1.5f, 180.0f},         // ТП-0.5
    {"\xD2\xC3-0.7", 50.0f, 1.6f, 95.0f},          // ТГ-0.7
    {"\xCA\xD1\xCF\xCF-1x4", 38.0f, 1.7f, 56.8f},  // КСПП-1x4
    {"\xCC\xCA\xD1-4x4", 33.0f, 1.8f, 31.8f},      // МКС-4x4
};
constexpr TypeRow kCrossSectionTypes[] = {
    {"\xD2\xCF-0.4", 0.126f, 1.4f, 139.0f},    {"\xD2\xCF-0.5", 0.196f, 1.5f, 90.0f},
    {"\xD2\xC3-0.7", 0.385f, 1.6f, 47.5f},     {"\xCA\xD1\xCF\xCF-1x4", 0.636f, 1.7f, 28.4f},
    {"\xCC\xCA\xD1-4x4", 1.131f, 1.8f, 15.9f},
};

// Written types until the series ends, each put in its place.
void ReceiveTypes(Session& s, ReflDb& db) {
  for (size_t i = 0;; ++i) {
    const std::optional<std::vector<uint8_t>> record = ReceiveOpenRecord(s, kWrittenTypeSize, i);
    if (!record) return;
    const size_t index = (*record)[0];
    std::vector<uint8_t> type(record->begin() + 1, record->end());
    if (index < db.types.size()) {
      db.types[index] = std::move(type);
    } else if (index == db.types.size() && index < kMaxTypes) {
      db.types.push_back(std::move(type));
    } else {
      std::fprintf(stderr, "sim: cable type %zu beyond the list of %zu\n", index, db.types.size());
    }
  }
}

void Register(int kind, const ReflFamily& family, uint8_t code) {
  RegisterCommand(kind, code,
                  [&family](Session& s) { ReceiveTypes(s, ReflDatabase(family, s.config())); });
}

struct Registrar {
  Registrar() {
    for (int kind : {11, 12, 16}) Register(kind, kNewer, 0x6A);
    Register(14, kKind14, 0x06);
  }
};
const Registrar kRegistrar;

}  // namespace

std::vector<std::vector<uint8_t>> FamilyTypes(int kind) {
  std::vector<std::vector<uint8_t>> types;
  const std::span<const TypeRow> rows =
      kind == 12 ? std::span<const TypeRow>(kCrossSectionTypes) : kCapacitanceTypes;
  for (const TypeRow& row : rows) {
    std::vector<uint8_t> type(kTypeSize, 0);
    std::strncpy(reinterpret_cast<char*>(type.data()), row.name, 18);
    PutFloatLe(&type[19], row.value1);
    PutFloatLe(&type[23], row.factor);
    PutFloatLe(&type[27], row.value3);
    types.push_back(std::move(type));
  }
  return types;
}

}  // namespace sim
