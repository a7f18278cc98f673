#pragma once
// The chat and news marks shared by the family of games, kept in the parent folder of the
// program folder: "KovChatKov.ini" (the newest chat message seen and the chat window's two
// options) and "KovNewsKov.ini" (the newest news item seen). Also the news number of the news
// page, the encoding of a chat message, and when the main menu checks for news and chat.

#include <filesystem>
#include <string>
#include <string_view>

namespace zendral {

inline constexpr std::string_view kChatFileName = "KovChatKov.ini";
inline constexpr std::string_view kNewsFileName = "KovNewsKov.ini";

// ---- The chat file: three lines, CR LF

struct TChatMarks {
  int lastSeen = 1;           // number of the newest message the player has seen
  bool lastAtBottom = false;  // "Last message at the bottom"
  bool openOnNew = false;     // "Open this window when a new message"
  friend bool operator==(const TChatMarks&, const TChatMarks&) = default;
};

// The marks of a file's text: a first line that is not a number reads as 0; the options are on
// only for "1"; lines the file lacks read as off.
TChatMarks ParseChatFile(std::string_view text);
std::string FormatChatFile(const TChatMarks& marks);

// Reads the chat file of a folder; a missing file is first created with the defaults. A file
// that cannot be read counts as an empty one.
TChatMarks ReadChatFile(const std::filesystem::path& folder);
// Replaces the file atomically; false when it cannot be written.
bool WriteChatFile(const std::filesystem::path& folder, const TChatMarks& marks);

// ---- The news file: one line

// The number of its first line; 0 for anything else.
int ParseNewsFile(std::string_view text);
// 0 when the file is missing or unreadable.
int ReadNewsFile(const std::filesystem::path& folder);
bool WriteNewsFile(const std::filesystem::path& folder, int newsNumber);

// The number of the latest news item: the five characters after the first "KovNews" of the
// page, read as a number ("KovNews00012" is 12); 0 when the text is absent or no number follows.
int NewsNumber(std::string_view page);

// ---- Chat messages

inline constexpr std::size_t kChatMessageMaxChars = 80;

// The text as sent: at most 80 characters in the travelling form of free texts (a space as
// "_", the characters the replies use escaped; see AccountText.h). UTF-8 in and out.
std::string EncodeChatText(std::string_view text, std::size_t maxChars = kChatMessageMaxChars);
// The text as shown: every "_" a space again, the escapes the characters typed.
std::string DecodeChatText(std::string_view text);

// The time field of a message: time, "_", date, "_" and the program's name through the filter
// ("14:05:33_09.12.2026_Zendral").
std::string ChatTimeField(std::string_view time, std::string_view date,
                          std::string_view programName);

// ---- The periodic checks of the main menu

// The calendar's page timer ticks every 10 s while the main menu shows it; the news is checked
// on every third tick while no news is pending, the chat on every 90th while no message is.
class MenuChecks {
 public:
  struct Due {
    bool news = false;
    bool chat = false;
  };
  Due OnTick(bool newsPending, bool chatPending);

 private:
  long ticks_ = 0;
};

}  // namespace zendral
