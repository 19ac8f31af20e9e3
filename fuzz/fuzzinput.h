#pragma once
// What the fuzzers share: the input cut into fields, a folder for the files a
// fuzzer writes, and the stop that libFuzzer reports as a crash.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tymba::fuzz {

// The input cut at every NUL byte (n NULs give n + 1 fields), so that the
// fuzzer can make any number of texts of any length from one input.
std::vector<std::string_view> fields(const std::uint8_t* data, std::size_t size);

// The field at index, or fallback when the input has fewer.
std::string_view field(const std::vector<std::string_view>& all, std::size_t index,
                       std::string_view fallback = {});

// A private folder made on first use, removed when the fuzzer ends (in
// memory where the system allows).
const std::filesystem::path& scratchFolder();

// Writes bytes as the whole file (the fuzzer's input, not the program's data).
void writeFile(const std::filesystem::path& file, std::string_view bytes);

// Reports a broken rule and stops: libFuzzer keeps the input as a crash.
[[noreturn]] void fail(const std::string& broken);

}  // namespace tymba::fuzz
