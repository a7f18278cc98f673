#pragma once
// The chat of the family of games (world table 100 of the records service, one message a row)
// and the numbered news page: the checks the main menu makes, the reading of the chat window,
// and the sending of a message. The marks of what the player has seen live in the folder the
// caller names (the parent folder of the program folder).

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "extras/menuinfo/ChatNewsFiles.h"
#include "online/Results.h"

namespace zendral::online {

inline constexpr int kChatTable = 100;

struct ChatCheck {
  bool newMessage = false;  // a message newer than the last one seen
  int newest = 0;           // number of the newest message; 0 when the read failed
  TChatMarks marks;         // the chat file as read (created with its defaults when missing)
};
// Reads the chat file and the newest message number.
ChatCheck CheckChat(RequestFrame& frame, const std::string& recordsAddress,
                    const std::filesystem::path& marksFolder);

struct NewsCheck {
  bool news = false;  // a news item newer than the last one seen
  int latest = 0;     // number of the latest item; 0 when the page failed or has none
};
NewsCheck CheckNews(RequestFrame& frame, const std::string& newsAddress,
                    const std::filesystem::path& marksFolder);

// The messages of the chat, newest first, without the rows of nobody ("#"); nothing when
// the read failed.
std::optional<std::vector<TKovRecord>> ReadChat(RequestFrame& frame,
                                                const std::string& recordsAddress);

// A message ready to send: the passport's name, city, country code and sex, the text as typed
// and the time field (ChatTimeField).
struct ChatMessage {
  std::string nick, city, country, sex;
  std::string text;
  std::string timeField;
};
// The row filed for a message: the text encoded, the program's version in R08.
TKovRecord ChatRow(const ChatMessage& message, int number);
// Sends a message: reads the newest number N, then files the row as N + 1. The number the
// server gave the message (it numbers the chat itself), nothing when the read or the filing
// failed or was refused.
std::optional<int> SendChatMessage(RequestFrame& frame, const std::string& recordsAddress,
                                   const ChatMessage& message);

}  // namespace zendral::online
