#pragma once
// The one family the program writes its texts in. The settings and the art ask for
// "Comic Sans MS"; the comic face a Linux machine puts in its place has no Cyrillic letters, so
// Russian words came out in a larger, bolder fallback beside the Latin ones. The program's
// family has Latin and Cyrillic letters of one design (Chinese, Japanese and Korean texts take
// the system's CJK face, as every Latin face needs). scripts/install-deps.sh installs it.

#include <QString>

namespace zendral {

inline constexpr char kProgramFontFamily[] = "Comfortaa";
// Used when the program's family is missing: a common face with Cyrillic letters.
inline constexpr char kProgramFontFallback[] = "DejaVu Sans";

// Makes the program's family the application's font and the face behind the names the
// settings and the art ask for ("Comic Sans MS"). Call once, after the QApplication exists.
void UseProgramFont();

// The family Qt really draws with for a requested one (after the substitutions).
QString ResolvedFamily(const QString& requested);

}  // namespace zendral
