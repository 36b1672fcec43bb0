#include "storage/trace/rfg_file.h"

#include <algorithm>

#include "storage/trace/trace_file_io.h"
#include "storage/trace/trace_firmware.h"

namespace telvane {
namespace {

constexpr size_t kRfg11Size = 4 + CableBlock::kCompactSize + ReflectogramRecord::kCompactSize;
// Far more than any version holds (the full name is at most 41 bytes).
constexpr size_t kReadLimit = 4096;

void AppendFullName(ByteWriter& out, const ReflectogramRecord& record) {
  const std::string name = record.name_bytes();
  out.U32(static_cast<uint32_t>(name.size() + 1));
  out.Bytes({reinterpret_cast<const uint8_t*>(name.data()), name.size()});
  out.U8(0);
}

// The extended record with the first `length` bytes taken from the file.
bool ReadExtendedRecord(ByteReader& in, size_t length, ReflectogramRecord& record) {
  ReflectogramRecord read(RecordForm::kExtended);
  if (!in.Bytes(length, read.bytes().data())) return false;
  record = read;
  return true;
}

bool ReadBlock(ByteReader& in, RecordForm form, CableBlock& block) {
  CableBlock read(form);
  if (!in.Bytes(read.size(), read.bytes().data())) return false;
  block = read;
  return true;
}

}  // namespace

float RfgVersionValue(RfgVersion version) {
  switch (version) {
    case RfgVersion::k11:
      return 1.1f;
    case RfgVersion::k12:
      return 1.2f;
    case RfgVersion::k20:
      return 2.0f;
    case RfgVersion::k30:
      return 3.0f;
    case RfgVersion::k40:
      return 4.0f;
  }
  return 0.0f;
}

RfgVersion RfgVersionForFirmware(int firmware) {
  if (firmware >= kFirmware160Samples) return RfgVersion::k40;
  if (firmware >= kFirmwareLongName) return RfgVersion::k30;
  return RfgVersion::k12;
}

bool WriteRfg(Screen& screen, const std::string& path, RfgVersion version, const CableBlock& block,
              const ReflectogramRecord& record) {
  ByteWriter out;
  out.Float(RfgVersionValue(version));
  switch (version) {
    case RfgVersion::k11:
    case RfgVersion::k12: {
      out.Bytes(ToCompact(block).bytes());
      out.Bytes(ToCompact(record).bytes());
      if (version == RfgVersion::k12) AppendFullName(out, record);
      break;
    }
    case RfgVersion::k20:
    case RfgVersion::k30:
    case RfgVersion::k40: {
      CableBlock extended_block = block;
      if (block.form() == RecordForm::kCompact) {
        extended_block = CableBlock(RecordForm::kExtended);
        FillExtended(block, extended_block);
      }
      const ReflectogramRecord extended = ToExtended(record);
      out.Bytes(extended_block.bytes());
      out.Bytes(extended.bytes().first(version == RfgVersion::k40 ? 233 : 201));
      AppendFullName(out, extended);
      break;
    }
  }
  return WriteTraceFile(screen, path, out.bytes());
}

bool WriteRfgOlder(Screen& screen, const std::string& path, const CableBlock& block,
                   const ReflectogramRecord& record) {
  return WriteRfg(screen, path, RfgVersion::k11, block, record);
}

bool WriteRfgNewer(Screen& screen, const std::string& path, const CableBlock& block,
                   const ReflectogramRecord& record, int firmware) {
  return WriteRfg(screen, path, RfgVersionForFirmware(firmware), block, record);
}

bool ReadRfgOlder(Screen& screen, const std::string& path, CableBlock& block,
                  ReflectogramRecord& record) {
  std::vector<uint8_t> bytes;
  uint64_t size = 0;
  if (!ReadTraceFile(screen, path, kReadLimit, bytes, size)) return false;
  ByteReader in(bytes);
  const float version = in.Float();
  if (!in.ok()) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  const bool accepted = version == 1.2f || (version == 1.1f && size == kRfg11Size);
  if (!accepted) {
    ShowFileError(screen, kRfgBadFormat, path);
    return false;
  }
  CableBlock new_block(RecordForm::kCompact);
  ReflectogramRecord new_record(RecordForm::kCompact);
  if (!in.Bytes(new_block.size(), new_block.bytes().data()) ||
      !in.Bytes(new_record.size(), new_record.bytes().data())) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  block = new_block;
  record = new_record;
  return true;
}

bool ReadRfgNewer(Screen& screen, const std::string& path, int firmware, CableBlock& block,
                  ReflectogramRecord& record) {
  std::vector<uint8_t> bytes;
  uint64_t size = 0;
  if (!ReadTraceFile(screen, path, kReadLimit, bytes, size)) return false;
  ByteReader in(bytes);
  const float version = in.Float();
  if (!in.ok()) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  CableBlock new_block = block;
  ReflectogramRecord new_record(RecordForm::kExtended);
  bool read_ok;
  if (version == 4.0f || version == 3.0f || version == 2.0f) {
    size_t length = 197;
    if (version == 4.0f) {
      length = 233;
    } else if (version == 3.0f) {
      if (firmware >= kFirmwareLongName && firmware < kFirmware160Samples) length = 201;
    } else if (firmware >= kFirmwareLongName) {
      length = 201;
    }
    read_ok = ReadBlock(in, RecordForm::kExtended, new_block) &&
              ReadExtendedRecord(in, length, new_record);
  } else if (version == 1.1f || version == 1.2f) {
    CableBlock compact_block(RecordForm::kCompact);
    ReflectogramRecord compact(RecordForm::kCompact);
    read_ok = ReadBlock(in, RecordForm::kCompact, compact_block) &&
              in.Bytes(compact.size(), compact.bytes().data());
    if (read_ok) {
      if (new_block.form() != RecordForm::kExtended) new_block = CableBlock(RecordForm::kExtended);
      FillExtended(compact_block, new_block);
      new_record = ToExtended(compact);
    }
  } else {
    ShowFileError(screen, kRfgUnknownVersion, path);
    return false;
  }
  if (!read_ok) {
    ShowFileError(screen, kReadFileError, path);
    return false;
  }
  block = new_block;
  record = new_record;
  return true;
}

}  // namespace telvane
