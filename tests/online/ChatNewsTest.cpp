// The chat and news checks and the sending of a chat message, against a scripted server.

#include "online/ChatNews.h"

#include <gtest/gtest.h>

#include <deque>

#include "TempFolder.h"

#include "ScriptedTransport.h"

namespace zendral::online {
namespace {

const std::string kChatRows =
    "$1 x 7 Mira 1-001 Omsk W 5.7f 10:00:00_09.12.2026_Zendral Hello_all*"
    "$2 x 6 Hans 1-016 Berlin M 5.7f 09:00:00_09.12.2026_Zendral Hi*"
    "$3 x 0 # # # # # # #*";

struct ChatNewsTest : ::testing::Test {
  TempFolder folder;
  ScriptedTransport t;
  RequestFrame frame{t};
};

TEST_F(ChatNewsTest, CheckChatComparesTheNewestNumberWithTheLastSeen) {
  struct Case {
    std::string file;  // empty: no file yet
    std::optional<std::string> reply;
    bool expectNew;
    int newest;
  } cases[] = {
      {"5\r\n1\r\n1\r\n", kChatRows, true, 7},
      {"7\r\n0\r\n0\r\n", kChatRows, false, 7},
      {"", kChatRows, true, 7},                      // created with "1": message 7 is new
      {"x\r\n", "$1 x 0 # # # # # # #*", false, 0},  // an empty chat: nothing new
      {"0\r\n", std::nullopt, false, 0},             // a failed read counts as nothing new
  };
  for (const Case& k : cases) {
    std::filesystem::remove(folder.path() / std::string(kChatFileName));
    if (!k.file.empty()) folder.Write(std::string(kChatFileName), k.file);
    t.replies = {k.reply};
    const ChatCheck check = CheckChat(frame, "http://s/records", folder.path());
    EXPECT_EQ(check.newMessage, k.expectNew) << k.file;
    EXPECT_EQ(check.newest, k.newest) << k.file;
    EXPECT_TRUE(std::filesystem::exists(folder.path() / std::string(kChatFileName)));
  }
  folder.Write(std::string(kChatFileName), "5\r\n1\r\n1\r\n");
  t.replies = {kChatRows};
  const ChatCheck options = CheckChat(frame, "http://s/records", folder.path());
  EXPECT_TRUE(options.marks.lastAtBottom);
  EXPECT_TRUE(options.marks.openOnNew);
  EXPECT_NE(t.sent.back().body.find("gid=100"), std::string::npos);
}

TEST_F(ChatNewsTest, CheckNewsReadsTheNumberAfterKovNews) {
  struct Case {
    int seen;  // -1: no news file
    std::optional<std::string> page;
    bool expectNews;
    int latest;
  } cases[] = {
      {11, "<p>KovNews00012</p>", true, 12},
      {12, "<p>KovNews00012</p>", false, 12},
      {-1, "<html>KovNews00003 and KovNews00009</html>", true, 3},
      {-1, "<html>no number here</html>", false, 0},
      {-1, "KovNewsabcde", false, 0},
      {0, std::nullopt, false, 0},
  };
  for (const Case& k : cases) {
    std::filesystem::remove(folder.path() / std::string(kNewsFileName));
    if (k.seen >= 0) {
      ASSERT_TRUE(WriteNewsFile(folder.path(), k.seen));
    }
    t.replies = {k.page};
    const NewsCheck check = CheckNews(frame, "http://s/news/index.html", folder.path());
    EXPECT_EQ(check.news, k.expectNews) << k.page.value_or("-");
    EXPECT_EQ(check.latest, k.latest) << k.page.value_or("-");
    EXPECT_EQ(t.sent.back().method, HttpRequest::Method::kGet);
  }
}

TEST_F(ChatNewsTest, ReadChatSkipsTheRowsOfNobody) {
  t.replies = {kChatRows};
  const auto rows = ReadChat(frame, "http://s/records");
  ASSERT_TRUE(rows);
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[0].Score, 7);
  EXPECT_EQ(DecodeChatText((*rows)[0].R10), "Hello all");
  EXPECT_FALSE(ReadChat(frame, "http://s/records"));
}

TEST_F(ChatNewsTest, SendingReadsTheNewestNumberThenFilesTheEncodedRow) {
  const ChatMessage message{"Mira", "Omsk",      "1-001",
                            "W",    "good game", "10:00:00_09.12.2026_Zendral"};
  // The first message ever: an empty table, sent as number 1.
  t.replies = {"", "$1$"};
  EXPECT_EQ(SendChatMessage(frame, "http://s/records", message), 1);
  ASSERT_EQ(t.sent.size(), 2u);
  const std::string& body = t.sent[1].body;
  EXPECT_NE(body.find("gid=100"), std::string::npos) << body;
  EXPECT_NE(body.find("score=1&"), std::string::npos) << body;
  EXPECT_NE(body.find("R10=good_game*"), std::string::npos) << body;
  EXPECT_NE(body.find("R9=10:00:00_09.12.2026_Zendral"), std::string::npos) << body;
  EXPECT_NE(body.find("R8=5.7f"), std::string::npos) << body;

  // The server numbers the message itself: its number is the one kept.
  t.sent.clear();
  t.replies = {kChatRows, "$9$"};
  EXPECT_EQ(SendChatMessage(frame, "http://s/records", message), 9);
  EXPECT_NE(t.sent[1].body.find("score=8&"), std::string::npos);

  // A failed read sends nothing; a refusal is a failure.
  t.sent.clear();
  t.replies = {std::nullopt};
  EXPECT_FALSE(SendChatMessage(frame, "http://s/records", message));
  EXPECT_EQ(t.sent.size(), 1u);
  t.replies = {kChatRows, "no"};
  EXPECT_FALSE(SendChatMessage(frame, "http://s/records", message));
}

}  // namespace
}  // namespace zendral::online
