#include "testers/files/listing.h"

#include "testers/files/remote_paths.h"

namespace telvane {

std::vector<RemoteEntry> OrderListing(std::span<const FileEntry> received) {
  std::vector<RemoteEntry> ordered;
  bool parent_seen = false;
  for (const FileEntry& entry : received) {
    RemoteEntry item{entry.path(), entry.size()};
    if (!item.is_folder()) {
      ordered.push_back(std::move(item));
      continue;
    }
    // A folder goes to the front, or right behind ".." once it came.
    const bool is_parent = item.name == kParentName;
    const size_t at = parent_seen && !is_parent ? 1 : 0;
    ordered.insert(ordered.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    parent_seen = parent_seen || is_parent;
  }
  return ordered;
}

}  // namespace telvane
