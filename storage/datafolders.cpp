#include "storage/datafolders.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "core/cp1250.h"
#include "storage/paths.h"

namespace tymba {

namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

fs::path executableFolder() {
  std::error_code error;
  const fs::path executable = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::current_path(error) : executable.parent_path();
}

}  // namespace

fs::path DataFolders::find(std::string_view windowsStyleRelative) const {
  fs::path own = resolvePath(user, windowsStyleRelative);
  std::error_code ignored;
  if (fs::exists(own, ignored)) return own;
  return resolvePath(shipped, windowsStyleRelative);
}

std::vector<fs::path> DataFolders::existingFolders(std::string_view windowsStyleRelative) const {
  std::vector<fs::path> folders;
  for (const fs::path* base : {&user, &shipped}) {
    fs::path folder = resolvePath(*base, windowsStyleRelative);
    if (isFolder(folder) && std::find(folders.begin(), folders.end(), folder) == folders.end())
      folders.push_back(std::move(folder));
  }
  return folders;
}

fs::path DataFolders::userFolder(std::string_view windowsStyleRelative,
                                 std::error_code& error) const {
  const fs::path folder = resolvePath(user, windowsStyleRelative);
  error.clear();
  fs::path made;
  for (const fs::path& component : folder) {
    made /= component;
    if (isFolder(made)) continue;
    // Made one by one so that each new folder, the user's folder itself
    // among them, is private: it holds passwords' hashes and results.
    if (!fs::create_directory(made, error) && !error && !isFolder(made))
      error = std::make_error_code(std::errc::not_a_directory);
    if (error) return folder;
    fs::permissions(made, fs::perms::owner_all, fs::perm_options::replace, error);
    if (error) return folder;
  }
  return folder;
}

fs::path DataFolders::identityFile(std::u16string_view name) const {
  return resolvePath(user, "\\Uzivatele\\" + toUtf8(name) + ".ide");
}

fs::path shippedDataFolder(const fs::path& executableFolder,
                           std::string_view installedDataRelative) {
  const fs::path installed = (executableFolder / installedDataRelative).lexically_normal();
  return isFolder(installed) ? installed : executableFolder;
}

fs::path xdgBaseFolder(std::string_view value, std::string_view home, std::string_view underHome) {
  const fs::path folder(value);
  return !value.empty() && folder.is_absolute() ? folder : fs::path(home) / underHome;
}

fs::path userDataFolder(std::string_view dataHome, std::string_view home) {
  return xdgBaseFolder(dataHome, home, ".local/share") / "Tymba";
}

std::string homeFolder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  const passwd* account = ::getpwuid(::getuid());
  return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "";
}

DataFolders locateDataFolders(std::string_view installedDataRelative) {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  return {shippedDataFolder(executableFolder(), installedDataRelative),
          userDataFolder(dataHome != nullptr ? dataHome : "", homeFolder())};
}

std::vector<fs::path> listFilesMatching(const std::vector<fs::path>& folders,
                                        std::u16string_view pattern) {
  std::vector<fs::path> merged;
  std::set<std::string> names;
  for (const fs::path& folder : folders)
    for (fs::path& file : listFilesMatching(folder, pattern))
      if (names.insert(foldedName(file.filename().native())).second)
        merged.push_back(std::move(file));
  std::stable_sort(merged.begin(), merged.end(), [](const fs::path& a, const fs::path& b) {
    return foldedName(a.filename().native()) < foldedName(b.filename().native());
  });
  return merged;
}

}  // namespace tymba
