#pragma once
// Reading and writing the program's small data files. Readers never throw and never read more
// than they need; writers replace a file atomically (a temporary file beside it, then a
// rename), so a crash or a full disk leaves either the old file or the new one, never half.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zendral {

enum class ReadStatus {
  kOk,
  kMissing,     // no such file
  kUnreadable,  // exists but cannot be opened or read (a folder, no permission, an I/O error)
  kTooLarge,    // longer than the reader accepts; bytes holds the first maxBytes
};

struct FileBytes {
  ReadStatus status = ReadStatus::kMissing;
  std::string bytes;
};

FileBytes ReadFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

// Who may read a written file: a replaced file keeps the permissions it had (a new one gets the
// usual ones), or only its owner may read and write it (a file that holds a password).
enum class FileAccess { kKeep, kOwnerOnly };

// Writes bytes to a temporary file in the target's folder and renames it over the target.
// False when anything fails; the target then keeps its old content. With kOwnerOnly the
// temporary file is closed to others before its first byte is written.
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                     FileAccess access = FileAccess::kKeep);

// Whether a file can be created in the folder, found by creating (and removing) one: the
// permission bits alone do not tell, for example when running as root.
bool IsFolderWritable(const std::filesystem::path& folder);

// Whether an existing file can be replaced: it opens for writing and its folder takes a new
// file (the atomic write needs both).
bool CanReplaceFile(const std::filesystem::path& path);

// The lines of a text: ends are CR LF, a lone LF or a lone CR; a final line without an end
// counts, an end at the very end of the text starts no further line. At most maxLines lines.
std::vector<std::string_view> SplitLines(std::string_view text,
                                         std::size_t maxLines = static_cast<std::size_t>(-1));

// Joins lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace zendral
