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
#include "link/frame_codec.h"
#include "link/serial_frames.h"

namespace telvane {
namespace {

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
  CableLink link(port, screen, address, kReflectogramTexts);
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
    // address, samples, sum; each time-out names where the trace stopped.
    std::vector<uint8_t> frame(RecordFrameLength(count, false));
    size_t missing = 0;
    const FrameStatus status =
        ReadRecordFrame(port, frame, false, address, true, nullptr, &missing);
    if (status == FrameStatus::kTimeout || status == FrameStatus::kReadFailed) {
      if (status == FrameStatus::kReadFailed) error("ReadFile()");
      samples.assign(
          frame.begin() + 7,
          frame.begin() + static_cast<std::ptrdiff_t>(std::clamp<size_t>(missing, 7, 7 + count)));
      if (missing < 7) {
        error("TIMEOUT адреса при попытке чтения записи!");
      } else if (missing < 7 + count) {
        error(Sprintf("TIMEOUT чтения записи!\r\n байт № %d,\r\nРефлектограмма№%d",
                      static_cast<int>(missing - 7), static_cast<int>(index)));
        cut_short = true;
      } else {
        error("TIMEOUT чтения к/с записи!");
      }
      return false;
    }
    samples.assign(frame.begin() + 7, frame.end() - 1);
    if (!ReportFrame(screen, kReflectogramTexts.record, status)) return false;
    return ReportFrame(
        screen, kReflectogramTexts.record,
        WriteConfirmation(port, address, Complement(samples.empty() ? 0 : samples[0])));
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
