// Feeds arbitrary bytes to the readers of the file service: the bytes cut
// into 259-byte file entries and ordered as a listing, every path through the
// folder pages' path rules (a path accepted must never climb out), the
// database information record, the update and mask checks, and the 9-byte
// confirmation of a long record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "link/byte_channel.h"
#include "link/long_record.h"
#include "testers/files/file_checks.h"
#include "testers/files/file_records.h"
#include "testers/files/listing.h"
#include "testers/files/remote_paths.h"

namespace {

// Takes every write, answers reads from the input.
class FuzzChannel : public telvane::ByteChannel {
 public:
  explicit FuzzChannel(std::span<const uint8_t> input) : input_(input) {}
  bool SetQueues(size_t, size_t) override { return true; }
  bool Purge() override { return true; }
  bool SetEventMask() override { return true; }
  bool SetReadTimeout(int) override { return true; }
  bool WriteByte(uint8_t) override { return true; }
  Read ReadByte(uint8_t& byte) override {
    if (next_ >= input_.size()) return Read::kTimeout;
    byte = input_[next_++];
    return Read::kByte;
  }

 private:
  std::span<const uint8_t> input_;
  size_t next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telvane;
  const std::span<const uint8_t> input(data, size);
  std::vector<FileEntry> entries;
  for (size_t at = 0; at + FileEntry::kSize <= size && entries.size() < 64;
       at += FileEntry::kSize) {
    FileEntry entry;
    entry.Assign(input.subspan(at, FileEntry::kSize));
    entries.push_back(entry);
  }
  for (const RemoteEntry& entry : OrderListing(entries)) {
    (void)TopLevelFolder(entry.name);
    (void)ParentFolder(entry.name);
    (void)Extension(entry.name);
    if (auto local = SafeRelativePath(AfterFirstSeparator(entry.name))) {
      if (local->empty() || local->front() == '/' || local->find(':') != std::string::npos) {
        std::abort();
      }
      for (size_t start = 0; start <= local->size();) {
        size_t end = local->find('/', start);
        if (end == std::string::npos) end = local->size();
        if (std::string_view(*local).substr(start, end - start) == "..") std::abort();
        start = end + 1;
      }
    }
  }
  if (size >= DbInfoRecord::kSize) {
    DbInfoRecord record;
    record.Assign(input.first(DbInfoRecord::kSize));
    (void)record.version();
    (void)record.database_size();
  }
  if (auto update = UpdateFileCheck(input.first(std::min<size_t>(size, 4096)))) {
    if (update->size() + 1 != std::min<size_t>(size, 4096)) std::abort();
  }
  (void)MaskLinesValid(std::string_view(reinterpret_cast<const char*>(data), size));

  FuzzChannel channel(input.first(std::min<size_t>(size, 9)));
  fuzz::SilentScreen screen;
  const Address address = {18, '1', '2', '3', '4', '5', '6'};
  const std::vector<uint8_t> record(std::min<size_t>(size, 64), 0x55);
  SendLongRecord(channel, screen, address, record, kLoaderChunks, [](std::chrono::milliseconds) {});
  return 0;
}
