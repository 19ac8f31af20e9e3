// The identities: their keys in the settings, their user files, and their
// passwords, which are never kept readable.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "core/cp1250.h"
#include "storage/identitystore.h"
#include "storage/inisettingsstore.h"
#include "tests/core/goldentable.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
// The cheapest hash libsodium allows: the same encoded form, in microseconds.
constexpr HashCost kCheapHash{1, 8192};

class IdentityStoreTest : public testing::TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    settings.emplace(root_ / "config" / "Tymba.ini");
    settings->write("Uzivatele", "Hlavni", "");  // as every start makes sure of
    folders = {root_ / "shipped", root_ / "user"};
  }
  IdentityStore store(HashCost cost = kCheapHash) { return {*settings, folders, cost}; }
  std::string value(const char* name) { return settings->read("Uzivatele", name, "none"); }
  fs::path userFile(const char* name) { return root_ / "user" / "Uzivatele" / name; }
  std::set<std::string> tree() {
    std::set<std::string> paths;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
      paths.insert(entry.path().lexically_relative(root_).string());
    return paths;
  }

  std::optional<IniSettingsStore> settings;
  DataFolders folders;
};

TEST_F(IdentityStoreTest, FilesAreMadeAndDeletedOnlyInTheUserFilesFolder) {
  settings->write("Uzivatele", "../../venku", "");  // a key written by hand
  writeBytes(root_ / "venku.ide", "cizi soubor");
  const std::set<std::string> before = tree();
  std::set<std::string> made{"user", "user/Uzivatele"};
  forEachRow("identitynames.tsv", 3, [&](const GoldenRow& row) {
    const CreateOutcome outcome = store().create(u16(row[1]), u"heslo");
    if (row[2] == "accepted") made.insert("user/Uzivatele/" + row[1] + ".ide");
    const CreateOutcome expected = row[1].empty()         ? CreateOutcome::EmptyField
                                   : row[2] == "accepted" ? CreateOutcome::Created
                                                          : CreateOutcome::NameRefused;
    EXPECT_EQ(outcome, expected);
  });
  EXPECT_FALSE(store().hasUserFile(u"../../venku"));
  store().remove(u"../../venku");
  EXPECT_EQ(value("../../venku"), "none");
  EXPECT_EQ(store().list().size(), made.size() - 1);  // Hlavni and the names made
  made.insert(before.begin(), before.end());
  EXPECT_EQ(tree(), made);
  EXPECT_EQ(readBytes(userFile("Jana Nováková 2.ide")), "");
}

TEST_F(IdentityStoreTest, NamesMatchIgnoringCaseAndNothingIsWrittenForARefusal) {
  const struct {
    const char16_t* name;
    const char16_t* password;
    CreateOutcome outcome;
  } rows[] = {
      {u"Řehoř", u"heslo", CreateOutcome::Created}, {u"řEHOŘ", u"jine", CreateOutcome::NameExists},
      {u"hlavni", u"x", CreateOutcome::NameExists}, {u"Petr", u"", CreateOutcome::EmptyField},
      {u"", u"x", CreateOutcome::EmptyField},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(toUtf8(row.name));
    EXPECT_EQ(store().create(row.name, row.password), row.outcome);
  }
  EXPECT_EQ(store().list(), (std::vector<std::u16string>{u"Hlavni", u"Řehoř"}));
  EXPECT_EQ(namesIn(root_ / "user" / "Uzivatele"), std::set<std::string>{"Řehoř.ide"});
}

TEST_F(IdentityStoreTest, PasswordsAreComparedExactlyAndPlainTextBecomesAHash) {
  settings->write("Uzivatele", "Stary", "Heslo");  // a file from an older version
  settings->write("Uzivatele", "Poskozeny", "$argon2id$v=19$nic");
  ASSERT_EQ(store().create(u"Jana", u"Tajne1"), CreateOutcome::Created);
  const struct {
    const char16_t* name;
    const char16_t* typed;
    bool verifies;
  } rows[] = {
      {u"Jana", u"Tajne1", true},  {u"JANA", u"Tajne1", true},
      {u"Jana", u"tajne1", false}, {u"Jana", u"Tajne", false},
      {u"Jana", u"", false},       {u"Stary", u"heslo", false},
      {u"Stary", u"Heslo", true},  {u"Stary", u"Heslo", true},
      {u"Stary", u"heslo", false}, {u"Hlavni", u"", true},
      {u"Nikdo", u"", false},      {u"Poskozeny", u"$argon2id$v=19$nic", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(toUtf8(row.name) + " / " + toUtf8(row.typed));
    EXPECT_EQ(store().verify(row.name, row.typed), row.verifies);
  }
  EXPECT_TRUE(value("Jana").starts_with("$argon2id$") && value("Stary").starts_with("$argon2id$"));
  EXPECT_EQ(value("Hlavni"), "");
  const std::string file = readBytes(settings->file());
  EXPECT_EQ(file.find("Tajne1"), std::string::npos);
  EXPECT_EQ(file.find("Heslo"), std::string::npos);
}

TEST_F(IdentityStoreTest, CleanUpDropsIdentitiesWithoutFilesButNeverTheMainOne) {
  for (const char* name : {"A", "B", "C", "D"}) settings->write("Uzivatele", name, "x");
  writeBytes(userFile("A.ide"), "");
  writeBytes(userFile("d.IDE"), "");       // found whatever its case
  writeBytes(userFile("Hlavni.ide"), "");  // still not the main identity's
  const std::vector<std::u16string> kept{u"Hlavni", u"A", u"D"};
  EXPECT_EQ(store().listCleanedUp(), kept);
  EXPECT_EQ(store().list(), kept);
  EXPECT_FALSE(store().hasUserFile(u"Hlavni"));
  store().remove(u"a");
  EXPECT_EQ(store().list(), (std::vector<std::u16string>{u"Hlavni", u"D"}));
  EXPECT_EQ(namesIn(userFile("")), (std::set<std::string>{"Hlavni.ide", "d.IDE"}));
  // A user file left without its key keeps its records.
  writeBytes(userFile("B.ide"), "zaznamy");
  EXPECT_EQ(store().create(u"B", u"x"), CreateOutcome::Created);
  EXPECT_EQ(readBytes(userFile("B.ide")), "zaznamy");
}

TEST_F(IdentityStoreTest, TheProgramsHashIsArgon2idWithInteractiveLimits) {
  ASSERT_EQ(store(kInteractiveHashCost).create(u"Jana", u"Heslo"), CreateOutcome::Created);
  EXPECT_TRUE(value("Jana").starts_with("$argon2id$v=19$m=65536,t=2,p=1$"));
  EXPECT_TRUE(store().verify(u"Jana", u"Heslo"));
  EXPECT_FALSE(store().verify(u"Jana", u"heslo"));
}

}  // namespace
}  // namespace tymba
