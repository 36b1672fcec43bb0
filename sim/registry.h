// Where a personality of the simulator plugs in: a handler for one command
// code of one instrument kind.
//
// The framework (binary_instrument.cc) answers the identification probe and
// the synchronisation, then reads 9-byte command frames (address, code, sum).
// For a frame whose sum and address check out it looks up (kind, code), then
// (kAnyKind, code); when a handler is registered it sends the command
// confirmation (address, complement of the code, sum) and calls the handler
// with the session, which then moves the command's records through the
// Session interface (session.h). A code without a handler is not confirmed,
// as an instrument ignores a command it does not know. Code 0xFF (end of
// session) is the framework's own.
//
// A file registers its handlers at start-up with a static registrar:
//
//   static const sim::CommandRegistrar kReadTypes(
//       2, 0x05, [](sim::Session& s) { ... s.SendRecord(bytes, number); ... });
//
// Built in: 0x10 (kind 6), 0x20 (kinds 4 and 7), 0x01 (kind 15).
// Registering the same (kind, code) twice stops the simulator at start-up.
#ifndef TELVANE_SIM_REGISTRY_H_
#define TELVANE_SIM_REGISTRY_H_

#include <cstdint>
#include <functional>

#include "session.h"

namespace sim {

inline constexpr int kAnyKind = -1;

using CommandHandler = std::function<void(Session& session)>;

// Registers a handler; `kind` is an instrument kind or kAnyKind.
void RegisterCommand(int kind, uint8_t code, CommandHandler handler);
// The handler for (kind, code), else (kAnyKind, code); nullptr when none.
const CommandHandler* FindCommand(int kind, uint8_t code);

struct CommandRegistrar {
  CommandRegistrar(int kind, uint8_t code, CommandHandler handler) {
    RegisterCommand(kind, code, std::move(handler));
  }
};

}  // namespace sim

#endif  // TELVANE_SIM_REGISTRY_H_
