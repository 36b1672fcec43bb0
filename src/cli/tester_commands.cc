// Tester commands that need no instrument: the cable database memory plan.
#include <cstdio>
#include <string>

#include "base/file_write.h"
#include "cli/command.h"
#include "testers/files/file_checks.h"
#include "testers/files/file_records.h"
#include "testers/files/local_files.h"
#include "testers/plan/memory_plan.h"

namespace telvane::cli {
namespace {

constexpr char kPlanSynopsis[] = "plan --chip C --cables N --sections S [--offset O]";

// Prints the stored values of the plan ("cables", "sections", "first free
// byte", "pairs"), or the refusal on stderr with status 1.
int Plan(Invocation& invocation) {
  auto& args = invocation.args;
  const auto chip = TakeOptional(args, "--chip");
  const auto cables = TakeOptional(args, "--cables");
  const auto sections = TakeOptional(args, "--sections");
  const std::string offset_text = TakeOption(args, "--offset", "2");
  if (!chip || !cables || !sections || !args.empty()) {
    std::fprintf(stderr, "usage: telvane-cli %s\n", kPlanSynopsis);
    return kUsageError;
  }
  const auto chip_code = ParseNumber("--chip", *chip, 0, 255);
  const auto shown = ParseNumber("--cables", *cables, 1, kMaxShownCables);
  // Sections beyond 1..20 are accepted and kept in range, as the page does.
  const auto section_count = ParseNumber("--sections", *sections, 0, 255);
  const auto offset = ParseNumber("--offset", offset_text, 0, 65535);
  if (!chip_code || !shown || !section_count || !offset) return kUsageError;
  const auto plan =
      PlanMemory(ChipCapacity(static_cast<uint8_t>(*chip_code)), static_cast<uint32_t>(*shown),
                 static_cast<uint32_t>(*offset), *section_count);
  if (!plan) {
    invocation.screen->ShowMessage(Icon::kError, "Ошибка", "Введенные параметры БД некорректны!!!");
    return kFailed;
  }
  std::printf("chip: %s\n", ChipName(static_cast<uint8_t>(*chip_code)).c_str());
  std::printf("cables: %lld\n", static_cast<long long>(plan->shown_cables));
  std::printf("sections: %d\n", plan->sections);
  std::printf("first free byte: %u\n", plan->first_free_byte);
  std::printf("pairs: %u\n", plan->pairs);
  return 0;
}

constexpr char kMaskSynopsis[] = "mask check FILE";
constexpr char kUpdateSynopsis[] = "update check FILE [--out DATA]";

// The checks the masks page makes before sending a mask, in its order.
int MaskCheck(Invocation& invocation) {
  auto& args = invocation.args;
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: telvane-cli %s\n", kMaskSynopsis);
    return kUsageError;
  }
  Screen& screen = *invocation.screen;
  const std::string& path = args[0];
  if (!IsMaskFileName(LocalFileName(path))) {
    screen.ShowMessage(Icon::kError, "Telvane", kBadMaskExtension);
    return kFailed;
  }
  // One byte more than a mask may hold tells a mask too large.
  const auto mask = ReadWholeLocalFile(screen, path, kMaxMaskSize + 1);
  if (!mask) return kFailed;
  if (mask->size() > kMaxMaskSize) {
    screen.ShowMessage(Icon::kError, "Ошибка", kMaskTooLarge);
    return kFailed;
  }
  if (!MaskLinesValid(
          std::string_view(reinterpret_cast<const char*>(mask->data()), mask->size()))) {
    screen.ShowMessage(Icon::kError, "Ошибка", kMaskSpoilt);
    return kFailed;
  }
  std::printf("mask: %zu bytes\n", mask->size());
  return 0;
}

// The update check of the database service page: the data length, and the
// transformed bytes written to DATA.
int UpdateCheck(Invocation& invocation) {
  auto& args = invocation.args;
  const auto out = TakeOptional(args, "--out");
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: telvane-cli %s\n", kUpdateSynopsis);
    return kUsageError;
  }
  Screen& screen = *invocation.screen;
  const auto file = ReadWholeLocalFile(screen, args[0], kMaxRemoteFileSize);
  if (!file) return kFailed;
  const auto data = UpdateFileCheck(*file);
  if (!data) {
    screen.ShowMessage(Icon::kError, "Ошибка", kBadUpdateFile);
    return kFailed;
  }
  std::printf("data length: %zu\n", data->size());
  if (out && !ReplaceWholeFile(screen, *out, *data)) return kFailed;
  return 0;
}

}  // namespace

void RegisterTesterCommands(CommandTable& table) {
  AddE1Commands(table);
  table.push_back({"plan", kPlanSynopsis,
                   "the cable database memory plan of a chip (0 none, 1 2K, 2 32K): cables shown, "
                   "sections, first free byte, pairs",
                   Plan});
  table.push_back({"mask check", kMaskSynopsis,
                   "check a mask file as the masks page does before sending it", MaskCheck});
  table.push_back({"update check", kUpdateSynopsis,
                   "check a \"*.update\" file; print the data length, write the data sent",
                   UpdateCheck});
}

}  // namespace telvane::cli
