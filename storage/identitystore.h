#pragma once
// The identities: a key per identity in the settings' section "Uzivatele"
// (the name as key, the password's hash as value) and a user file per
// identity, "name.ide" in the user's folder "Uzivatele", which holds the
// identity's finished tests. The windows that create, switch and remove
// identities go through this class; the current identity itself is the shared
// state's AktualniUzivatel, which is never stored.
//
// Passwords are never kept readable: a value is an Argon2id hash in its
// standard encoded form ("$argon2id$..."). A value that is not (a settings
// file written by hand or by an older version) is taken as the password in
// plain text, and replaced by its hash once it has been verified. The main
// identity keeps its empty value.
//
// Files are made and deleted only in the folder "Uzivatele", and only for
// names that isIdentityName accepts: a key written by hand with any other
// name (say "../x") has no user file here.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/datafolders.h"
#include "storage/settingsstore.h"

namespace tymba {

// What hashing one password costs (libsodium's opslimit and memlimit).
struct HashCost {
  unsigned long long operations;
  std::size_t memoryBytes;
};
// The limits libsodium names "interactive": about 0.1 s and 64 MiB a hash.
inline constexpr HashCost kInteractiveHashCost{2, std::size_t{64} << 20};

enum class CreateOutcome {
  Created,
  EmptyField,   // the name or the password is empty
  NameExists,   // an identity of that name exists, compared ignoring case
  NameRefused,  // the name cannot be a file name (isIdentityName)
};

class IdentityStore {
 public:
  // cost is for hashing new passwords; checking a hash takes the cost it was
  // made with.
  IdentityStore(SettingsStore& settings, const DataFolders& folders,
                HashCost cost = kInteractiveHashCost);

  // The names of all identities in store order, the main identity among them.
  std::vector<std::u16string> list() const;
  // The names, less every identity but the main one whose user file is
  // missing: its key is removed from the store too (a key that cannot be
  // removed stays, but is not listed).
  std::vector<std::u16string> listCleanedUp();

  // Makes the user file (an existing one is kept with its records), then
  // writes the key with the password's hash. Throws SettingsError or
  // TextFileError; nothing is then left of the identity that was not there.
  CreateOutcome create(std::u16string_view name, std::u16string_view password);
  // True when the identity exists and password is its password, exactly. A
  // plain-text value that matches is replaced by its hash (when that cannot
  // be written, the next verification tries again).
  bool verify(std::u16string_view name, std::u16string_view password);
  bool hasUserFile(std::u16string_view name) const;
  // Removes the key, then the user file. Throws SettingsError (nothing was
  // removed) or TextFileError (the key is gone, the file stays).
  void remove(std::u16string_view name);

 private:
  std::optional<SettingPair> stored(std::u16string_view name) const;
  // Where the identity's user file is; nothing for a name that has none.
  std::optional<std::filesystem::path> userFile(std::u16string_view name) const;
  std::string hash(std::string_view password) const;

  SettingsStore& settings_;
  const DataFolders& folders_;
  HashCost cost_;
};

}  // namespace tymba
