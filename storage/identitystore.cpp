#include "storage/identitystore.h"

#include <fcntl.h>
#include <sodium.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "core/cp1250.h"
#include "core/identity.h"
#include "storage/paths.h"
#include "storage/textfile.h"

namespace tymba {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSection = "Uzivatele";
constexpr std::string_view kHashPrefix = "$argon2id$";

static_assert(kInteractiveHashCost.operations == crypto_pwhash_OPSLIMIT_INTERACTIVE);
static_assert(kInteractiveHashCost.memoryBytes == crypto_pwhash_MEMLIMIT_INTERACTIVE);

void initialiseSodium() {
  // Once for the program; libsodium makes later calls cheap and safe anyway.
  static const bool ready = sodium_init() >= 0;
  if (!ready) throw SettingsError("the password library could not be initialised");
}

// Creates the empty file unless something of that name exists. O_EXCL never
// follows a link, so nothing is made where a link would point.
void makeEmptyFile(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0 || ::close(fd) != 0)
    throw TextFileError("cannot create", file, std::error_code(errno, std::generic_category()));
}

}  // namespace

IdentityStore::IdentityStore(SettingsStore& settings, const DataFolders& folders, HashCost cost)
    : settings_(settings), folders_(folders), cost_(cost) {}

std::vector<std::u16string> IdentityStore::list() const {
  std::vector<std::u16string> names;
  for (const SettingPair& pair : settings_.readSection(kSection))
    names.push_back(fromUtf8(pair.key));
  return names;
}

std::vector<std::u16string> IdentityStore::listCleanedUp() {
  std::vector<std::u16string> names = list();
  std::erase_if(names, [this](const std::u16string& name) {
    if (isMainIdentity(name) || hasUserFile(name)) return false;
    try {
      settings_.remove(kSection, toUtf8(name));
    } catch (const SettingsError&) {
      // Without its file the identity cannot be used; it goes next time.
    }
    return true;
  });
  return names;
}

CreateOutcome IdentityStore::create(std::u16string_view name, std::u16string_view password) {
  if (name.empty() || password.empty()) return CreateOutcome::EmptyField;
  if (stored(name)) return CreateOutcome::NameExists;
  const auto file = userFile(name);
  if (!file) return CreateOutcome::NameRefused;
  const std::string value = hash(toUtf8(password));  // before anything is made
  std::error_code error;
  const fs::path folder = folders_.userFolder("\\Uzivatele", error);
  if (error) throw TextFileError("cannot create", folder, error);
  const bool existed = fs::exists(fs::symlink_status(*file, error));
  if (!existed) makeEmptyFile(*file);
  try {
    settings_.write(kSection, toUtf8(name), value);
  } catch (const SettingsError&) {
    if (!existed) fs::remove(*file, error);
    throw;
  }
  return CreateOutcome::Created;
}

bool IdentityStore::verify(std::u16string_view name, std::u16string_view password) {
  const std::optional<SettingPair> pair = stored(name);
  if (!pair) return false;
  const std::string typed = toUtf8(password);
  if (pair->value.starts_with(kHashPrefix)) {
    initialiseSodium();
    return crypto_pwhash_str_verify(pair->value.c_str(), typed.data(), typed.size()) == 0;
  }
  if (pair->value != typed) return false;
  if (!typed.empty()) {
    try {
      settings_.write(kSection, pair->key, hash(typed));
    } catch (const SettingsError&) {
      // Verified all the same; the hash is written at the next verification.
    }
  }
  return true;
}

bool IdentityStore::hasUserFile(std::u16string_view name) const {
  const auto file = userFile(name);
  std::error_code ignored;
  return file && fs::exists(*file, ignored);
}

void IdentityStore::remove(std::u16string_view name) {
  const auto pair = stored(name);
  if (!pair) return;
  settings_.remove(kSection, pair->key);
  std::error_code error;
  if (const auto file = userFile(name); file && !fs::remove(*file, error) && error)
    throw TextFileError("cannot delete", *file, error);
}

std::optional<SettingPair> IdentityStore::stored(std::u16string_view name) const {
  const std::string key = toUtf8(name);
  for (SettingPair& pair : settings_.readSection(kSection))
    if (sameNameIgnoringCase(pair.key, key)) return std::move(pair);
  return std::nullopt;
}

std::optional<fs::path> IdentityStore::userFile(std::u16string_view name) const {
  if (isMainIdentity(name) || !isIdentityName(name)) return std::nullopt;
  return folders_.identityFile(name);
}

std::string IdentityStore::hash(std::string_view password) const {
  initialiseSodium();
  char encoded[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str(encoded, password.data(), password.size(), cost_.operations,
                        cost_.memoryBytes) != 0)
    throw SettingsError("the password could not be hashed (out of memory)");
  return encoded;
}

}  // namespace tymba
