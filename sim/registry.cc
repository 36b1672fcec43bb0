#include "registry.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <utility>

namespace sim {
namespace {

std::map<std::pair<int, int>, CommandHandler>& Table() {
  static std::map<std::pair<int, int>, CommandHandler> table;
  return table;
}

}  // namespace

void RegisterCommand(int kind, uint8_t code, CommandHandler handler) {
  auto [it, inserted] =
      Table().emplace(std::make_pair(kind, static_cast<int>(code)), std::move(handler));
  if (!inserted) {
    std::fprintf(stderr, "telvane-sim: command 0x%02X of kind %d registered twice\n", code, kind);
    std::abort();
  }
}

const CommandHandler* FindCommand(int kind, uint8_t code) {
  auto& table = Table();
  if (auto it = table.find({kind, code}); it != table.end()) return &it->second;
  if (auto it = table.find({kAnyKind, code}); it != table.end()) return &it->second;
  return nullptr;
}

}  // namespace sim
