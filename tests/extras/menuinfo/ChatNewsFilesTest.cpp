#include "extras/menuinfo/ChatNewsFiles.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace zendral {
namespace {

TEST(ChatNewsFiles, ChatFileLines) {
  const struct {
    const char* text;
    TChatMarks marks;
  } cases[] = {
      {"5\r\n1\r\n1\r\n", {5, true, true}},
      {"5\r\n0\r\n1\r\n", {5, false, true}},
      {"12\n1\n0", {12, true, false}},       // other line ends read as well
      {"x\r\n1\r\n1\r\n", {0, true, true}},  // a first line that is no number reads as 0
      {" 5\r\n1\r\n1\r\n", {0, true, true}},
      {"5x\r\n", {0, false, false}},
      {"99999999999\r\n", {0, false, false}},    // beyond any message number
      {"7\r\n", {7, false, false}},              // lines it lacks are off
      {"7\r\nyes\r\n2\r\n", {7, false, false}},  // only "1" is on
      {"", {0, false, false}},
      {std::string_view("\0\xff\r\n1", 5).data(), {0, false, false}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseChatFile(c.text), c.marks) << c.text;
  }
  EXPECT_EQ(FormatChatFile({5, true, false}), "5\r\n1\r\n0\r\n");
  EXPECT_EQ(ParseChatFile(FormatChatFile({123, false, true})), (TChatMarks{123, false, true}));
}

TEST(ChatNewsFiles, AMissingChatFileIsCreatedWithTheDefaults) {
  TempFolder temp;
  EXPECT_EQ(ReadChatFile(temp.path()), (TChatMarks{1, false, false}));
  EXPECT_EQ(temp.Read(kChatFileName), "1\r\n0\r\n0\r\n");

  ASSERT_TRUE(WriteChatFile(temp.path(), {5, true, true}));
  EXPECT_EQ(temp.Read(kChatFileName), "5\r\n1\r\n1\r\n");
  EXPECT_EQ(ReadChatFile(temp.path()), (TChatMarks{5, true, true}));
  EXPECT_EQ(temp.Names(), std::vector<std::string>{std::string(kChatFileName)});  // no leftovers

  // A folder in the file's place cannot be read: no crash, nothing seen, options off.
  TempFolder other;
  std::filesystem::create_directories(other.path() / std::string(kChatFileName));
  EXPECT_EQ(ReadChatFile(other.path()), (TChatMarks{0, false, false}));
  EXPECT_FALSE(WriteChatFile(other.path() / "missing-folder", {5, true, true}));
}

TEST(ChatNewsFiles, NewsFileAndNewsNumber) {
  TempFolder temp;
  EXPECT_EQ(ReadNewsFile(temp.path()), 0);  // missing
  EXPECT_TRUE(temp.Names().empty());        // and not created
  ASSERT_TRUE(WriteNewsFile(temp.path(), 12));
  EXPECT_EQ(temp.Read(kNewsFileName), "12\r\n");
  EXPECT_EQ(ReadNewsFile(temp.path()), 12);
  temp.Write(kNewsFileName, "twelve\r\n");
  EXPECT_EQ(ReadNewsFile(temp.path()), 0);
  temp.Write(kNewsFileName, std::string(100000, '7'));  // far too long to be the file
  EXPECT_EQ(ReadNewsFile(temp.path()), 0);

  const struct {
    const char* page;
    int number;
  } pages[] = {
      {"<html><!-- KovNews00012 --></html>", 12},
      {"KovNews99999", 99999},
      {"KovNews00000", 0},
      {"<p>KovNews00007</p><p>KovNews00009</p>", 7},  // the first one counts
      {"<html>no news here</html>", 0},
      {"KovNews0012", 0},  // four characters before the end
      {"KovNews12abc", 0},
      {"KovNews 0012", 0},
      {"kovnews00012", 0},
      {"", 0},
  };
  for (const auto& p : pages) EXPECT_EQ(NewsNumber(p.page), p.number) << p.page;
}

TEST(ChatNewsFiles, MessagesTravelAsTheyWereTyped) {
  const struct {
    const char* typed;
    const char* sent;
    const char* shown;  // what a reader sees
  } cases[] = {
      {"Hello world", "Hello_world", "Hello world"},
      {"Привет, мир!", "Привет,_мир!", "Привет, мир!"},
      {"Ёлка ёж", "Ёлка_ёж", "Ёлка ёж"},
      {"mail@kov.ru (ok) - yes_no.", "mail@kov.ru_(ok)_-_yes%5Fno.", "mail@kov.ru (ok) - yes_no."},
      {"Hi all & co: 1+1=2, 50% off $5 ~ok", "Hi_all_&_co:_1+1=2,_50%25_off_%245_%7Eok",
       "Hi all & co: 1+1=2, 50% off $5 ~ok"},
      {"#1 *star* \"q\" 'a' |b| ^c`", "%231_%2Astar%2A_\"q\"_'a'_|b|_^c`",
       "#1 *star* \"q\" 'a' |b| ^c`"},
      {"Ї і є №", "Ї_і_є_№", "Ї і є №"},  // Windows-1251 holds them
      // Characters Windows-1251 has no byte for, and control characters, are left out (the
      // window refuses them as they are typed).
      {"Grüße 你好", "Gre_", "Gre "},
      {"tab\there", "tabhere", "tabhere"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeChatText(c.typed), c.sent) << c.typed;
    EXPECT_EQ(DecodeChatText(c.sent), c.shown) << c.typed;
  }
  // Messages of the family's older programs: every "_" is a space, a lone "%" stays.
  EXPECT_EQ(DecodeChatText("a__b_"), "a  b ");
  EXPECT_EQ(DecodeChatText("100%_sure_%zz"), "100% sure %zz");

  // At most 80 characters, counted as characters, not bytes.
  const std::string cyrillic = [] {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "ж";
    return text;
  }();
  const std::string sent = EncodeChatText(cyrillic);
  EXPECT_EQ(sent.size(), 160u);  // 80 letters of two bytes each
  EXPECT_EQ(EncodeChatText(std::string(81, 'a')), std::string(80, 'a'));
  // An escaped character counts as one of the 80.
  EXPECT_EQ(EncodeChatText(std::string(81, '$')).size(), 240u);
  // Malformed UTF-8 is left out.
  EXPECT_EQ(EncodeChatText("ab\xff\xfe"), "ab");

  EXPECT_EQ(ChatTimeField("14:05:33", "09.12.2026", "Zendral"), "14:05:33_09.12.2026_Zendral");
  EXPECT_EQ(ChatTimeField("14:05:33", "09.12.2026", "Kov Games"), "14:05:33_09.12.2026_Kov_Games");
}

TEST(ChatNewsFiles, TheMenuChecksNewsEveryThirdTickAndChatEveryNinetieth) {
  MenuChecks checks;
  int news = 0;
  int chat = 0;
  std::vector<int> newsTicks;
  for (int tick = 1; tick <= 180; ++tick) {
    const auto due = checks.OnTick(false, false);
    if (due.news) {
      ++news;
      if (newsTicks.size() < 3) newsTicks.push_back(tick);
    }
    if (due.chat) ++chat;
  }
  EXPECT_EQ(news, 60);
  EXPECT_EQ(newsTicks, (std::vector<int>{3, 6, 9}));
  EXPECT_EQ(chat, 2);
  // Nothing is checked again while its signal is pending.
  MenuChecks pending;
  for (int tick = 1; tick <= 180; ++tick) {
    const auto due = pending.OnTick(true, true);
    EXPECT_FALSE(due.news || due.chat) << tick;
  }
}

}  // namespace
}  // namespace zendral
