#include "testers/e1/e1_document.h"

#include "testers/e1/e1_page_file.h"
#include "testers/e1/e1_protocol.h"
#include "testers/e1/e1_summary.h"
#include "testers/report_sheet.h"

namespace telvane {

std::vector<std::string> E1Document::ListLines() const {
  std::vector<std::string> lines;
  for (size_t i = 0; i < files_.size(); ++i) {
    lines.push_back(E1ListLine(static_cast<int>(i) + 1, files_[i]));
  }
  return lines;
}

const E1File* E1Document::selected_file() const {
  if (selected_ < 0 || selected_ >= file_count()) return nullptr;
  return &files_[static_cast<size_t>(selected_)];
}

std::string E1Document::SummaryText() const {
  const E1File* file = selected_file();
  return file != nullptr ? E1SummaryText(*file) : std::string();
}

std::vector<std::string> E1Document::RecordStamps() const {
  std::vector<std::string> stamps;
  if (const E1File* file = selected_file()) {
    for (const E1Record& record : file->records) {
      stamps.push_back(E1RecordStamp(file->header, record));
    }
  }
  return stamps;
}

std::vector<E1ResultSection> E1Document::IntervalResults() const {
  const E1File* file = selected_file();
  if (file == nullptr || selected_record_ < 0 ||
      selected_record_ >= static_cast<int>(file->records.size())) {
    return {};
  }
  return E1Results(IntervalOf(file->records, static_cast<size_t>(selected_record_)), file->header);
}

void E1Document::Clear() {
  files_.clear();
  selected_ = -1;
  selected_record_ = -1;
}

void E1Document::Append(E1File file) { files_.push_back(std::move(file)); }

void E1Document::Select(int index) {
  if (index < 0 || index >= file_count()) return;
  selected_ = index;
  selected_record_ = files_[static_cast<size_t>(index)].records.empty() ? -1 : 0;
}

void E1Document::SelectRecord(int index) {
  const E1File* file = selected_file();
  if (file == nullptr || index < 0 || index >= static_cast<int>(file->records.size())) return;
  selected_record_ = index;
}

bool E1Document::SavePage(Screen& screen) {
  if (selected_file() == nullptr) return false;
  const auto choice = screen.ChooseSaveFile(E1PageFileDialog());
  return choice && SavePageTo(screen, choice->path);
}

bool E1Document::SavePageTo(Screen& screen, const std::string& path) {
  const E1File* file = selected_file();
  return file != nullptr && SaveE1PageFile(screen, *file, path);
}

bool E1Document::LoadPage(Screen& screen) {
  const auto choice = screen.ChooseOpenFile(E1PageFileDialog());
  return choice && LoadPageFrom(screen, choice->path);
}

bool E1Document::LoadPageFrom(Screen& screen, const std::string& path) {
  E1File loaded = selected_file() != nullptr ? *selected_file() : E1File{};
  if (!LoadE1PageFile(screen, path, loaded)) return false;
  if (selected_file() == nullptr) {
    files_.push_back(std::move(loaded));
    Select(file_count() - 1);
  } else {
    files_[static_cast<size_t>(selected_)] = std::move(loaded);
    Select(selected_);
  }
  return true;
}

bool E1Document::Protocol(Screen& screen, const std::string& instrument,
                          const std::string& serial) {
  if (selected_file() == nullptr) return false;
  const auto choice = screen.ChooseSaveFile(ReportDialog());
  return choice && ProtocolTo(screen, instrument, serial, choice->path);
}

bool E1Document::ProtocolTo(Screen& screen, const std::string& instrument,
                            const std::string& serial, const std::string& path) {
  const E1File* file = selected_file();
  if (file == nullptr) return false;
  return WriteE1Protocol(screen, {*file, instrument, serial, screen.Now()}, path);
}

}  // namespace telvane
