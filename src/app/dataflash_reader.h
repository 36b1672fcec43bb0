// The first transfer of the data-flash reader (kind 15): the whole 1 MiB image
// of the instrument's flash, saved to a file the user chooses.
#ifndef TELVANE_APP_DATAFLASH_READER_H_
#define TELVANE_APP_DATAFLASH_READER_H_

#include <cstddef>

#include "base/screen.h"
#include "link/exchange.h"

namespace telvane {

inline constexpr size_t kDataflashSize = 1048576;
inline constexpr uint8_t kDataflashReadCommand = 1;

// Command 1, one record of kDataflashSize bytes, then the save dialog and the
// file. True when the file was written.
bool ReadDataflash(Screen& screen, Exchange& exchange, const Address& address);

}  // namespace telvane

#endif  // TELVANE_APP_DATAFLASH_READER_H_
