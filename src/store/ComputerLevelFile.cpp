#include "ComputerLevelFile.h"

#include "FileIo.h"

namespace zendral {

namespace {
constexpr std::string_view kExpertLine = "Expert";
constexpr std::string_view kClassicLine = "Classic";
}  // namespace

ComputerLevel ReadComputerLevel(const std::filesystem::path& path) {
  const FileBytes file = ReadFileBytes(path, 64);
  if (file.status != ReadStatus::kOk) return ComputerLevel::kClassic;
  std::string_view text = file.bytes;
  const auto end = text.find_first_of("\r\n");
  if (end != std::string_view::npos) text = text.substr(0, end);
  return text == kExpertLine ? ComputerLevel::kExpert : ComputerLevel::kClassic;
}

bool WriteComputerLevel(const std::filesystem::path& path, ComputerLevel level) {
  std::string line(level == ComputerLevel::kExpert ? kExpertLine : kClassicLine);
  line += "\r\n";
  return WriteFileAtomic(path, line);
}

}  // namespace zendral
