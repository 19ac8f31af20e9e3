#include "storage/textfile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;

// Every Czech letter, small then capital, in Windows-1250 (octal escapes,
// which unlike hex ones end after three digits).
const std::string kCzechLettersCp1250 =
    "a\341bc\350d\357e\351\354fghi\355jklmn\362o\363pqr\370s\232t\235u\372\371vwxy\375z\236"
    "A\301BC\310D\317E\311\314FGHI\315JKLMN\322O\323PQR\330S\212T\215U\332\331VWXY\335Z\216";
const std::u16string kCzechLetters =
    u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž"
    u"AÁBCČDĎEÉĚFGHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ";

using TextFileTest = testing::TempFolderTest;

TEST_F(TextFileTest, BytesRoundTripUnchanged) {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte.push_back(static_cast<char>(b));
  struct Row {
    const char* name;
    std::string bytes;
  };
  const Row rows[] = {
      {"Czech letters with CR LF", kCzechLettersCp1250 + "\r\n" + kCzechLettersCp1250 + "\r\n"},
      {"lone LF and CR stay", "a\nb\rc\r\n\n"},
      {"every byte", everyByte},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const fs::path original = root_ / "original.txt";
    const fs::path copy = root_ / "copy.txt";
    writeBytes(original, row.bytes);
    writeText(copy, readWholeText(original));
    EXPECT_EQ(readBytes(copy), row.bytes);
  }
}

TEST_F(TextFileTest, ReadsCzechLettersAsCharacters) {
  const fs::path file = root_ / "cesky.txt";
  writeBytes(file, kCzechLettersCp1250 + "\r\n");
  EXPECT_EQ(readWholeText(file), kCzechLetters + u"\r\n");
}

TEST_F(TextFileTest, WritesCodePageBytesAndQuestionMarksForOthers) {
  const fs::path file = root_ / "out.txt";
  writeText(file, kCzechLetters + withCrLf(u"") + withCrLf(u"\u00F1\u20AC") + u"\u4E2D");
  EXPECT_EQ(readBytes(file), kCzechLettersCp1250 + "\r\n?\x80\r\n?");
}

