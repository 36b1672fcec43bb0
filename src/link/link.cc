#include "link/link.h"

#include "link/initial_transfer.h"
#include "link/irda_session.h"

namespace telvane {

Link::Link(Screen& screen) : screen_(screen), serial_(channel_, screen, info_) {
  InstallBuiltInInitialTransfers(*this);
  // The IrDA socket of the session, tried first by the start-up search.
  InstallIrda(*this);
}

Link::~Link() = default;

Exchange& Link::Active() {
  if (kind_ == LinkKind::kIrda && irda_ != nullptr) return *irda_;
  return serial_;
}

bool Link::SendCommand(const Address& address, uint8_t code, Wait wait) {
  return Active().SendCommand(address, code, wait);
}

bool Link::ReceiveRecord(const Address& address, uint8_t* destination, size_t length,
                         ConfirmSource confirm, Progress progress, Wait wait) {
  return Active().ReceiveRecord(address, destination, length, confirm, progress, wait);
}

bool Link::SendRecord(const Address& address, const uint8_t* data, size_t length, uint8_t expected,
                      Progress progress, Wait wait) {
  return Active().SendRecord(address, data, length, expected, progress, wait);
}

bool Link::ReceiveBlock(uint8_t* destination, size_t length, Progress progress,
                        ConfirmSource confirm, Wait wait) {
  return Active().ReceiveBlock(destination, length, progress, confirm, wait);
}

bool Link::SendBlock(const uint8_t* data, size_t length, Progress progress, ConfirmSource expected,
                     Wait wait) {
  return Active().SendBlock(data, length, progress, expected, wait);
}

bool Link::Disconnect() { return Active().Disconnect(); }

}  // namespace telvane
