#include "storage/textfile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using TextFileTest = testing::TempFolderTest;

// The error the call throws; the test fails when it throws none.
template <typename Call>
TextFileError errorOf(Call call) {
  try {
    call();
  } catch (const TextFileError& error) {
    return error;
  }
  ADD_FAILURE() << "no error";
  return TextFileError("", "", {});
}

TEST_F(TextFileTest, BytesRoundTripUnchanged) {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte.push_back(static_cast<char>(b));
  for (const std::string& bytes : {everyByte, std::string("a\r\nb\nc\rd\r\n\n")}) {
    SCOPED_TRACE(::testing::PrintToString(bytes.substr(0, 12)));
    writeBytes(root_ / "original.txt", bytes);
    writeText(root_ / "copy.txt", readWholeText(root_ / "original.txt"));
    EXPECT_EQ(readBytes(root_ / "copy.txt"), bytes);
  }
}

TEST_F(TextFileTest, ReadsAndWritesWindows1250) {
  // Every Czech letter, small then capital (octal escapes, which unlike hex
  // ones end after three digits).
  const std::string cp1250 =
      "a\341bc\350d\357e\351\354fghi\355jklmn\362o\363pqr\370s\232t\235u\372\371vwxy\375z\236"
      "A\301BC\310D\317E\311\314FGHI\315JKLMN\322O\323PQR\330S\212T\215U\332\331VWXY\335Z\216";
  const std::u16string letters =
      u"aábcčdďeéěfghiíjklmnňoópqrřsštťuúůvwxyýzž"
      u"AÁBCČDĎEÉĚFGHIÍJKLMNŇOÓPQRŘSŠTŤUÚŮVWXYÝZŽ";
  writeBytes(root_ / "in.txt", cp1250);
  EXPECT_EQ(readWholeText(root_ / "in.txt"), letters);
  // What the code page lacks becomes "?".
  writeText(root_ / "out.txt", letters + withCrLf(u"\u00F1\u20AC") + u"\u4E2D");
  EXPECT_EQ(readBytes(root_ / "out.txt"), cp1250 + "?\x80\r\n?");

  // Typographic quotes, a dash, non-breaking spaces and a degree sign are one byte each.
  const fs::path golden = fs::path(TYMBA_STORAGE_GOLDEN_DIR) / "cviceni.txt";
  const std::u16string first = u"Jarní ráno";
  const std::u16string second = u"Šla\u00A0jsem „ven“ – bylo 7\u00A0°C.";
  EXPECT_EQ(readWholeText(golden), withCrLf(first) + withCrLf(second));
  EXPECT_EQ(readLines(golden), (std::vector<std::u16string>{first, second}));
  writeText(root_ / "golden.txt", readWholeText(golden));
  EXPECT_EQ(readBytes(root_ / "golden.txt"), readBytes(golden));
}