TEST_F(TextFileTest, LinesEndAtCrLfLoneLfOrLoneCr) {
  struct Row {
    const char* name;
    std::string bytes;
    std::vector<std::u16string> lines;
  };
  const Row rows[] = {
      {"empty file", "", {}},
      {"only a break", "\r\n", {u""}},
      {"CR LF", "a\r\nb\r\n", {u"a", u"b"}},
      {"last line without break", "a\r\nb", {u"a", u"b"}},
      {"single line without break", "abc", {u"abc"}},
      {"lone LF", "a\nb\n", {u"a", u"b"}},
      {"lone CR", "a\rb", {u"a", u"b"}},
      {"LF CR is two breaks", "a\n\rb", {u"a", u"", u"b"}},
      {"CR CR LF is two breaks", "a\r\r\nb", {u"a", u"", u"b"}},
      {"empty lines kept", "\r\n\r\na\r\n\r\n", {u"", u"", u"a", u""}},
      {"Czech letters", "\310esk\375\r\n\236ena", {u"Český", u"žena"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const fs::path file = root_ / "lines.txt";
    writeBytes(file, row.bytes);
    EXPECT_EQ(readLines(file), row.lines);

    TextReader reader(file);
    for (const std::u16string& line : row.lines) {
      EXPECT_FALSE(reader.atEnd());
      EXPECT_EQ(reader.readLine(), line);
    }
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(), std::nullopt);
  }
}

TEST_F(TextFileTest, ReaderOpensAnotherFileFromItsStart) {
  writeBytes(root_ / "one.txt", "1a\r\n1b\r\n");
  writeBytes(root_ / "two.txt", "2a\r\n");
  TextReader reader;
  EXPECT_TRUE(reader.atEnd());
  reader.open(root_ / "one.txt");
  EXPECT_EQ(reader.readLine(), u"1a");
  reader.open(root_ / "two.txt");
  EXPECT_EQ(reader.readLine(), u"2a");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_THROW(reader.open(root_ / "missing.txt"), TextFileError);
  EXPECT_TRUE(reader.atEnd());
}

TEST_F(TextFileTest, ReadingWhatIsNoFileThrowsWithThePath) {
  struct Row {
    const char* name;
    fs::path file;
    std::errc code;
  };
  fs::create_directory(root_ / "folder");
  const Row rows[] = {
      {"missing file", root_ / "missing.txt", std::errc::no_such_file_or_directory},
      {"missing folder", root_ / "missing" / "a.txt", std::errc::no_such_file_or_directory},
      {"a folder", root_ / "folder", std::errc::is_a_directory},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    try {
      readWholeText(row.file);
      ADD_FAILURE() << "no exception";
    } catch (const TextFileError& error) {
      EXPECT_EQ(error.path(), row.file);
      EXPECT_EQ(error.code(), row.code);
      EXPECT_NE(std::string(error.what()).find(row.file.string()), std::string::npos);
    }
    EXPECT_THROW(readLines(row.file), TextFileError);
    EXPECT_THROW(TextReader{row.file}, TextFileError);
  }
}

TEST_F(TextFileTest, WriteReplacesTheWholeContentAndLeavesNoTemporaryFile) {
  const fs::path file = root_ / "x.txt";
  writeBytes(file, std::string(10000, 'o') + "\r\n");
  writeText(file, u"nový\r\n");
  EXPECT_EQ(readBytes(file), "nov\xFD\r\n");
  writeText(file, u"");
  EXPECT_EQ(readBytes(file), "");
  EXPECT_EQ(namesIn(root_), std::vector<std::string>{"x.txt"});
}

TEST_F(TextFileTest, WriteCreatesAMissingFile) {
  const fs::path file = root_ / "new.txt";
  writeText(file, u"a\r\n");
  EXPECT_EQ(readBytes(file), "a\r\n");
  EXPECT_EQ(namesIn(root_), std::vector<std::string>{"new.txt"});
}

TEST_F(TextFileTest, WriteKeepsTheModeOfAnExistingFile) {
  for (const auto mode : {fs::perms(0600), fs::perms(0640), fs::perms(0664)}) {
    SCOPED_TRACE(static_cast<int>(mode));
    const fs::path file = root_ / "kept.txt";
    writeBytes(file, "old");
    fs::permissions(file, mode);
    writeText(file, u"new");
    EXPECT_EQ(modeOf(file), mode);
    EXPECT_EQ(readBytes(file), "new");
  }
}

TEST_F(TextFileTest, ReplaceGivesANewFileTheModeAsked) {
  const fs::path file = root_ / "private.ini";
  replaceFileContents(file, "heslo=x\n", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(modeOf(file), fs::perms(0600));
  EXPECT_EQ(readBytes(file), "heslo=x\n");
}

TEST_F(TextFileTest, WriteIntoAMissingFolderThrowsAndCreatesNothing) {
  const fs::path file = root_ / "missing" / "x.txt";
  try {
    writeText(file, u"a");
    ADD_FAILURE() << "no exception";
  } catch (const TextFileError& error) {
    EXPECT_EQ(error.path(), file);
    EXPECT_EQ(error.code(), std::errc::no_such_file_or_directory);
  }
  EXPECT_TRUE(namesIn(root_).empty());
}

TEST_F(TextFileTest, FailedRenameKeepsTheOldContentAndLeavesNoTemporaryFile) {
  // A folder where the file should be: the new content cannot take its place.
  const fs::path target = root_ / "target";
  fs::create_directory(target);
  writeBytes(target / "inside.txt", "old");
  EXPECT_THROW(writeText(target, u"new"), TextFileError);
  EXPECT_EQ(namesIn(root_), std::vector<std::string>{"target"});
  EXPECT_EQ(namesIn(target), std::vector<std::string>{"inside.txt"});
  EXPECT_EQ(readBytes(target / "inside.txt"), "old");
}

TEST_F(TextFileTest, WriteThroughALinkReplacesTheFileItPointsTo) {
  fs::create_directory(root_ / "real");
  writeBytes(root_ / "real" / "a.txt", "old");
  fs::create_symlink("real/a.txt", root_ / "link.txt");
  writeText(root_ / "link.txt", u"new");
  EXPECT_TRUE(fs::is_symlink(root_ / "link.txt"));
  EXPECT_EQ(readBytes(root_ / "real" / "a.txt"), "new");
  EXPECT_EQ(namesIn(root_ / "real"), std::vector<std::string>{"a.txt"});
}

TEST_F(TextFileTest, WriteLeavesAReadOnlyFileAlone) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  const fs::path file = root_ / "locked.txt";
  writeBytes(file, "old");
  fs::permissions(file, fs::perms(0444));
  EXPECT_THROW(writeText(file, u"new"), TextFileError);
  EXPECT_EQ(readBytes(file), "old");
  EXPECT_EQ(namesIn(root_), std::vector<std::string>{"locked.txt"});
}

TEST_F(TextFileTest, AppendAddsAtTheEndAndCreatesAMissingFile) {
  const fs::path file = root_ / "u.ide";
  appendText(file, withCrLf(u"první"));
  EXPECT_EQ(readBytes(file), "prvn\xED\r\n");
  appendText(file, withCrLf(u"druhý"));
  EXPECT_EQ(readBytes(file), "prvn\xED\r\ndruh\xFD\r\n");
  EXPECT_THROW(appendText(root_ / "missing" / "u.ide", u"x"), TextFileError);
  EXPECT_FALSE(fs::exists(root_ / "missing"));
}

}  // namespace
}  // namespace tymba
