#include "extras/menuinfo/ChatNewsFiles.h"

#include <charconv>
#include <vector>

#include "store/AccountText.h"
#include "store/Cp1251.h"
#include "store/FileIo.h"

namespace zendral {
namespace {

// The files hold a few short lines; anything longer is not one of them.
constexpr std::size_t kMaxMarksFileBytes = 4096;

// A whole line as a number: an optional minus and digits, nothing else, within int.
bool ReadNumber(std::string_view text, int& value) {
  if (text.empty()) return false;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

std::string_view Line(const std::vector<std::string_view>& lines, std::size_t index) {
  return index < lines.size() ? lines[index] : std::string_view();
}

std::filesystem::path ChatFile(const std::filesystem::path& folder) {
  return folder / std::string(kChatFileName);
}

std::filesystem::path NewsFile(const std::filesystem::path& folder) {
  return folder / std::string(kNewsFileName);
}

std::string Filter(std::string_view text, std::size_t maxChars) {
  std::string bytes = Utf8ToCp1251(text, '_');
  if (bytes.size() > maxChars) bytes.resize(maxChars);
  for (char& c : bytes) {
    if (!IsAccountTextByte(static_cast<unsigned char>(c))) c = '_';
  }
  return Cp1251ToUtf8(bytes);
}

}  // namespace

TChatMarks ParseChatFile(std::string_view text) {
  const auto lines = SplitLines(text, 3);
  TChatMarks marks;
  if (!ReadNumber(Line(lines, 0), marks.lastSeen)) marks.lastSeen = 0;
  marks.lastAtBottom = Line(lines, 1) == "1";
  marks.openOnNew = Line(lines, 2) == "1";
  return marks;
}

std::string FormatChatFile(const TChatMarks& marks) {
  return JoinLines({std::to_string(marks.lastSeen), marks.lastAtBottom ? "1" : "0",
                    marks.openOnNew ? "1" : "0"});
}

TChatMarks ReadChatFile(const std::filesystem::path& folder) {
  FileBytes file = ReadFileBytes(ChatFile(folder), kMaxMarksFileBytes);
  if (file.status == ReadStatus::kMissing) {
    // Created with the defaults, then read like any other; a folder that takes no file still
    // gives the defaults.
    const std::string defaults = FormatChatFile(TChatMarks{});
    WriteFileAtomic(ChatFile(folder), defaults);
    return ParseChatFile(defaults);
  }
  if (file.status != ReadStatus::kOk) return ParseChatFile({});
  return ParseChatFile(file.bytes);
}

bool WriteChatFile(const std::filesystem::path& folder, const TChatMarks& marks) {
  return WriteFileAtomic(ChatFile(folder), FormatChatFile(marks));
}

int ParseNewsFile(std::string_view text) {
  const auto lines = SplitLines(text, 1);
  int number = 0;
  return ReadNumber(Line(lines, 0), number) ? number : 0;
}

int ReadNewsFile(const std::filesystem::path& folder) {
  const FileBytes file = ReadFileBytes(NewsFile(folder), kMaxMarksFileBytes);
  return file.status == ReadStatus::kOk ? ParseNewsFile(file.bytes) : 0;
}

bool WriteNewsFile(const std::filesystem::path& folder, int newsNumber) {
  return WriteFileAtomic(NewsFile(folder), JoinLines({std::to_string(newsNumber)}));
}

int NewsNumber(std::string_view page) {
  constexpr std::string_view kMark = "KovNews";
  const std::size_t at = page.find(kMark);
  if (at == std::string_view::npos) return 0;
  const std::string_view digits = page.substr(at + kMark.size(), 5);
  if (digits.size() != 5) return 0;
  int number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + (c - '0');
  }
  return number;
}

std::string EncodeChatText(std::string_view text, std::size_t maxChars) {
  return EncodeFreeText(text, FreeTextUse::kChat, maxChars);
}

std::string DecodeChatText(std::string_view text) {
  return DecodeFreeText(text, FreeTextUse::kChat);
}

std::string ChatTimeField(std::string_view time, std::string_view date,
                          std::string_view programName) {
  std::string field(time);
  field += '_';
  field += date;
  field += '_';
  field += Filter(programName, std::string::npos);
  return field;
}

MenuChecks::Due MenuChecks::OnTick(bool newsPending, bool chatPending) {
  ++ticks_;
  Due due;
  due.news = !newsPending && ticks_ % 3 == 0;
  due.chat = !chatPending && ticks_ % 90 == 0;
  return due;
}

}  // namespace zendral
