// Reading the words of a command line: whole numbers in a fixed range, lists
// of them, the answers of --answers. A word that is not what its option takes
// is a usage error, reported on stderr with the option and its range before
// anything is opened.
#ifndef TELVANE_CLI_ARGUMENTS_H_
#define TELVANE_CLI_ARGUMENTS_H_

#include <optional>
#include <string>
#include <vector>

#include "base/screen.h"

namespace telvane::cli {

// Exit status of a command line that cannot be run as written.
inline constexpr int kUsageError = 2;
// Exit status of a command whose action failed.
inline constexpr int kFailed = 1;

// `text` as a whole number from `minimum` to `maximum`; nullopt after the
// message "telvane-cli: OPTION takes a whole number from MIN to MAX, not 'TEXT'".
std::optional<int> ParseNumber(const std::string& option, const std::string& text, int minimum,
                               int maximum);
// A comma-separated list of such numbers (at least one).
std::optional<std::vector<int>> ParseNumberList(const std::string& option, const std::string& text,
                                                int minimum, int maximum);
// "y,n,c,..." (also "yes", "no", "cancel").
std::optional<std::vector<Answer>> ParseAnswers(const std::string& text);

// Takes "--name VALUE" out of args; returns the value or `fallback`.
std::string TakeOption(std::vector<std::string>& args, const std::string& name,
                       const std::string& fallback = "");
// Takes "--name VALUE" out of args; nullopt when absent, an empty string when
// the value is missing.
std::optional<std::string> TakeOptional(std::vector<std::string>& args, const std::string& name);
// Takes a flag "--name" out of args; true when it was there.
bool TakeFlag(std::vector<std::string>& args, const std::string& name);

}  // namespace telvane::cli

#endif  // TELVANE_CLI_ARGUMENTS_H_
