#include "link/irda_link.h"

#include <cstdio>

#include "base/cp1251.h"

namespace telvane {

namespace {

constexpr char kChoiceCaption[] = "Выбор IrDA уствройства для попытки соединения";

}  // namespace

IrdaLink::IrdaLink(std::unique_ptr<IrdaStack> stack, Screen& screen)
    : stack_(std::move(stack)), screen_(screen) {}

IrdaLink::~IrdaLink() {
  CloseIrda();
  if (started_) stack_->Cleanup();
}

bool IrdaLink::ConnectIrda(InstrumentInfo& info, LinkKind& link_kind) {
  info.session = false;
  link_kind = LinkKind::kSerial;

  if (!started_) {
    uint16_t granted = 0;
    if (!stack_->Startup(kIrdaLibraryVersion, granted)) return false;
    if (granted != kIrdaLibraryVersion) {
      stack_->Cleanup();
      return false;
    }
    started_ = true;
  }

  CloseIrda();
  IrdaAddress address = IrClientAddress(DeviceId{});

  socket_ = stack_->OpenSocket(kIrdaFamily, kStreamSocket, 0);
  if (socket_ == IrdaStack::kNoSocket) {
    last_error_ = stack_->LastError();
    return false;
  }

  uint8_t list[kDeviceListSize] = {};
  devices_.clear();
  chosen_ = -1;
  if (stack_->EnumerateDevices(socket_, list, sizeof(list)))
    devices_ = ParseDeviceList(list, sizeof(list));
  if (devices_.empty()) {
    CloseIrda();
    return false;
  }

  std::vector<std::string> names;
  for (const DeviceEntry& device : devices_) names.push_back(Cp1251ToUtf8(device.name));
  const std::optional<int> choice = screen_.ChooseFromList(kChoiceCaption, names, 0);
  if (!choice || *choice < 0 || *choice >= static_cast<int>(devices_.size())) return false;
  chosen_ = *choice;

  address.device = devices_[chosen_].id;
  if (!stack_->Connect(socket_, address)) {
    last_error_ = stack_->LastError();
    ShowSocketError("Невозможно соединение с устройством. Ошибка: %d");
    CloseIrda();
    return false;
  }
  connected_ = true;
  return true;
}

bool IrdaLink::WaitSocket(Wait wait, WaitMode mode) {
  if (!connected()) return false;
  const int ready = stack_->Select(socket_, mode, wait);
  if (ready < 0) {
    last_error_ = stack_->LastError();
    ShowSocketError("Ошибка ожидания данных. Ошибка: %d");
    return false;
  }
  return ready > 0;
}

void IrdaLink::CloseIrda() {
  if (socket_ != IrdaStack::kNoSocket) stack_->Close(socket_);
  socket_ = IrdaStack::kNoSocket;
  connected_ = false;
}

long IrdaLink::Send(const uint8_t* data, size_t length) {
  const long sent = connected() ? stack_->Send(socket_, data, length) : -1;
  send_failed_ = sent < 0;
  if (sent < 0) last_error_ = connected() ? stack_->LastError() : 0;
  return sent;
}

long IrdaLink::Receive(uint8_t* data, size_t length) {
  last_result_ = connected() ? stack_->Receive(socket_, data, length) : -1;
  if (last_result_ < 0) last_error_ = connected() ? stack_->LastError() : 0;
  return last_result_;
}

std::string IrdaLink::ChosenDeviceName() const {
  if (chosen_ < 0 || chosen_ >= static_cast<int>(devices_.size())) return {};
  return Cp1251ToUtf8(devices_[chosen_].name);
}

void IrdaLink::ShowError(const std::string& caption, const std::string& text) {
  screen_.ShowMessage(Icon::kError, caption, text);
}

void IrdaLink::ShowSocketError(const char* format) {
  char text[160];
  std::snprintf(text, sizeof(text), format, last_error_);
  ShowError("Ошибка", text);
}

}  // namespace telvane
