#pragma once
// Numbers stored low byte first, as sound files store them.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tymba {

// The number in the size bytes (at most 8) from at, which the caller has made
// sure lie within bytes.
inline std::uint64_t littleEndian(std::string_view bytes, std::size_t at, int size) {
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

}  // namespace tymba
