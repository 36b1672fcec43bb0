// The older cable instrument that speaks only a text protocol: it answers
// the query "Is it QVR?" at 19200 baud with its planned measurements as text,
// framed by a fixed header and trailer.
#ifndef TELVANE_LINK_TEXT_INSTRUMENT_H_
#define TELVANE_LINK_TEXT_INSTRUMENT_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "link/link.h"

namespace telvane {

inline constexpr char kTextQuery[] = "Is it QVR?";
inline constexpr char kTextHeader[] = "QVR 00009.31";
inline constexpr char kTextTrailer[] = "#close#";
// The receive buffer: a longer reply is cut here and judged by its last bytes.
inline constexpr size_t kTextReplyLimit = 139119;
// Records kept from one reply (as many 26-byte records as the reply buffer
// holds); later ones are dropped.
inline constexpr size_t kTextRecordLimit = kTextReplyLimit / 26;
// A record text longer than this is cut.
inline constexpr size_t kTextRecordChars = 255;

// One planned measurement of the text instrument: two bytes (the two
// integers), then six little-endian 32-bit floats.
using TextRecord = std::array<uint8_t, 26>;

// Splits a reply body into records: each is "Y", one skipped character, then
// the record text up to "X". Text before the first "Y" is ignored; a record
// without its closing "X" ends the parsing.
std::vector<TextRecord> ParseTextRecords(std::string_view body,
                                         size_t max_records = kTextRecordLimit);
// One record text: two comma-terminated integers, then six ';'-terminated
// fields (three capacitances, three insulation resistances).
TextRecord ParseTextRecord(std::string_view text);

// Shown while the reply comes in, after its header checked out: the name for
// the information page and the speed text for the main window.
using TextReceivingHook = std::function<void(const std::string& name, const std::string& speed)>;

// Closes the session port, clears the session flag, then tries ports 1 to 254
// at 19200 baud. On success fills link.info() (kind 255, serial "------", the
// name, status 0, session flag set), sets IrDA_BR 2, keeps the reply and its
// records in link.initial() and returns true; the port is closed either way.
bool TryTextInstrument(Link& link, const TextReceivingHook& receiving = {});

}  // namespace telvane

#endif  // TELVANE_LINK_TEXT_INSTRUMENT_H_
