#pragma once
// Text files that come from elsewhere (chosen by the user, typed in another
// program) may be Windows-1250 or UTF-8, with any kind of line end. This
// turns their bytes into the core's text form.

#include <optional>
#include <string>
#include <string_view>

namespace tymba {

enum class Encoding { Detect, Cp1250, Utf8 };

// The bytes of a file as core text: every line end (LF, CR LF, lone CR)
// becomes CR LF. Detect takes UTF-8 when the bytes start with its byte-order
// mark or are valid UTF-8 holding a byte of 0x80 or more, else Windows-1250.
// A UTF-8 byte-order mark is dropped; a character beyond U+FFFF becomes "?",
// so that every character stays one position. Nothing when the bytes are not
// valid UTF-8 although they have to be (Utf8, or a byte-order mark).
std::optional<std::u16string> decodeText(std::string_view bytes, Encoding encoding);

}  // namespace tymba
