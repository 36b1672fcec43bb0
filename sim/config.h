// What the simulated instrument is and which faults it plays, from the
// command line.
#ifndef TELVANE_SIM_CONFIG_H_
#define TELVANE_SIM_CONFIG_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sim {

enum class SyncFault { kNone, kKind, kSerial, kInvert, kSum, kSilent };

struct Faults {
  // Records sent with a wrong sum: the record numbered `bad_sum_record`
  // (0-based, counting every record sent after the synchronisation), on its
  // first `bad_sum_times` sends.
  long bad_sum_record = -1;
  int bad_sum_times = 1;
  // Every frame after the synchronisation carries another serial number.
  bool foreign_serial = false;
  // Only records do (confirmations stay correct).
  bool foreign_serial_records = false;
  // A wrong control sum in the identification.
  bool bad_id_sum = false;
  // Echo every byte back and nothing else.
  bool echo = false;
  // Never send anything.
  bool silent = false;
  // Synchronisation answers wrongly (or not at all).
  SyncFault sync = SyncFault::kNone;
  // Numbered records carry a slot number beyond the table.
  bool bad_slot = false;
  // Text protocol: the reply ends without its trailer.
  bool no_trailer = false;
  // Stop sending after this many bytes.
  long silence_after = -1;
  // File service: this command code is not confirmed.
  int unconfirmed_code = -1;
  // File service: a listing stops half way, without its end entry.
  bool short_listing = false;
  // File service: records from the program are confirmed with 1, not 0xFE.
  bool bad_confirm_byte = false;
  // File service, kind 17: the listing also holds paths that point outside.
  bool hostile_listing = false;
};

struct Config {
  int kind = 0;  // 1..20, or 255 for the text-protocol instrument
  std::array<uint8_t, 6> serial{};
  uint8_t baud_code = 13;  // the IrDA_BR byte announced
  long pace = 0;
  bool trace = false;
  Faults faults;
  // Generated data.
  int cables = 3;
  // The full family's maximum number of cables (header byte 21).
  int max_cables = 50;
  int reflectograms = 2;
  int text_records = 12;
  // Firmware version reported in the database information of kinds 11, 12
  // and 16, and the instrument version of kind 17.
  float firmware = 8.0f;
  // xDSL logs held by kinds 11, 12 and 16.
  int xdsl_logs = 3;
  // Sheet version of kinds 13 and 14 (302 and above: kind 13's second page).
  float sheet_version = 301.0f;
  // Served over the emulated IrDA socket rather than a serial port.
  bool irda = false;
  // Measurements stored in the armour-wear meter (kind 8).
  int wear_count = 300;
  // File service (kinds 17, 18): the folder served as the instrument's "/"
  // (empty: a generated one).
  std::string fs_dir;
  // The tester information of kinds 19 and 20 (-1: the kind's default).
  long tester_info = -1;
  // Text protocol: total reply length (0: as long as the records make it).
  size_t text_size = 0;
};

}  // namespace sim

#endif  // TELVANE_SIM_CONFIG_H_
