#include "cable/family/family_layout.h"

#include "link/transaction_table.h"

namespace telvane {

const FamilyLayout kFamily343 = {
    .family = Family::k343,
    .read_info = 0x50,
    .read_cables = 0x53,
    .write_one = 0x51,
    .write_all = 0x52,
    .read_one = 0x54,
    .read_types = 0,
    .write_types = 0,
    .has_reflectograms = true,
    .block_size = 343,
    .name_offset = 343,
    .name_size = 17,
    .status_offset = 360,
    .record_size = 380,
    .record_wait = kCableRecordWait,
};

const FamilyLayout kFamily435 = {
    .family = Family::k435,
    .read_info = 0x60,
    .read_cables = 0x63,
    .write_one = 0x61,
    .write_all = 0x62,
    .read_one = 0x64,
    .read_types = 0x65,
    .write_types = 0x6A,
    .has_reflectograms = true,
    .block_size = 435,
    .name_offset = 435,
    .name_size = 41,
    .status_offset = 476,
    .record_size = 496,
    .record_wait = kCableRecordWait,
};

const FamilyLayout kFamily233 = {
    .family = Family::k233,
    .read_info = 0x00,
    .read_cables = 0x01,
    .write_one = 0x04,
    .write_all = 0x02,
    .read_one = 0,
    .read_types = 0x03,
    .write_types = 0x06,
    .has_reflectograms = false,
    .block_size = 233,
    .name_offset = 0,
    .name_size = 41,
    .status_offset = 0,
    .record_size = 233,
    .record_wait = kRecordWait,
};

}  // namespace telvane
