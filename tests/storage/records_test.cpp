// The records of finished tests: the golden file, files cut short by a crash
// or holding other text, many records, and appends killed at random moments.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <random>

#include "core/cp1250.h"
#include "storage/testrecord.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

using RecordTest = testing::TempFolderTest;
using Records = std::vector<TestRecord>;

const std::string kGolden = TYMBA_STORAGE_GOLDEN_DIR "/vysledky.tst";
// A name with "_"; a text of three lines and its marked copy, where an error
// took the LF of a line break; empty texts; a long name; "#" inside lines.
const Records kGoldenRecords = {
    makeRecord(u"Test_A", u"3.12.2026", u"23:39:39",
               {u"76", u"2", u"1 : 15", u"42", u"33", u"6,8966"}, u"Malý kůň\r\nbílý pes\r\nběží.",
               u"Ma_ý kůň\r_bílý pes\r\nběží."),
    makeRecord(u"Žluťoučký kůň", u"4.12.2026", u"8:05:00",
               {u"0", u"0", u"00 : 00", u"0", u"0", u"0"}, u"", u""),
    makeRecord(u"Dlouhý název testu, který se do sloupce nevejde", u"31.12.2026", u"0:00:59",
               {u"1", u"1", u"00 : 59", u"0", u"-19", u"100"}, u"C# a #1\r\n", u"C_ a #1\r\n"),
};

// Records told apart by a number at the end of the typed text, up to 4 kB.
TestRecord numbered(std::size_t n) {
  TestRecord record = kGoldenRecords[n % 3];
  record.typed += std::u16string(n % 5 * 1000, u'#') + fromUtf8(std::to_string(n));
  return record;
}

TEST_F(RecordTest, GoldenFileIsWrittenAndReadByteForByteAndAllRecordsKept) {
  for (const TestRecord& record : kGoldenRecords) appendRecord(root_ / "appended.ide", record);
  EXPECT_EQ(readBytes(root_ / "appended.ide"), readBytes(kGolden));
  EXPECT_EQ(readRecords(kGolden), kGoldenRecords);
  // The name is cut at its own "_", so the date field holds the rest of the name.
  EXPECT_EQ(headerFields(kGoldenRecords[0])[1], u"A" + std::u16string(kHeaderFieldWidth - 1, u' '));
  EXPECT_EQ(headerFields(kGoldenRecords[2])[0], u"Dlouhý název testu, který se do sloupce");
  EXPECT_EQ(resultFields(kGoldenRecords[0])[5], u"6,8966");

  const auto file = root_ / "historie.ide";
  Records records;
  for (std::size_t n = 0; n < 150; ++n) records.push_back(numbered(n));
  for (std::size_t deleted : {150, 120}) {  // none, then one after the hundredth
    if (deleted < records.size()) records.erase(records.begin() + deleted);
    rewriteRecords(file, records);
    EXPECT_EQ(readRecords(file), records);
  }
  rewriteRecords(file, {records[7]});  // a save that replaces the file
  appendRecord(file, records[9]);      // and one that adds to it
  EXPECT_EQ(readRecords(file), (Records{records[7], records[9]}));
}

// Cut at every byte, in each kind of line, or followed by text that is no
// record: the whole records before are read; an append keeps them, cuts an
// unfinished record away, and keeps other text, starting on a line of its own.
TEST_F(RecordTest, AnAppendKeepsEveryWholeRecordAndCutsAnUnfinishedOneAway) {
  const std::string golden = readBytes(kGolden);
  std::vector<std::size_t> ends{0};
  for (const TestRecord& record : kGoldenRecords)
    ends.push_back(ends.back() + recordText(record).size());
  const std::string first = golden.substr(0, ends[1]);
  std::vector<std::tuple<std::string, long, std::optional<std::string>>> rows = {
      {"Text\r\nbez konce", 0, "Text\r\nbez konce\r\n"},
      {first + "\r\n" + first, 1, std::nullopt},  // kept as it is
      {first + "a_b_c_\r\n1_2_3_4_5\r\n#\r\n#\r\n", 1, std::nullopt}};
  for (std::size_t cut = 0; cut <= golden.size(); ++cut) {
    const long whole = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin() - 1;
    rows.emplace_back(golden.substr(0, cut), whole, golden.substr(0, ends[whole]));
  }
  for (const auto& [text, whole, kept] : rows) {
    SCOPED_TRACE(text);
    writeBytes(root_ / "cut.tst", text);
    EXPECT_EQ(readRecords(root_ / "cut.tst"),
              Records(kGoldenRecords.begin(), kGoldenRecords.begin() + whole));
    appendRecord(root_ / "cut.tst", kGoldenRecords[0]);
    EXPECT_EQ(readBytes(root_ / "cut.tst"), kept.value_or(text) + first);
  }
}

// A child appends records until it is killed; the next one goes on. Whenever
// the kill came, the file reads as the records written, in order.
TEST_F(RecordTest, AppendsKilledAtRandomMomentsLeaveOnlyWholeRecords) {
  const auto file = root_ / "killed.ide";
  writeBytes(file, "");
  std::mt19937 random(2027);
  std::size_t count = 0;
  for (int kill = 0; kill < 200; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      try {
        for (std::size_t n = count;; ++n) appendRecord(file, numbered(n));
      } catch (...) {
        ::_exit(1);
      }
    }
    ::usleep(std::uniform_int_distribution<useconds_t>(0, 4000)(random));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_TRUE(::waitpid(child, &status, 0) == child && WIFSIGNALED(status)) << "append failed";
    const Records records = readRecords(file);
    ASSERT_GE(records.size(), count);
    for (std::size_t n = 0; n < records.size(); ++n) ASSERT_EQ(records[n], numbered(n)) << n;
    count = records.size();
  }
}

}  // namespace
}  // namespace tymba
