#pragma once
// The program's version as the intro and the About window show it, and the name of its help
// page beside the program.

namespace zendral {

inline constexpr const char* kVersionText = "V 5.7f";
inline constexpr const char* kHelpFileName = "Zendral.html";

}  // namespace zendral
