#pragma once
// The typing font. The texts are laid out for "Courier New CE", which on
// Linux is a substitute name: Courier New where installed, else the
// metric-compatible Liberation Mono.

#include <QFont>

namespace tymba {

inline constexpr const char* kTypingFontFamily = "Courier New CE";

// Registers the substitutes; safe to call more than once.
void registerFontSubstitutes();

// True when the family, or one of its registered substitutes, is installed.
bool isFontInstalled(const QString& family);

// The typing font at size Pismo + 9 points (Pismo 1 to 3).
QFont typingFont(int pismo);

}  // namespace tymba

namespace tymba {

// The lesson lines' font: the typing font spaced so that one character cell
// is exactly 120 + 15 * (Pismo - 1) twips wide, the step of the cursor mark.
QFont lessonFont(int pismo);

}  // namespace tymba
