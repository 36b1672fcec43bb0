#include "cli/arguments.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace telvane::cli {

std::optional<int> ParseNumber(const std::string& option, const std::string& text, int minimum,
                               int maximum) {
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  const bool digits_only =
      !text.empty() && text.find_first_not_of("+-0123456789") == std::string::npos;
  if (!digits_only || *end != '\0' || errno == ERANGE || value < minimum || value > maximum) {
    std::fprintf(stderr, "telvane-cli: %s takes a whole number from %d to %d, not '%s'\n",
                 option.c_str(), minimum, maximum, text.c_str());
    return std::nullopt;
  }
  return static_cast<int>(value);
}

std::optional<std::vector<int>> ParseNumberList(const std::string& option, const std::string& text,
                                                int minimum, int maximum) {
  std::vector<int> numbers;
  std::stringstream in(text);
  for (std::string item; std::getline(in, item, ',');) {
    const auto number = ParseNumber(option, item, minimum, maximum);
    if (!number) return std::nullopt;
    numbers.push_back(*number);
  }
  if (numbers.empty() || text.back() == ',') {
    std::fprintf(stderr, "telvane-cli: %s takes N[,N...] with N from %d to %d, not '%s'\n",
                 option.c_str(), minimum, maximum, text.c_str());
    return std::nullopt;
  }
  return numbers;
}

std::optional<std::vector<Answer>> ParseAnswers(const std::string& text) {
  std::vector<Answer> answers;
  std::stringstream in(text);
  for (std::string item; std::getline(in, item, ',');) {
    if (item == "y" || item == "yes") {
      answers.push_back(Answer::kYes);
    } else if (item == "n" || item == "no") {
      answers.push_back(Answer::kNo);
    } else if (item == "c" || item == "cancel") {
      answers.push_back(Answer::kCancel);
    } else {
      std::fprintf(stderr, "telvane-cli: --answers takes y, n or c separated by commas, not '%s'\n",
                   text.c_str());
      return std::nullopt;
    }
  }
  return answers;
}

std::string TakeOption(std::vector<std::string>& args, const std::string& name,
                       const std::string& fallback) {
  const auto value = TakeOptional(args, name);
  return value ? *value : fallback;
}

std::optional<std::string> TakeOptional(std::vector<std::string>& args, const std::string& name) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != name) continue;
    std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
    const size_t words = i + 1 < args.size() ? 2 : 1;
    args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i + words));
    return value;
  }
  return std::nullopt;
}

bool TakeFlag(std::vector<std::string>& args, const std::string& name) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      args.erase(args.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

}  // namespace telvane::cli
