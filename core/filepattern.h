#pragma once
// File patterns as a file list takes them from its user: "*" stands for any
// run of characters, "?" for one character, several patterns are separated
// by ";", and letters match whatever their case (Czech ones too). As in the
// file lists users know, a pattern ending in ".*" also takes names without
// any dot ("*.*" lists every file), and an empty pattern lists everything.

#include <string_view>

namespace tymba {

bool matchesFilePattern(std::u16string_view name, std::u16string_view pattern);

}  // namespace tymba
