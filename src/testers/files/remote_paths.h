// Paths of an instrument's file system and the local paths made from them.
// The browser's paths use "/" and end with "/"; the folder pages' paths use
// "\" ("MEAS\2024\a.txt"). A path from the instrument is data: a local path
// is built from it only after SafeRelativePath accepted it.
#ifndef TELVANE_TESTERS_FILES_REMOTE_PATHS_H_
#define TELVANE_TESTERS_FILES_REMOTE_PATHS_H_

#include <optional>
#include <string>
#include <string_view>

namespace telvane {

// The folder the browser starts in, and the one whose "cablebase.db" stays.
inline constexpr char kRootFolder[] = "/mnt/ext2/";
inline constexpr char kDatabaseName[] = "cablebase.db";
inline constexpr char kParentName[] = "..";

// "/mnt/ext2/masks/" -> "/mnt/ext2/": the last component removed, the
// trailing "/" kept. "/" stays "/".
std::string ParentFolder(std::string_view folder);
// `folder` + `name` + "/".
std::string ChildFolder(std::string_view folder, std::string_view name);
// The text after the last "/" or "\".
std::string LastComponent(std::string_view path);
// The text from the last "." of the last component, dot included; empty when
// it has none.
std::string Extension(std::string_view name);

// The text between the first and the second "\": "\MEAS\a.txt" -> "MEAS";
// for a path with one "\" only, the rest after it; empty without any "\".
std::string TopLevelFolder(std::string_view path);
// The text after the first "\" (the whole path without one).
std::string AfterFirstSeparator(std::string_view path);
// `relative` with "\" turned into "/", when it stays inside the folder it is
// put under: no ".." component, no leading "\" or "/", no drive letter or
// other ":"; nullopt otherwise.
std::optional<std::string> SafeRelativePath(std::string_view relative);

}  // namespace telvane

#endif  // TELVANE_TESTERS_FILES_REMOTE_PATHS_H_
