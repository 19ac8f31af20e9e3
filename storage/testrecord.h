#pragma once
// The records of finished tests: ".tst" files and each identity's user file
// (".ide") hold them one after another in the same layout (see docs/formats.md).
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>
namespace tymba {
// One finished test as stored in a ".tst" file or a user file (".ide").
struct TestRecord {
  std::u16string header;   // line 1 as read, with its final "_"  (name_date_time_)
  std::u16string results;  // line 2 as read, with its final "_"  (six fields)
  std::u16string typed;    // the typed text without its final "#", lines joined by CR LF
  std::u16string marked;   // the marked copy, likewise
  bool operator==(const TestRecord&) const = default;
};
inline constexpr std::size_t kHeaderFieldWidth = 39;
// Name, date and time as written (a name is cut at its first "_").
std::array<std::u16string, 3> headerValues(const TestRecord& record);
// Name, date and time as the list shows them: each cut or padded with blanks to 39 characters.
std::array<std::u16string, 3> headerFields(const TestRecord& record);
// The six result fields: gross keystrokes, errors, duration text, net keystrokes, net per minute,
// error percentage, as written.
std::array<std::u16string, 6> resultFields(const TestRecord& record);
// A record from its values (the header and result lines get their "_" separators).
TestRecord makeRecord(std::u16string_view name, std::u16string_view date, std::u16string_view time,
                      const std::array<std::u16string, 6>& results, std::u16string_view typed,
                      std::u16string_view marked);
// The record as it stands in a file: four lines (the last two may span several), CR LF.
std::u16string recordText(const TestRecord& record);
// Every whole record of a file's text, in order (no limit of 100). Reading ends at the end of
// the text, at a header or result line with too few "_", and before a record that is cut short
// (its marked text never ends with "#"): only whole records are returned.
std::vector<TestRecord> parseRecords(std::u16string_view text);
// The records of a file (Windows-1250). Throws TextFileError (storage/textfile.h).
std::vector<TestRecord> readRecords(const std::filesystem::path& file);
// Adds one record at the end of the file (creating it when missing) with one write, flushed to
// the disk; a record cut short by a crash at the file's end is cut away first, so the file
// always holds whole records. Throws TextFileError.
void appendRecord(const std::filesystem::path& file, const TestRecord& record);
// Replaces the file's content with these records (empty: an empty file): temporary file, flush,
// rename. Throws TextFileError.
void rewriteRecords(const std::filesystem::path& file, const std::vector<TestRecord>& records);
}  // namespace tymba
