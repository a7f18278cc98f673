#include "online/UserFile.h"

#include "protocol/Scramble.h"
#include "store/Cp1251.h"
#include "store/FileIo.h"

namespace zendral::online {

using protocol::Scramble;
using protocol::Unscramble;

std::filesystem::path UserFilePath(const std::filesystem::path& programFolder) {
  std::filesystem::path folder = programFolder;
  // "C:\Games\Zendral\" and "C:\Games\Zendral" both name the folder whose parent we want.
  if (!folder.empty() && !folder.has_filename()) folder = folder.parent_path();
  return folder.parent_path() / kUserFileName;
}

std::optional<SavedLogIn> ReadUserFile(const std::filesystem::path& path) {
  const FileBytes file = ReadFileBytes(path, 64 * 1024);
  if (file.status != ReadStatus::kOk) return std::nullopt;
  const auto lines = SplitLines(file.bytes);
  if (lines.empty() || lines[0] != kUserFileSignature) return std::nullopt;
  SavedLogIn saved;
  if (lines.size() > 1) saved.nick = Cp1251ToUtf8(lines[1]);
  if (lines.size() > 2) {
    saved.pw = Cp1251ToUtf8(Unscramble(lines[2]).value_or(""));
    for (char& c : saved.pw) {
      if (c == ' ' || c == '#' || c == '$') c = '-';
    }
  }
  return saved;
}

bool SaveUserFile(const std::filesystem::path& path, const std::string& nick,
                  const std::string& pw) {
  const std::string bytes = std::string(kUserFileSignature) + "\r\n" + Utf8ToCp1251(nick) + "\r\n" +
                            Scramble(Utf8ToCp1251(pw)) + "\r\n";
  // The password is only scrambled: nobody but the player may read the file.
  return WriteFileAtomic(path, bytes, FileAccess::kOwnerOnly);
}

bool DeleteUserFile(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
  return !ec && !std::filesystem::exists(path, ec);
}

}  // namespace zendral::online
