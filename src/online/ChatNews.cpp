#include "online/ChatNews.h"

namespace zendral::online {

ChatCheck CheckChat(RequestFrame& frame, const std::string& recordsAddress,
                    const std::filesystem::path& marksFolder) {
  ChatCheck check;
  check.marks = ReadChatFile(marksFolder);
  if (const auto rows = ReadWorldTable(frame, recordsAddress, kChatTable); rows && !rows->empty()) {
    check.newest = rows->front().Score;
  }
  check.newMessage = check.marks.lastSeen < check.newest;
  return check;
}

NewsCheck CheckNews(RequestFrame& frame, const std::string& newsAddress,
                    const std::filesystem::path& marksFolder) {
  NewsCheck check;
  const int seen = ReadNewsFile(marksFolder);
  if (const auto page = frame.FetchDocument(newsAddress)) check.latest = NewsNumber(*page);
  check.news = seen < check.latest;
  return check;
}

std::optional<std::vector<TKovRecord>> ReadChat(RequestFrame& frame,
                                                const std::string& recordsAddress) {
  auto rows = ReadWorldTable(frame, recordsAddress, kChatTable);
  if (!rows) return std::nullopt;
  std::vector<TKovRecord> messages;
  for (TKovRecord& row : *rows) {
    if (!row.IsEmpty()) messages.push_back(std::move(row));
  }
  return messages;
}

TKovRecord ChatRow(const ChatMessage& message, int number) {
  TKovRecord row = SubmissionRow(message.nick, message.city, message.country, number, message.sex);
  row.R09 = message.timeField;
  row.R10 = EncodeChatText(message.text);
  return row;
}

std::optional<int> SendChatMessage(RequestFrame& frame, const std::string& recordsAddress,
                                   const ChatMessage& message) {
  const auto rows = ReadWorldTable(frame, recordsAddress, kChatTable);
  if (!rows) return std::nullopt;
  const int newest = rows->empty() ? 0 : rows->front().Score;
  return SubmitWorldRow(frame, recordsAddress, kChatTable, ChatRow(message, newest + 1));
}

}  // namespace zendral::online
