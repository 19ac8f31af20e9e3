#include "core/keycodes.h"

#include <array>
#include <utility>

namespace tymba {
namespace {

// X11 key code -> key code, row by row from the top. The keys are named by
// what they type on the Czech QWERTZ layout.
// clang-format off
constexpr std::array<std::pair<unsigned, int>, 52> kByPlace = {{
    // 1 + ... 0 é; = %; ´ ˇ (dead); Backspace
    {10, 49}, {11, 50}, {12, 51}, {13, 52}, {14, 53}, {15, 54}, {16, 55}, {17, 56}, {18, 57},
    {19, 48}, {20, 189}, {21, 187}, {22, 8},
    // Q W E R T Z U I O P; ú /; ) (; Enter
    {24, 81}, {25, 87}, {26, 69}, {27, 82}, {28, 84}, {29, 90}, {30, 85}, {31, 73}, {32, 79},
    {33, 80}, {34, 219}, {35, 221}, {36, 13},
    // A S D F G H J K L; ů "; § !; ¨ '
    {38, 65}, {39, 83}, {40, 68}, {41, 70}, {42, 71}, {43, 72}, {44, 74}, {45, 75}, {46, 76},
    {47, 186}, {48, 222}, {51, 220},
    // left Shift; Y X C V B N M; , ?; . :; - _; right Shift
    {50, 160}, {52, 89}, {53, 88}, {54, 67}, {55, 86}, {56, 66}, {57, 78}, {58, 77}, {59, 188},
    {60, 190}, {61, 191}, {62, 161},
    // Space; Enter of the number pad
    {65, 32}, {104, 13},
}};
// clang-format on

}  // namespace

int keyCodeForX11(unsigned x11) {
  for (const auto& [code, key] : kByPlace)
    if (code == x11) return key;
  return 0;
}

}  // namespace tymba
