#include "cable/reflectogram_transfer.h"

#include <sys/stat.h>

#include <algorithm>

#include "base/cp1251.h"
#include "base/file_write.h"
#include "base/sprintf.h"
#include "base/values.h"
#include "cable/cable_link.h"
#include "cable/cable_transfer.h"
#include "cable/folder_names.h"

namespace telvane {
namespace {

const TransferMessages kReflectogramMessages = {"Ошибка",
                                                "WriteFile()",
                                                "ReadFile()",
                                                "TIMEOUT подтверждения команды!",
                                                "TIMEOUT контрольной суммы подтверждения команды!",
                                                "TIMEOUT чтения записи!\r\n байт № %d"};

constexpr char kTdrMagic[4] = {'T', 'V', 'R', 'T'};

bool WriteFile(Screen& screen, const std::string& path, std::span<const uint8_t> bytes) {
  return WriteWholeFile(screen, path, bytes, WriteFailure::kFileName);
}

bool WriteFile(Screen& screen, const std::string& path, std::string_view text) {
  return WriteWholeFile(screen, path, text, WriteFailure::kFileName);
}

}  // namespace

std::string ReflectogramStem(const ReflectogramEntry& e) {
  return Sprintf("r_%.2u_%.2u_%.2u_%.2u_%.2u_%.2u", static_cast<unsigned>(e.date_byte(4)),
                 static_cast<unsigned>(e.date_byte(5)), static_cast<unsigned>(e.date_byte(6)),
                 static_cast<unsigned>(e.date_byte(3)), static_cast<unsigned>(e.date_byte(2)),
                 static_cast<unsigned>(e.date_byte(1)));
}

std::vector<uint8_t> ReflectogramTdr(const ReflectogramEntry& entry, uint8_t index,
                                     const std::string& cable_name,
                                     const std::vector<uint8_t>& samples) {
  std::vector<uint8_t> out(37, 0);
  std::copy(std::begin(kTdrMagic), std::end(kTdrMagic), out.begin());
  out[4] = index;
  out[5] = entry.cable_index();
  for (int i = 1; i <= 6; ++i) out[5 + static_cast<size_t>(i)] = entry.date_byte(i);
  StoreLe16(static_cast<uint16_t>(samples.size()), &out[12]);
  StoreLe16(entry.sample_count(), &out[14]);
  WriteTextField(&out[16], 21, 20, cable_name);
  out.insert(out.end(), samples.begin(), samples.end());
  return out;
}

std::string ReflectogramCsv(const std::vector<uint8_t>& samples) {
  std::string out;
  for (const uint8_t s : samples) out += Sprintf("%d;\r\n", static_cast<int>(s));
  return out;
}

std::vector<uint8_t> ReflectogramWv(const std::vector<uint8_t>& samples) {
  std::vector<uint8_t> out(4 + 2 * samples.size());
  StoreLe32(static_cast<uint32_t>(samples.size()), out.data());
  for (size_t i = 0; i < samples.size(); ++i) StoreLe16(samples[i], &out[4 + 2 * i]);
  return out;
}

bool ReceiveReflectogram(ByteChannel& port, Screen& screen, const InstrumentInfo& instrument,
                         uint8_t index, const ReflectogramEntry& entry,
                         const std::string& cable_name, const std::string& folder,
                         ReceivedTrace* trace) {
  const Address address = instrument.address();
  CableLink link(port, screen, address, kReflectogramMessages);
  auto error = [&](const std::string& text) { screen.ShowMessage(Icon::kError, "Ошибка", text); };
  const size_t count = entry.sample_count();
  std::vector<uint8_t> samples;
  samples.reserve(count);

  // The exchange; `cut_short` is set when the samples stopped coming.
  bool cut_short = false;
  auto exchange = [&] {
    if (!link.Prepare(256, 1, 5000) || !link.SendCommand(cable_code::kReceiveReflectogram) ||
        !link.SendIndex(index, /*report_sums=*/true)) {
      return false;
    }
    uint8_t byte = 0;
    unsigned sum = 0;
    auto read = [&](uint8_t& b) {
      const ByteChannel::Read r = port.ReadByte(b);
      if (r == ByteChannel::Read::kError) error("ReadFile()");
      return r == ByteChannel::Read::kByte;
    };
    std::array<uint8_t, 7> received_address;
    for (auto& b : received_address) {
      if (!read(b)) {
        error("TIMEOUT адреса при попытке чтения записи!");
        return false;
      }
      sum += b;
    }
    for (size_t i = 0; i < count; ++i) {
      if (!read(byte)) {
        error(Sprintf("TIMEOUT чтения записи!\r\n байт № %d,\r\nРефлектограмма№%d",
                      static_cast<int>(i), static_cast<int>(index)));
        cut_short = true;
        return false;
      }
      sum += byte;
      samples.push_back(byte);
    }
    if (!read(byte)) {
      error("TIMEOUT чтения к/с записи!");
      return false;
    }
    if (static_cast<uint8_t>(sum) != byte) {
      error("Неверная контрольная сумма записи");
      return false;
    }
    if (!std::equal(address.begin(), address.end(), received_address.begin())) {
      error("Ошибка адреса");
      return false;
    }
    std::array<uint8_t, 9> confirm;
    std::copy(address.begin(), address.end(), confirm.begin());
    confirm[7] = static_cast<uint8_t>(~(samples.empty() ? 0 : samples[0]));
    confirm[8] = Sum8(std::span(confirm).first(8));
    for (const uint8_t b : confirm) {
      if (!port.WriteByte(b)) {
        error("WriteFile()");
        return false;
      }
    }
    return true;
  };
  const bool received = exchange();
  const bool restored = link.Restore();

  std::vector<std::string> files;
  bool written = true;
  if (received || cut_short) {
    std::string path = JoinPath(folder, SafeFolderName(cable_name));
    ::mkdir(path.c_str(), 0755);
    path += "/Рефлектограммы";
    ::mkdir(path.c_str(), 0755);
    const std::string stem = path + "/" + ReflectogramStem(entry);
    const auto tdr = ReflectogramTdr(entry, index, cable_name, samples);
    if (received) {
      written = WriteFile(screen, stem + ".tdr", tdr) &&
                WriteFile(screen, stem + ".csv", ReflectogramCsv(samples)) &&
                WriteFile(screen, stem + ".wv", ReflectogramWv(samples));
      files = {stem + ".tdr", stem + ".csv", stem + ".wv"};
    } else {
      WriteFile(screen, stem + "_ERR.tdr", tdr);
      files = {stem + "_ERR.tdr"};
    }
  }
  if (trace != nullptr) {
    trace->samples = samples;
    trace->complete = received;
    trace->files = files;
  }
  return received && restored && written;
}

}  // namespace telvane
