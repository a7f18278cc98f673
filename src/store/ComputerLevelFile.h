#pragma once
// The computer's level (the classic player or the expert) kept across restarts in a small
// file of its own beside the settings file, which stays exactly as it is. One line, "Classic"
// or "Expert"; whatever else the file holds, or no file, reads as Classic.

#include <filesystem>
#include <string_view>

namespace zendral {

inline constexpr std::string_view kComputerLevelFileName = "ZendralLevel.ini";

enum class ComputerLevel { kClassic, kExpert };

ComputerLevel ReadComputerLevel(const std::filesystem::path& path);
// Atomic: a failed write leaves the old file. False when it failed.
bool WriteComputerLevel(const std::filesystem::path& path, ComputerLevel level);

}  // namespace zendral
