// A listing in the order the file pages show it: ".." first, the other
// folders behind it in the reverse of the order they came, the files after
// them in the order they came.
#ifndef TELVANE_TESTERS_FILES_LISTING_H_
#define TELVANE_TESTERS_FILES_LISTING_H_

#include <span>
#include <vector>

#include "testers/files/file_records.h"

namespace telvane {

std::vector<RemoteEntry> OrderListing(std::span<const FileEntry> received);

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_LISTING_H_
