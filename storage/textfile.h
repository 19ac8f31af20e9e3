#pragma once
// The program's text files: single-byte Windows-1250 with CR LF line ends.
// Bytes are decoded into characters on reading and encoded on writing; the
// text is otherwise kept as it is, so a CR LF read is a CR LF written back.
// A rewrite goes through a temporary file beside the target and a rename, so
// that a crash leaves either the old file or the new one, never half of it.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tymba {

// A file that could not be read or written. The message is for developers;
// the windows tell the user in their own words.
class TextFileError : public std::runtime_error {
 public:
  TextFileError(const std::string& action, std::filesystem::path file, std::error_code code);

  const std::filesystem::path& path() const noexcept { return path_; }
  // Why the system refused, e.g. std::errc::no_such_file_or_directory.
  std::error_code code() const noexcept { return code_; }

 private:
  std::filesystem::path path_;
  std::error_code code_;
};

// The largest file the program reads: its texts are a few kilobytes.
inline constexpr std::uintmax_t kMaxTextFileBytes = 1 << 20;

// Every read takes only a regular file (or a link to one) of at most
// kMaxTextFileBytes: a folder throws TextFileError with std::errc::is_a_directory,
// a FIFO or a device one with std::errc::invalid_argument, a larger file one
// with std::errc::file_too_large.

// What tells one version of a file from another without reading it. The
// inode changes with every rename, so two rewrites within one tick of the file
// system's clock that leave the size alone are still told apart; the change
// time moves with the mode too.
struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file as it is now; nothing, with errno saying why, when it
// cannot be looked at.
std::optional<FileStamp> currentStamp(const std::filesystem::path& file);

struct FileBytes {
  std::string bytes;
  FileStamp stamp;  // of the file that was read, even if it was replaced since
};

// The bytes of a file as they are, with the rules above and maxBytes for the
// limit. Throws TextFileError.
FileBytes readFileBytes(const std::filesystem::path& file,
                        std::uintmax_t maxBytes = kMaxTextFileBytes);

// The whole text, line breaks as they are in the file. Throws TextFileError.
std::u16string readWholeText(const std::filesystem::path& file);

// A text file from elsewhere, such as one the user chose: Windows-1250 or
// UTF-8 as its bytes show, every kind of line end turned into CR LF. Throws
// TextFileError, also for a file whose byte-order mark promises UTF-8 that
// does not follow.
std::u16string readForeignText(const std::filesystem::path& file);

// The lines without their breaks. CR LF, a lone LF or a lone CR ends a line;
// a last line without a break is a line too; an empty file has no lines.
// Throws TextFileError.
std::vector<std::u16string> readLines(const std::filesystem::path& file);

// Reads a file line by line, with the line ends of readLines. The files are
// small, so the whole text is read on opening.
class TextReader {
 public:
  TextReader() = default;
  explicit TextReader(const std::filesystem::path& file) { open(file); }

  // Throws TextFileError; the reader then holds no text.
  void open(const std::filesystem::path& file);
  // The next line, or nothing once the text is used up.
  std::optional<std::u16string> readLine();
  bool atEnd() const noexcept { return position_ >= text_.size(); }

 private:
  std::u16string text_;
  std::size_t position_ = 0;
};

// Replaces the file's content with text (creating the file when missing).
// Throws TextFileError; the old content then stays whole.
void writeText(const std::filesystem::path& file, std::u16string_view text);

// Adds text at the end of the file, creating it when missing. Throws TextFileError.
void appendText(const std::filesystem::path& file, std::u16string_view text);

// Read and write for everyone, as new files usually get; the umask takes away the rest.
inline constexpr auto kNewFileMode = static_cast<std::filesystem::perms>(0666);

// The rewrite behind writeText, for files of other encodings: writes bytes to
// a temporary file in the target's folder, flushes it to the disk and renames
// it over the target. An existing file keeps its mode bits; a new one gets
// newFileMode less the process's umask. A symbolic link is followed, so the
// file it points to is replaced, not the link. Returns the stamp of the new
// file, or nothing when another writer has already replaced it again. Throws
// TextFileError.
std::optional<FileStamp> replaceFileContents(const std::filesystem::path& file,
                                             std::string_view bytes,
                                             std::filesystem::perms newFileMode = kNewFileMode);

inline std::u16string withCrLf(std::u16string_view line) {
  std::u16string result(line);
  result += u"\r\n";
  return result;
}

}  // namespace tymba
