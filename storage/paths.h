#pragma once
// Paths under a data folder are written Windows-style ("\cviceni\" + name
// + ".txt") and their names were never case-sensitive, while the folders on
// disk may be spelt "Cviceni" or "CVICENI". resolvePath joins such a path onto
// a base folder and finds each component whatever its case; listFiles lists a
// folder the way the file lists of the windows show it.

#include <filesystem>
#include <string_view>
#include <vector>

namespace tymba {

// True when two UTF-8 file names differ at most in case, taken within the
// Windows-1250 repertoire (so "Č" matches "č"). A name that is not valid
// UTF-8 matches only itself, byte for byte.
bool sameNameIgnoringCase(std::string_view a, std::string_view b);
// The one form of every name that sameNameIgnoringCase takes for this one, so
// that names can be looked up by it: upper case within Windows-1250 for valid
// UTF-8, the bytes as they are otherwise.
std::string foldedName(std::string_view name);

// Joins windowsStyleRelative (separators "\" or "/"; empty components, such as
// leading, trailing or doubled separators, are skipped) onto base. Each
// component is the exact name when it exists, else the entry of its folder
// that matches it ignoring case (the first in byte order when several do),
// else the name as written, so that a missing file or folder can be created.
std::filesystem::path resolvePath(const std::filesystem::path& base,
                                  std::string_view windowsStyleRelative);

// The regular files of folder whose extension (".txt") matches extension
// ignoring case, sorted by name ignoring case. Hidden files (names starting
// with ".") are left out; a folder that cannot be read gives an empty list.
std::vector<std::filesystem::path> listFiles(const std::filesystem::path& folder,
                                             std::string_view extension);

// The regular files of folder whose names match a file pattern ("*.*",
// "*.txt;*.vyu"; see core/filepattern.h), sorted as listFiles sorts them.
std::vector<std::filesystem::path> listFilesMatching(const std::filesystem::path& folder,
                                                     std::u16string_view pattern);

}  // namespace tymba
