#include "store/ClubList.h"

#include <algorithm>

#include "store/Cp1251.h"
#include "store/FileIo.h"
#include "store/TextFields.h"

namespace zendral {
namespace {

constexpr std::size_t kNameWidth = 20;

// The list's own test for an empty slot: column 30 holds "#".
bool ListSlotEmpty(std::string_view line) {
  return line[29] == '#';
}

std::string MemberText(std::string_view line, int mode) {
  const std::string_view name = line.substr(0, kNameWidth);
  const bool empty = ListSlotEmpty(line);
  std::string text(name);
  if (mode == 2) {
    text += "  ";
    text += line.substr(30, 7);
    text += "  ";
    const auto rating = ParseFixedField(line.substr(20, 10), 6);
    if (empty || !rating) {
      text += line.substr(20, 6);
    } else {
      text += PadLeft(FormatFixed(RoundUnits(*rating, 6, 2), 2), 6);
    }
  } else {
    text += "    ";
    const auto kons = ParseIntField(line.substr(30, 7));
    text += empty || !kons ? std::string("###") : PadLeft(std::to_string(*kons % 30), 3);
    text += "    ";
    text += line.substr(38, 6);
  }
  return text;
}

}  // namespace

std::string FitClubListText(std::string_view bytes, const TextWidthFn& width, int maxWidth) {
  std::string text(bytes);
  if (!width) return Cp1251ToUtf8(text);
  std::size_t cut = std::min(kNameWidth, text.size());  // characters of the name still there
  bool removedSomething = false;
  while (cut > 0 && width(Cp1251ToUtf8(text)) > maxWidth) {
    const char removed = text[cut - 1];
    if (removed != ' ' && removed != '#') removedSomething = true;
    text.erase(cut - 1, 1);
    --cut;
  }
  if (removedSomething) {
    for (std::size_t i = cut >= 3 ? cut - 3 : 0; i < cut; ++i) text[i] = '.';
  }
  return Cp1251ToUtf8(text);
}

std::array<std::string, kClubMembers> ClubListTexts(const ClubFile& file, int mode,
                                                    const TextWidthFn& width) {
  std::array<std::string, kClubMembers> texts;
  for (int n = 1; n <= kClubMembers; ++n) {
    const std::string& line = file.Line(n);
    // A parsed file has lines of 59 bytes; anything else shows as an empty slot.
    const std::string bytes = line.size() == kMemberLineLength ? MemberText(line, mode)
                                                               : MemberText(kEmptyMemberLine, mode);
    texts[static_cast<std::size_t>(n - 1)] = FitClubListText(bytes, width);
  }
  return texts;
}

std::optional<std::array<std::string, kClubMembers>> ReadClubList(const std::filesystem::path& path,
                                                                  int mode,
                                                                  const TextWidthFn& width) {
  const FileBytes bytes = ReadFileBytes(path, 4096);
  if (bytes.status != ReadStatus::kOk || !CheckClubBytes(bytes.bytes).ok()) return std::nullopt;
  return ClubListTexts(ParseClubFile(bytes.bytes).file, mode, width);
}

}  // namespace zendral
