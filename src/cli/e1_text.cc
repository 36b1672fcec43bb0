#include "cli/e1_text.h"

#include <cstdio>
#include <string>

namespace telvane::cli {

void PrintE1Summary(const E1Document& document) { PrintCrLfLines(document.SummaryText()); }

void PrintCrLfLines(const std::string& text) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::printf("%s\n", text.substr(start, end - start).c_str());
    start = end + 2;
  }
}

void PrintE1Stamps(const E1Document& document) {
  const auto stamps = document.RecordStamps();
  for (size_t i = 0; i < stamps.size(); ++i) {
    std::printf("Запись %zu: %s\n", i + 1, stamps[i].c_str());
  }
}

void PrintE1Interval(const E1Document& document) {
  std::printf("Интервал %d\n", document.selected_record() + 1);
  for (const E1ResultSection& section : document.IntervalResults()) {
    for (const E1ResultRow& row : section.rows) {
      std::printf("%s\t%s\t%llu\t%s\n", section.title.c_str(), row.name.c_str(),
                  static_cast<unsigned long long>(row.count), row.ratio.c_str());
    }
  }
}

}  // namespace telvane::cli
