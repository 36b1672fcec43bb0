// The catalogue of instrument kinds, the probe order of the serial search and
// the link-speed byte that an instrument announces while it is identified.
#ifndef TELVANE_LINK_CATALOGUE_H_
#define TELVANE_LINK_CATALOGUE_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace telvane {

// The kind codes that the serial search probes on every port, in this order.
inline constexpr std::array<uint8_t, 10> kProbeOrder = {20, 19, 18, 17, 11, 9, 8, 7, 4, 2};

// The name the serial search offers and stores (UTF-8).
std::string SerialCatalogueName(uint8_t kind);
// The name the IrDA search stores; empty for kinds 9 and 13, which take the
// name that the IrDA device list reports.
std::string IrdaCatalogueName(uint8_t kind);

inline constexpr char kTextInstrumentName[] = "КВР-ПРО 9.31";

// What an IrDA_BR byte means for the link.
struct LinkSpeed {
  uint32_t baud = 9600;
  // Set for 1..6 (IrDA adapter on the port), cleared for 9..14 (direct
  // cable), nullopt for an unknown byte (flag left as it was).
  std::optional<bool> adapter;
  bool known = false;
};
LinkSpeed SpeedFromIrdaBr(uint8_t irda_br);

}  // namespace telvane

#endif  // TELVANE_LINK_CATALOGUE_H_
