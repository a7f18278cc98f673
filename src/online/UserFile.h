#pragma once
// The user file "KovUser.kov": the remembered log-in, shared by the family of games installed
// side by side, so it lives in the parent folder of the program folder.

#include <filesystem>
#include <optional>
#include <string>

namespace zendral::online {

inline constexpr const char* kUserFileName = "KovUser.kov";
inline constexpr const char* kUserFileSignature = "Kov User File";

// The user file's path for a program folder: its parent folder plus "KovUser.kov".
std::filesystem::path UserFilePath(const std::filesystem::path& programFolder);

struct SavedLogIn {
  std::string nick;
  std::string pw;  // unscrambled; spaces, "#" and "$" became "-"
};

// Nothing when the file is missing, unreadable or its first line is not exactly the signature.
std::optional<SavedLogIn> ReadUserFile(const std::filesystem::path& path);
// Writes the three lines (the password scrambled), replacing an existing file atomically.
bool SaveUserFile(const std::filesystem::path& path, const std::string& nick,
                  const std::string& pw);
// Removes the file; a missing file counts as removed.
bool DeleteUserFile(const std::filesystem::path& path);

}  // namespace zendral::online
