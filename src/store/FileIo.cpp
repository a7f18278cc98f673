#include "store/FileIo.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>

namespace zendral {
namespace fs = std::filesystem;
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// A name that no other writer in this folder uses at the same time: a dot first, so the file
// is hidden while it exists.
fs::path TemporaryNameFor(const fs::path& target, unsigned attempt) {
  static std::atomic<unsigned long long> counter{0};
  const auto ticks =
      static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  const unsigned long long mix = ticks * 0x9E3779B97F4A7C15ull + (++counter << 8) + attempt;
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%012llx.tmp", mix & 0xFFFFFFFFFFFFull);
  std::string name(1, '.');
  name += target.filename().string();
  name += suffix;
  return target.parent_path() / name;
}

// Creates a new file that did not exist ("x": never opens somebody else's file).
File CreateNew(const fs::path& target, fs::path& created) {
  for (unsigned attempt = 0; attempt < 8; ++attempt) {
    created = TemporaryNameFor(target, attempt);
    if (File f{std::fopen(created.c_str(), "wbx")}) return f;
  }
  return nullptr;
}

}  // namespace

FileBytes ReadFileBytes(const fs::path& path, std::size_t maxBytes) {
  FileBytes result;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) {
    result.status = ReadStatus::kMissing;
    return result;
  }
  if (fs::is_directory(status)) {
    result.status = ReadStatus::kUnreadable;
    return result;
  }
  File f{std::fopen(path.c_str(), "rb")};
  if (!f) {
    result.status = ReadStatus::kUnreadable;
    return result;
  }
  try {
    char buffer[16384];
    while (result.bytes.size() <= maxBytes) {
      const std::size_t n = std::fread(buffer, 1, sizeof buffer, f.get());
      result.bytes.append(buffer, n);
      if (n < sizeof buffer) break;
    }
  } catch (...) {  // out of memory: treat like an unreadable file
    result.bytes.clear();
    result.status = ReadStatus::kUnreadable;
    return result;
  }
  if (std::ferror(f.get())) {
    result.bytes.clear();
    result.status = ReadStatus::kUnreadable;
  } else if (result.bytes.size() > maxBytes) {
    result.bytes.resize(maxBytes);
    result.status = ReadStatus::kTooLarge;
  } else {
    result.status = ReadStatus::kOk;
  }
  return result;
}

bool WriteFileAtomic(const fs::path& path, std::string_view bytes, FileAccess access) {
  std::error_code ec;
  // Through a link the file it points at is replaced, not the link.
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(path, ec))) {
    const fs::path resolved = fs::canonical(path, ec);
    if (!ec) target = resolved;
  }
  if (target.filename().empty()) return false;
  if (target.parent_path().empty()) target = fs::path(".") / target;

  fs::path temporary;
  File f = CreateNew(target, temporary);
  if (!f) return false;
  bool ok = true;
  if (access == FileAccess::kOwnerOnly) {
    fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, ec);
    ok = !ec;
  }
  ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  ok = std::fflush(f.get()) == 0 && ok;
  ok = std::fclose(f.release()) == 0 && ok;
  if (ok) {
    // A replaced file keeps its permissions, unless only its owner may read it.
    const fs::file_status old = fs::status(target, ec);
    if (access == FileAccess::kKeep && !ec && fs::exists(old)) {
      fs::permissions(temporary, old.permissions(), ec);
    }
    fs::rename(temporary, target, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(temporary, ec);
  return ok;
}

bool IsFolderWritable(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return false;
  fs::path probe;
  File f = CreateNew(folder / "zendral-write-test", probe);
  if (!f) return false;
  f.reset();
  fs::remove(probe, ec);
  return true;
}

bool CanReplaceFile(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  // "r+" opens for writing without changing a byte.
  if (!File{std::fopen(path.c_str(), "r+b")}) return false;
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  return IsFolderWritable(folder);
}

std::vector<std::string_view> SplitLines(std::string_view text, std::size_t maxLines) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size() && lines.size() < maxLines) {
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
      start = end + 2;
    } else {
      start = end + 1;
    }
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  out.reserve(size);
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

}  // namespace zendral
