#pragma once
// The program folder: the folder of the running executable. Exercise texts,
// lessons, sounds and user files live in folders beside the program.

#include <filesystem>

namespace tymba {

// The folder of the running executable, read from /proc/self/exe.
std::filesystem::path programFolder();

}  // namespace tymba