TEST_F(TextFileTest, LinesEndAtCrLfLoneLfOrLoneCr) {
  const std::pair<std::string, std::vector<std::u16string>> rows[] = {
      {"", {}},
      {"\310esk\375\r\n\236ena", {u"Český", u"žena"}},  // no break after the last line
      {"a\nb\rc\n", {u"a", u"b", u"c"}},
      {"a\n\rb\r\r\nc", {u"a", u"", u"b", u"", u"c"}},  // LF CR and CR CR LF are two breaks
      {"\r\n\r\na\r\n\r\n", {u"", u"", u"a", u""}},
  };
  for (const auto& [bytes, lines] : rows) {
    SCOPED_TRACE(::testing::PrintToString(bytes));
    const fs::path file = root_ / "lines.txt";
    writeBytes(file, bytes);
    EXPECT_EQ(readLines(file), lines);
    TextReader reader(file);
    for (const std::u16string& line : lines) {
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
  TextReader reader(root_ / "one.txt");
  EXPECT_EQ(reader.readLine(), u"1a");
  reader.open(root_ / "two.txt");
  EXPECT_EQ(reader.readLine(), u"2a");
  EXPECT_TRUE(reader.atEnd());
  reader.open(root_ / "one.txt");
  EXPECT_THROW(reader.open(root_ / "missing.txt"), TextFileError);
  EXPECT_TRUE(reader.atEnd());
}

TEST_F(TextFileTest, ReadingWhatIsNoFileThrowsWithThePath) {
  fs::create_directory(root_ / "folder");
  ASSERT_EQ(::mkfifo((root_ / "fifo").c_str(), 0600), 0);  // no writer: opening it would wait
  writeBytes(root_ / "large.txt", std::string(kMaxTextFileBytes + 1, 'a'));
  writeBytes(root_ / "largest.txt", std::string(kMaxTextFileBytes, 'a'));
  EXPECT_EQ(readWholeText(root_ / "largest.txt").size(), kMaxTextFileBytes);
  const std::pair<fs::path, std::errc> rows[] = {
      {root_ / "missing.txt", std::errc::no_such_file_or_directory},
      {root_ / "folder", std::errc::is_a_directory},
      {root_ / "fifo", std::errc::invalid_argument},
      {root_ / "large.txt", std::errc::file_too_large},
  };
  for (const auto& [file, code] : rows) {
    SCOPED_TRACE(file);
    const TextFileError error = errorOf([&] { readWholeText(file); });
    EXPECT_EQ(error.path(), file);
    EXPECT_EQ(error.code(), code);
    EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos);
    EXPECT_EQ(errorOf([&] { readForeignText(file); }).code(), code);
    EXPECT_THROW(readLines(file), TextFileError);
    EXPECT_THROW(TextReader{file}, TextFileError);
  }
}

TEST_F(TextFileTest, ForeignTextsInEitherEncodingGetCrLf) {
  writeBytes(root_ / "utf8.txt", "\xC5\xBDlu\xC5\xA5ou\xC4\x8Dk\xC3\xBD\nk\xC5\xAF\xC5\x88\n");
  writeBytes(root_ / "cp1250.txt", "\x8Elu\x9Dou\xE8k\xFD\r\nk\xF9\xF2\r\n");
  writeBytes(root_ / "bad.txt", "\xEF\xBB\xBF\x8Elu");
  EXPECT_EQ(readForeignText(root_ / "utf8.txt"), u"Žluťoučký\r\nkůň\r\n");
  EXPECT_EQ(readForeignText(root_ / "cp1250.txt"), u"Žluťoučký\r\nkůň\r\n");
  EXPECT_EQ(errorOf([&] { readForeignText(root_ / "bad.txt"); }).code(),
            std::errc::illegal_byte_sequence);
  EXPECT_THROW(readForeignText(root_ / "missing.txt"), TextFileError);
}

TEST_F(TextFileTest, WriteReplacesOrCreatesTheFileKeepingItsMode) {
  const fs::path file = root_ / "x.txt";
  writeText(file, u"a\r\n");
  EXPECT_EQ(readBytes(file), "a\r\n");
  writeBytes(file, std::string(10000, 'o'));
  fs::permissions(file, fs::perms(0664));
  writeText(file, u"nový\r\n");
  EXPECT_EQ(readBytes(file), "nov\xFD\r\n");
  EXPECT_EQ(modeOf(file), fs::perms(0664));
  writeText(file, u"");
  EXPECT_EQ(readBytes(file), "");

  replaceFileContents(root_ / "private.ini", "heslo=x\n", fs::perms(0600));
  EXPECT_EQ(modeOf(root_ / "private.ini"), fs::perms(0600));
  EXPECT_EQ(readBytes(root_ / "private.ini"), "heslo=x\n");
  EXPECT_EQ(namesIn(root_), (Names{"private.ini", "x.txt"})) << "no temporary file is left";
}

TEST_F(TextFileTest, FailedWriteLeavesEverythingAsItWas) {
  // A folder where the file should be: the new content cannot take its place.
  writeBytes(root_ / "target" / "inside.txt", "old");
  EXPECT_THROW(writeText(root_ / "target", u"new"), TextFileError);
  const fs::path file = root_ / "missing" / "x.txt";
  const TextFileError error = errorOf([&] { writeText(file, u"a"); });
  EXPECT_EQ(error.path(), file);
  EXPECT_EQ(error.code(), std::errc::no_such_file_or_directory);
  EXPECT_EQ(namesIn(root_), Names{"target"});
  EXPECT_EQ(namesIn(root_ / "target"), Names{"inside.txt"});
}

TEST_F(TextFileTest, WriteThroughALinkReplacesTheFileItPointsTo) {
  writeBytes(root_ / "real" / "a.txt", "old");
  fs::create_symlink("real/a.txt", root_ / "link.txt");
  writeText(root_ / "link.txt", u"new");
  EXPECT_TRUE(fs::is_symlink(root_ / "link.txt"));
  EXPECT_EQ(readBytes(root_ / "real" / "a.txt"), "new");
  EXPECT_EQ(namesIn(root_ / "real"), Names{"a.txt"});
}

TEST_F(TextFileTest, WriteLeavesAReadOnlyFileAlone) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  const fs::path file = root_ / "locked.txt";
  writeBytes(file, "old");
  fs::permissions(file, fs::perms(0444));
  EXPECT_THROW(writeText(file, u"new"), TextFileError);
  EXPECT_EQ(readBytes(file), "old");
  EXPECT_EQ(namesIn(root_), Names{"locked.txt"});
}

TEST_F(TextFileTest, AppendAddsAtTheEndAndCreatesAMissingFile) {
  const fs::path file = root_ / "u.ide";
  appendText(file, withCrLf(u"první"));
  appendText(file, withCrLf(u"druhý"));
  EXPECT_EQ(readBytes(file), "prvn\xED\r\ndruh\xFD\r\n");
  EXPECT_THROW(appendText(root_ / "missing" / "u.ide", u"x"), TextFileError);
  EXPECT_FALSE(fs::exists(root_ / "missing"));
}

}  // namespace
}  // namespace tymba
