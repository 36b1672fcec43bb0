// The E1 measurement files the page holds, without the instrument: the list,
// the selected file and record, the texts shown for them, and the page file
// and protocol operations. The E1 results page fills it from the tester; the
// viewer of saved page files and the command line fill it from a file.
#ifndef TELVANE_TESTERS_E1_E1_DOCUMENT_H_
#define TELVANE_TESTERS_E1_E1_DOCUMENT_H_

#include <string>
#include <vector>

#include "base/screen.h"
#include "testers/e1/e1_intervals.h"
#include "testers/e1/e1_records.h"

namespace telvane {

class E1Document {
 public:
  const std::vector<E1File>& files() const { return files_; }
  int file_count() const { return static_cast<int>(files_.size()); }
  std::vector<std::string> ListLines() const;
  // The selected file (nullptr when there is none) and record (-1: none).
  const E1File* selected_file() const;
  int selected() const { return selected_; }
  int selected_record() const { return selected_record_; }

  // The summary of the selected file ("" without one).
  std::string SummaryText() const;
  // The time stamp of each record of the selected file.
  std::vector<std::string> RecordStamps() const;
  // The results of the selected record's interval; empty without one.
  std::vector<E1ResultSection> IntervalResults() const;

  void Clear();
  // Adds a file at the end of the list.
  void Append(E1File file);
  // Selects file `index` and its first record (out of range: nothing).
  void Select(int index);
  void SelectRecord(int index);

  // A save dialog, then the page file of the selected file.
  bool SavePage(Screen& screen);
  bool SavePageTo(Screen& screen, const std::string& path);
  // An open dialog, then the page file into the selected file (a first file
  // when the list is empty); a refused file changes nothing.
  bool LoadPage(Screen& screen);
  bool LoadPageFrom(Screen& screen, const std::string& path);
  // A save dialog, then the protocol of the selected file.
  bool Protocol(Screen& screen, const std::string& instrument, const std::string& serial);
  bool ProtocolTo(Screen& screen, const std::string& instrument, const std::string& serial,
                  const std::string& path);

 private:
  std::vector<E1File> files_;
  int selected_ = -1;
  int selected_record_ = -1;
};

}  // namespace telvane

#endif  // TELVANE_TESTERS_E1_E1_DOCUMENT_H_
