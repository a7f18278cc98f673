// The advertising directory: its keys, the draw of four distinct entries, and "No Connect".

#include "online/Advertising.h"

#include <gtest/gtest.h>

#include <deque>

#include "ScriptedTransport.h"

namespace zendral::online {
namespace {

// A random source that hands out a script of numbers, then repeats its last one.
struct ScriptedRandom {
  std::deque<int> numbers;
  std::vector<std::pair<int, int>> ranges;
  int operator()(int low, int high) {
    ranges.emplace_back(low, high);
    const int n = numbers.front();
    if (numbers.size() > 1) numbers.pop_front();
    return n;
  }
};

std::string Directory(int count, int entries) {
  char head[32];
  std::snprintf(head, sizeof head, "SecAdv0000=%03d##", count);
  std::string text = head;
  for (int n = 1; n <= entries; ++n) {
    char key[16];
    std::snprintf(key, sizeof key, "SecAdv%03d", n);
    text += std::string(key) + "I=http://h/p" + std::to_string(n) + ".png##";
    text += std::string(key) + "N=Game " + std::to_string(n) + "##";
    text += std::string(key) + "L=http://h/g" + std::to_string(n) + "/##";
  }
  return text;
}

TEST(AdvertisingTest, KeysRunToTheNextDoubleHash) {
  const std::string text =
      "junk SecAdv0000=012##SecAdv003I=http://x/a#b.png##SecAdv003N=Tiles & Cards##"
      "SecAdv003L=https://x/y?a=1##SecAdv010N=Last one";
  EXPECT_EQ(AdvertisingCount(text), 12);
  const AdvertisingEntry e = AdvertisingEntryOf(text, 3);
  EXPECT_EQ(e.number, 3);
  EXPECT_EQ(e.picture, "http://x/a#b.png");  // a single "#" belongs to the value
  EXPECT_EQ(e.name, "Tiles & Cards");
  EXPECT_EQ(e.link, "https://x/y?a=1");
  EXPECT_EQ(AdvertisingEntryOf(text, 10).name, "Last one");  // to the end of the text
  const AdvertisingEntry missing = AdvertisingEntryOf(text, 4);
  EXPECT_TRUE(missing.picture.empty() && missing.name.empty() && missing.link.empty());
}

TEST(AdvertisingTest, CountNeedsThreeDigits) {
  struct Case {
    std::string text;
    int count;
  } cases[] = {
      {"SecAdv0000=000##", 0},  {"SecAdv0000=004##", 4},
      {"SecAdv0000=250", 250},  {"SecAdv0000=4##", 0},
      {"SecAdv0000=0x4##", 0},  {"SecAdv0000=-04##", 0},
      {"SecAdv0000=##", 0},     {"", 0},
      {"SecAdv0000=1234##", 0},
  };
  for (const Case& k : cases) EXPECT_EQ(AdvertisingCount(k.text), k.count) << k.text;
}

TEST(AdvertisingTest, DrawsFourDistinctNumbersInRange) {
  struct Case {
    int count;
    std::deque<int> script;
    std::vector<int> expected;
  } cases[] = {
      {3, {1}, {}},  // fewer than four: nothing drawn
      {0, {1}, {}},
      {4, {2, 2, 4, 1, 3}, {2, 4, 1, 3}},         // repeats are drawn again
      {9, {9, 0, 10, 5, 9, 7, 1}, {9, 5, 7, 1}},  // out-of-range answers are ignored
      {6, {2}, {2, 1, 3, 4}},                     // a stuck source: the rest filled in order
  };
  for (Case& k : cases) {
    ScriptedRandom random{k.script, {}};
    EXPECT_EQ(DrawAdvertisingNumbers(k.count, std::ref(random)), k.expected) << k.count;
    for (const auto& [low, high] : random.ranges) {
      EXPECT_EQ(low, 1);
      EXPECT_EQ(high, k.count);
    }
  }
}

TEST(AdvertisingTest, ReadsFourEntriesOrNoConnect) {
  struct Case {
    std::optional<std::string> reply;
    bool shown;
  } cases[] = {
      {Directory(5, 5), true},
      {Directory(4, 4), true},
      {Directory(3, 3), false},     // fewer than four entries
      {"SecAdv0000=000##", false},  // the server's empty directory
      {std::nullopt, false},        // cannot be fetched
      {"<html>Not found</html>", false},
  };
  for (const Case& k : cases) {
    ScriptedTransport t;
    t.replies.push_back(k.reply);
    RequestFrame frame{t};
    ScriptedRandom random{{5, 2, 4, 1, 3}, {}};
    const auto entries =
        ReadAdvertising(frame, "http://127.0.0.1:1/services/adv.txt", std::ref(random));
    ASSERT_EQ(entries.has_value(), k.shown) << k.reply.value_or("(failed)");
    ASSERT_EQ(t.sent.size(), 1u);
    EXPECT_EQ(t.sent[0].url, "http://127.0.0.1:1/services/adv.txt");
    if (!entries) continue;
    const std::vector<int> expected = AdvertisingCount(*k.reply) == 5
                                          ? std::vector<int>{5, 2, 4, 1}
                                          : std::vector<int>{2, 4, 1, 3};
    for (int i = 0; i < kAdvertisingShown; ++i) {
      const int n = expected[i];
      EXPECT_EQ((*entries)[i].number, n);
      EXPECT_EQ((*entries)[i].name, "Game " + std::to_string(n));
      EXPECT_EQ((*entries)[i].picture, "http://h/p" + std::to_string(n) + ".png");
      EXPECT_EQ((*entries)[i].link, "http://h/g" + std::to_string(n) + "/");
    }
  }
}

}  // namespace
}  // namespace zendral::online
