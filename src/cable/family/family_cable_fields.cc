#include "cable/family/family_cable_fields.h"

namespace telvane {
namespace {

// Kind 10: u16 at 0, sections at 2, 20 sections of 17 bytes from 3.
constexpr FamilyCableFields k343Fields = {
    .page = PageId::kCables10,
    .pairs = std::nullopt,
    .section_count = 2,
    .temperature = std::nullopt,
    .number = std::nullopt,
    .option = std::nullopt,
    .sections = 3,
    .section_size = 17,
    .section_limit = 20,
    .shown_sections = 20,
    .has_value4 = false,
};

// Kinds 11, 12 and 16: the extended block; the page shows five sections.
constexpr FamilyCableFields k435Fields = {
    .page = PageId::kCables11,
    .pairs = 2,
    .section_count = 4,
    .temperature = 5,
    .number = 9,
    .option = 10,
    .sections = 15,
    .section_size = 21,
    .section_limit = 20,
    .shown_sections = 5,
    .has_value4 = true,
};

// Kind 14: name at 0, sections at 41, pairs at 42, temperature at 44, eight
// sections of 21 bytes from 48.
constexpr FamilyCableFields k233Fields = {
    .page = PageId::kCables14,
    .pairs = 42,
    .section_count = 41,
    .temperature = 44,
    .number = std::nullopt,
    .option = std::nullopt,
    .sections = 48,
    .section_size = 21,
    .section_limit = 8,
    .shown_sections = 8,
    .has_value4 = true,
};

}  // namespace

const FamilyCableFields& CableFieldsOf(Family family) {
  switch (family) {
    case Family::k343:
      return k343Fields;
    case Family::k435:
      return k435Fields;
    case Family::k233:
      return k233Fields;
  }
  return k435Fields;
}

}  // namespace telvane
