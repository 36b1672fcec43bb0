#include "testers/files/remote_paths.h"

namespace telvane {

std::string ParentFolder(std::string_view folder) {
  std::string_view trimmed = folder;
  if (!trimmed.empty() && trimmed.back() == '/') trimmed.remove_suffix(1);
  const size_t slash = trimmed.rfind('/');
  if (slash == std::string_view::npos) return "/";
  return std::string(trimmed.substr(0, slash + 1));
}

std::string ChildFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path += name;
  path += '/';
  return path;
}

std::string LastComponent(std::string_view path) {
  const size_t separator = path.find_last_of("/\\");
  return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string Extension(std::string_view name) {
  const std::string last = LastComponent(name);
  const size_t dot = last.rfind('.');
  return dot == std::string::npos ? std::string() : last.substr(dot);
}

std::string TopLevelFolder(std::string_view path) {
  const size_t first = path.find('\\');
  if (first == std::string_view::npos) return {};
  const size_t second = path.find('\\', first + 1);
  return std::string(path.substr(
      first + 1, second == std::string_view::npos ? std::string_view::npos : second - first - 1));
}

std::string AfterFirstSeparator(std::string_view path) {
  const size_t first = path.find('\\');
  return std::string(first == std::string_view::npos ? path : path.substr(first + 1));
}

std::optional<std::string> SafeRelativePath(std::string_view relative) {
  if (relative.empty() || relative.front() == '\\' || relative.front() == '/') return std::nullopt;
  if (relative.find(':') != std::string_view::npos) return std::nullopt;
  std::string local;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = relative.size();
    const std::string_view component = relative.substr(start, end - start);
    if (component == "..") return std::nullopt;
    local += component;
    if (end < relative.size()) local += '/';
    start = end + 1;
  }
  return local;
}

}  // namespace telvane
