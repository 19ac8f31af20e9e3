#include "storage/testrecord.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "core/cp1250.h"
#include "storage/posixfile.h"
#include "storage/textfile.h"

namespace tymba {

namespace fs = std::filesystem;

namespace {

// A history of many long tests is a few megabytes; this is far beyond any.
constexpr std::uintmax_t kMaxRecordFileBytes = 64u << 20;
constexpr std::size_t kHeaderFieldCount = 3;
constexpr std::size_t kResultFieldCount = 6;

// Where a reading of records stopped: at the end of the text, at a whole line
// that is not a header or result line (the text goes on, but not as records),
// or inside a record that the text's end cuts short.
enum class Stop { End, NotRecords, CutShort };

struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// The parts of one whole record in the text; the texts without their final "#".
struct RecordSpans {
  Span header, results, typed, marked;
};

struct ScanResult {
  Stop stop = Stop::End;
  std::size_t wholeEnd = 0;  // the end of the last whole record, after its CR LF
};

// Reads records the same way from decoded text and from the file's bytes: the
// characters that shape a record ("_", "#", CR, LF) are single bytes in the
// code page. Only CR LF ends a line: a lone CR or LF is text (a marked copy
// has one where an error replaced half of a line break), so every text reads
// back exactly as it was written. A line is only whole with its CR LF, so the
// last record of a text cut after any "#" is not taken for whole.
template <class Char, class OnRecord>
ScanResult scanRecords(std::basic_string_view<Char> text, OnRecord&& onRecord) {
  static constexpr Char kCrLf[] = {Char('\r'), Char('\n')};
  const std::basic_string_view<Char> crLf(kCrLf, 2);
  ScanResult result;
  std::size_t pos = 0;
  // The end of the line from pos, and pos moved past its CR LF; false when the
  // text ends before the line does.
  const auto nextLine = [&](Span& line) {
    const std::size_t end = text.find(crLf, pos);
    if (end == text.npos) return false;
    line = {pos, end};
    pos = end + 2;
    return true;
  };
  const auto separators = [&](const Span& line) {
    return static_cast<std::size_t>(
        std::count(text.begin() + static_cast<std::ptrdiff_t>(line.begin),
                   text.begin() + static_cast<std::ptrdiff_t>(line.end), Char('_')));
  };
  while (pos < text.size()) {
    RecordSpans record;
    // A header or result line cut short by a crash has no CR LF yet.
    for (const auto& [line, fields] : {std::pair{&record.header, kHeaderFieldCount},
                                       std::pair{&record.results, kResultFieldCount}}) {
      if (!nextLine(*line)) return {Stop::CutShort, result.wholeEnd};
      if (separators(*line) < fields) return {Stop::NotRecords, result.wholeEnd};
    }
    for (Span* part : {&record.typed, &record.marked}) {
      const std::size_t begin = pos;
      Span line;
      do {
        if (!nextLine(line)) return {Stop::CutShort, result.wholeEnd};
      } while (line.end == line.begin || text[line.end - 1] != Char('#'));
      *part = {begin, line.end - 1};
    }
    onRecord(record);
    result.wholeEnd = pos;
  }
  return result;
}

std::u16string spanText(std::u16string_view text, const Span& span) {
  return std::u16string(text.substr(span.begin, span.end - span.begin));
}

// Fields ended by "_": a field without its "_" takes the rest of the line.
template <std::size_t Count>
std::array<std::u16string, Count> fieldsOf(std::u16string_view line) {
  std::array<std::u16string, Count> fields;
  std::size_t start = 0;
  for (std::u16string& field : fields) {
    const std::size_t end = std::min(line.find(u'_', start), line.size());
    field = line.substr(std::min(start, line.size()), end - std::min(start, line.size()));
    start = end + 1;
  }
  return fields;
}

// A value of the header or result line on one line, so that it cannot break
// the record's layout.
std::u16string oneLine(std::u16string_view value) {
  std::u16string line(value);
  std::replace_if(
      line.begin(), line.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
  return line;
}

std::string recordBytes(const std::vector<TestRecord>& records) {
  std::u16string text;
  for (const TestRecord& record : records) text += recordText(record);
  return encodeCp1250(text);
}

bool sameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Waits for the other copies of the program that write the same file; a file
// system without locks is written without.
void lock(int fd) {
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

}  // namespace

std::array<std::u16string, 3> headerValues(const TestRecord& record) {
  return fieldsOf<kHeaderFieldCount>(record.header);
}

std::array<std::u16string, 3> headerFields(const TestRecord& record) {
  std::array<std::u16string, 3> fields = headerValues(record);
  for (std::u16string& field : fields) field.resize(kHeaderFieldWidth, u' ');
  return fields;
}

std::array<std::u16string, 6> resultFields(const TestRecord& record) {
  return fieldsOf<kResultFieldCount>(record.results);
}

TestRecord makeRecord(std::u16string_view name, std::u16string_view date, std::u16string_view time,
                      const std::array<std::u16string, 6>& results, std::u16string_view typed,
                      std::u16string_view marked) {
  TestRecord record;
  for (std::u16string_view field : {name, date, time}) record.header += oneLine(field) + u'_';
  for (const std::u16string& field : results) record.results += oneLine(field) + u'_';
  record.typed = typed;
  record.marked = marked;
  return record;
}

std::u16string recordText(const TestRecord& record) {
  std::u16string text;
  text.reserve(record.header.size() + record.results.size() + record.typed.size() +
               record.marked.size() + 10);
  text.append(record.header).append(u"\r\n").append(record.results).append(u"\r\n");
  text.append(record.typed).append(u"#\r\n").append(record.marked).append(u"#\r\n");
  return text;
}

std::vector<TestRecord> parseRecords(std::u16string_view text) {
  std::vector<TestRecord> records;
  scanRecords(text, [&](const RecordSpans& spans) {
    records.push_back({spanText(text, spans.header), spanText(text, spans.results),
                       spanText(text, spans.typed), spanText(text, spans.marked)});
  });
  return records;
}

std::vector<TestRecord> readRecords(const fs::path& file) {
  return parseRecords(decodeCp1250(readFileBytes(file, kMaxRecordFileBytes).bytes));
}

// The file is locked while it is read, cut back and written, so that a second
// copy of the program never takes the record it is writing for one cut short.
// A rewrite may have renamed a new file over the path meanwhile: then the new
// file is opened.
void appendRecord(const fs::path& file, const TestRecord& record) {
  std::string bytes = encodeCp1250(recordText(record));
  constexpr int kOpenFlags = O_RDWR | O_APPEND | O_NONBLOCK;
  for (int attempt = 0;; ++attempt) {
    bool created = false;
    Descriptor fd(openFile(file, kOpenFlags));
    if (!fd.isOpen() && errno == ENOENT) {
      fd.reset(openFile(file, kOpenFlags | O_CREAT, static_cast<mode_t>(kNewFileMode)));
      created = true;
    }
    if (!fd.isOpen()) failWithErrno("cannot open for appending", file);
    lock(fd.get());
    struct stat opened {
    }, current{};
    if (::fstat(fd.get(), &opened) == 0 && ::stat(file.c_str(), &current) == 0 &&
        !sameFile(opened, current) && attempt < 3) {
      continue;
    }

    const std::string old = readOpenFile(fd.get(), file, kMaxRecordFileBytes).bytes;
    const ScanResult scan = scanRecords(std::string_view(old), [](const RecordSpans&) {});
    std::size_t kept = old.size();
    if (scan.stop == Stop::CutShort) {
      kept = scan.wholeEnd;
      if (::ftruncate(fd.get(), static_cast<off_t>(kept)) != 0) {
        failWithErrno("cannot cut back the unfinished record of", file);
      }
    }
    // Text that is not records is kept; the new record starts on a line of its own.
    if (kept > 0 && !std::string_view(old).substr(0, kept).ends_with("\r\n")) {
      bytes.insert(0, "\r\n");
    }
    if (!writeAll(fd.get(), bytes) || ::fdatasync(fd.get()) != 0 || !fd.close()) {
      failWithErrno("cannot append to", file);
    }
    if (created) flushFolder(file.parent_path());
    return;
  }
}

// Holds the lock of the old file until the new one has replaced it, so that
// an append waits and then writes into the new file.
void rewriteRecords(const fs::path& file, const std::vector<TestRecord>& records) {
  Descriptor old(openFile(file, O_RDONLY | O_NONBLOCK));
  if (old.isOpen()) lock(old.get());
  replaceFileContents(file, recordBytes(records));
}

}  // namespace tymba
