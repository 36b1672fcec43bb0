// The E1 page's texts on the command line: the summary, the record time
// stamps and the interval results of a document, one line each.
#ifndef TELVANE_CLI_E1_TEXT_H_
#define TELVANE_CLI_E1_TEXT_H_

#include <string>

#include "testers/e1/e1_document.h"

namespace telvane::cli {

// `text` with CR LF line ends, one printed line each.
void PrintCrLfLines(const std::string& text);
// The summary of the selected file, one line each.
void PrintE1Summary(const E1Document& document);
// "Запись N: STAMP" for every record of the selected file.
void PrintE1Stamps(const E1Document& document);
// "Интервал N" and one "SECTION<TAB>NAME<TAB>COUNT<TAB>RATIO" line per result
// of the selected record.
void PrintE1Interval(const E1Document& document);

}  // namespace telvane::cli

#endif  // TELVANE_CLI_E1_TEXT_H_
