#pragma once
// The program's data lives in two folders. The shipped one holds what comes
// with the program (exercise texts, lessons, sounds) and is read-only once the
// program is installed; the user's one holds what the program writes for the
// user (user files, saved tests) and the user's own texts. A path written the
// Windows way ("\cviceni\" + name + ".txt") is looked for in the user's folder
// first, so that the user's text of a name stands in for the shipped one;
// lists show the files of both; whatever is written goes to the user's folder.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tymba {

struct DataFolders {
  std::filesystem::path shipped;
  std::filesystem::path user;

  // The file or folder at windowsStyleRelative (matched as resolvePath
  // matches it): the user's when it exists, else the shipped one, which is
  // also the answer, and what a message names, when neither exists.
  std::filesystem::path find(std::string_view windowsStyleRelative) const;
  // The folders at windowsStyleRelative that exist, the user's first: what a
  // list of their files shows.
  std::vector<std::filesystem::path> existingFolders(std::string_view windowsStyleRelative) const;
  // The folder at windowsStyleRelative under the user's folder, made when it
  // is missing, together with every missing folder above it, readable by the
  // user alone. error tells why it could not be made.
  std::filesystem::path userFolder(std::string_view windowsStyleRelative,
                                   std::error_code& error) const;
  // The user file of an identity (its history of tests): "name.ide" in the
  // folder "Uzivatele" of the user's folder, found whatever the case.
  std::filesystem::path identityFile(std::u16string_view name) const;
};

// The folders of the running program. Installed, the executable sits in a bin
// folder and the shipped data in installedDataRelative ("../share/tymba")
// from there; a build tree has no such folder and keeps the shipped data
// beside the executable. The user's folder follows XDG_DATA_HOME.
DataFolders locateDataFolders(std::string_view installedDataRelative);

// The steps of locateDataFolders, for tests.
std::filesystem::path shippedDataFolder(const std::filesystem::path& executableFolder,
                                        std::string_view installedDataRelative);
// dataHome/Tymba when dataHome (XDG_DATA_HOME) is an absolute path, else
// home/.local/share/Tymba.
std::filesystem::path userDataFolder(std::string_view dataHome, std::string_view home);
// An XDG base folder: the variable's value when it is an absolute path (XDG
// ignores a relative one), else home/underHome.
std::filesystem::path xdgBaseFolder(std::string_view value, std::string_view home,
                                    std::string_view underHome);
// HOME, or the account's home folder when HOME is unset or empty.
std::string homeFolder();

// The regular files matching pattern (see listFilesMatching) in all of
// folders, one entry per name ignoring case: the first folder's file wins.
// Sorted as listFilesMatching sorts.
std::vector<std::filesystem::path> listFilesMatching(
    const std::vector<std::filesystem::path>& folders, std::u16string_view pattern);

}  // namespace tymba
