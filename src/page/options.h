// The two command-line options of the program and the database provider.
#ifndef TELVANE_PAGE_OPTIONS_H_
#define TELVANE_PAGE_OPTIONS_H_

#include <string>
#include <vector>

namespace telvane {

// The provider part of every database connection string of the storage code.
inline constexpr const char* kDatabaseProvider = "Microsoft.Jet.OLEDB.4.0;";

struct AppOptions {
  // "/i9:N": the number of trailing records that the kind 9 pages leave out when
  // they read all records; also the cable offset of the kind 9 database
  // parameters.
  int kind9_trailing_records = 2;
  // "/i0B:N": the number of leading entries of a cable list page that cannot be
  // selected.
  int locked_leading_entries = 2;
};

// The largest value an option takes; larger numbers are cut to it so that a
// count given on the command line can never overflow an index.
inline constexpr int kOptionMaximum = 65535;

// Reads the options from the command-line words (without the program name).
// "/i9:" and "/i0B:" are found anywhere in the command line, in any case, and
// are followed by a decimal number read up to the first non-digit (no digits
// give 0). "--i9=N" and "--i0b=N" are accepted as Unix spellings.
AppOptions ParseOptions(const std::vector<std::string>& words);

}  // namespace telvane

#endif  // TELVANE_PAGE_OPTIONS_H_
