// The chat panel: where a new line goes, how a wide line is shortened, and what the panel
// draws where at the table's scale.

#include "app/lan/ChatPanel.h"

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "LanTestSupport.h"
#include "app/lan/ChatLines.h"
#include "present/geometry/TableScale.h"

namespace zendral::lan {
namespace {

// Ten pixels a character (a character outside the basic plane is one character).
int TenPerCharacter(const QString& text) {
  return 10 * static_cast<int>(text.toUcs4().size());
}

ChatLines Lines(std::vector<ChatLine> lines) {
  ChatLines result;
  for (std::size_t i = 0; i < lines.size(); ++i) result[i] = lines[i];
  return result;
}

TEST(ChatLines, ANewLineTakesTheFirstEmptyLineOrTheLinesMoveUp) {
  struct Case {
    const char* what;
    ChatLines before;
    int index;
    const char* message;
    ChatLines after;
  } cases[] = {
      {"the first line of an empty panel", {}, 1, "shello", Lines({{"hello", 1}})},
      {"below the lines in use", Lines({{"a", 1}, {"b", 2}}), 2, "sc",
       Lines({{"a", 1}, {"b", 2}, {"c", 2}})},
      {"a gap is filled before the end", Lines({{"a", 1}, {"", 0}, {"c", 2}}), 1, "sd",
       Lines({{"a", 1}, {"d", 1}, {"c", 2}})},
      {"the fourth line", Lines({{"a", 1}, {"b", 2}, {"c", 1}}), 2, "sd",
       Lines({{"a", 1}, {"b", 2}, {"c", 1}, {"d", 2}})},
      {"a full panel moves up, keeping each line's colour",
       Lines({{"a", 1}, {"b", 2}, {"c", 1}, {"d", 2}}), 1, "se",
       Lines({{"b", 2}, {"c", 1}, {"d", 2}, {"e", 1}})},
      {"only the leading s goes", {}, 2, "ssun", Lines({{"sun", 2}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChatLines lines = c.before;
    AddChatLine(lines, c.index, QString::fromUtf8(c.message), TenPerCharacter, 85);
    for (int i = 0; i < kChatPanelLines; ++i) {
      EXPECT_EQ(lines[i].text.toStdString(), c.after[i].text.toStdString()) << "line " << i + 1;
      EXPECT_EQ(lines[i].index, c.after[i].index) << "line " << i + 1;
    }
  }
}

TEST(ChatLines, AWideTextLosesAtMostTwelveCharactersAndShowsDots) {
  struct Case {
    const char* what;
    const char* text;  // after the "s"
    const char* shown;
  } cases[] = {
      {"fits", "abcdefgh", "abcdefgh"},
      {"one character too many", "abcdefghi", "abcdefgh..."},
      {"three too many", "abcdefghijk", "abcdefgh..."},
      {"twelve too many", "abcdefghijklmnopqrst", "abcdefgh..."},
      // After twelve characters the rest stays, however wide.
      {"thirteen too many", "abcdefghijklmnopqrstu", "abcdefghi..."},
      {"a character outside the basic plane goes whole", "abcdefgh\xF0\x9F\x98\x80", "abcdefgh..."},
      {"Cyrillic", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xB4\xD1\x80",
       "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, ..."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChatLines lines;
    AddChatLine(lines, 1, QStringLiteral("s") + QString::fromUtf8(c.text), TenPerCharacter, 85);
    EXPECT_EQ(lines[0].text.toStdString(), c.shown);
  }
  // The limit is the panel's at its scale: the same text fits a wider one.
  ChatLines wide;
  AddChatLine(wide, 1, QStringLiteral("sabcdefghijk"), TenPerCharacter, 170);
  EXPECT_EQ(wide[0].text, QStringLiteral("abcdefghijk"));
}

TEST(ChatLines, EachSenderHasItsColour) {
  EXPECT_EQ(ChatColour(1), QColor(128, 0, 0));
  EXPECT_EQ(ChatColour(2), QColor(0, 0, 128));
  EXPECT_EQ(ChatColour(3), QColor(0, 128, 0));
  EXPECT_EQ(ChatColour(4), QColor(128, 128, 0));
  EXPECT_EQ(ChatColour(0), QColor(0, 0, 0));
  EXPECT_EQ(ChatColour(7), QColor(0, 0, 0));
}

// Pixels of a line's text: clearly red (the server's maroon), or clearly blue (navy).
int ColouredPixels(const QImage& image, int top, int bottom, bool red) {
  int count = 0;
  for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      const bool isRed = c.red() > c.green() + 60 && c.red() > c.blue() + 60 && c.red() < 200;
      const bool isBlue = c.blue() > c.red() + 20 && c.blue() > c.green() + 20;
      if (red ? isRed : isBlue) ++count;
    }
  }
  return count;
}

class ChatPanelTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }
};

TEST_F(ChatPanelTest, DrawsEachLineInItsColourAtItsPlace) {
  for (const double scale : {1.0, 1.7}) {
    SCOPED_TRACE(scale);
    ChatPanel panel;
    panel.SetScale(scale, QStringLiteral("Comic Sans MS"));
    panel.setGeometry(0, 0, RoundHalfEven(130 * scale), RoundHalfEven(90 * scale));
    EXPECT_EQ(panel.TextLeft(), RoundHalfEven(20 * scale));
    EXPECT_EQ(panel.TextTop(1), RoundHalfEven(17 * scale));
    EXPECT_EQ(panel.TextTop(4), RoundHalfEven(59 * scale));
    EXPECT_EQ(panel.MaxTextWidth(), RoundHalfEven(85 * scale));

    panel.ShowChatLine(1, QStringLiteral("sHello"));
    panel.ShowChatLine(2, QStringLiteral("sHi there"));
    const QImage image = panel.grab().toImage();
    const int band = RoundHalfEven(14 * scale);
    // Line 1 is the server's (maroon), line 2 the client's (navy), nothing below them.
    EXPECT_GT(ColouredPixels(image, panel.TextTop(1), panel.TextTop(1) + band, true), 10);
    EXPECT_EQ(ColouredPixels(image, panel.TextTop(1), panel.TextTop(1) + band, false), 0);
    EXPECT_GT(ColouredPixels(image, panel.TextTop(2), panel.TextTop(2) + band, false), 10);
    EXPECT_EQ(ColouredPixels(image, panel.TextTop(3), image.height(), false), 0);
    EXPECT_EQ(ColouredPixels(image, panel.TextTop(3), image.height(), true), 0);
    // No text left of its start.
    EXPECT_EQ(ColouredPixels(image.copy(0, 0, panel.TextLeft() - 1, image.height()), 0,
                             image.height(), true),
              0);

    panel.Clear();
    for (const ChatLine& line : panel.Lines()) EXPECT_TRUE(line.text.isEmpty());
    const QImage cleared = panel.grab().toImage();
    EXPECT_EQ(ColouredPixels(cleared, 0, cleared.height(), true), 0);
    EXPECT_EQ(ColouredPixels(cleared, 0, cleared.height(), false), 0);
  }
}

TEST_F(ChatPanelTest, ShortensByTheWidthOfItsOwnFont) {
  ChatPanel panel;
  panel.SetScale(1.0, QStringLiteral("Comic Sans MS"));
  panel.ShowChatLine(1, QStringLiteral("sWWWWWWWWWWWWWWW"));
  const QString shown = panel.Lines()[0].text;
  ASSERT_TRUE(shown.endsWith(QStringLiteral("...")));
  // What is left of the text fits the 85 units, or twelve characters went.
  const QString kept = shown.chopped(3);
  const QFontMetrics metrics(panel.LineFont());
  EXPECT_TRUE(metrics.horizontalAdvance(kept) <= panel.MaxTextWidth() || kept.size() == 15 - 12);
  EXPECT_GT(metrics.horizontalAdvance(kept + QLatin1Char('W')), panel.MaxTextWidth());
}

TEST_F(ChatPanelTest, Screenshot) {
  for (const double scale : {1.0, 1.7}) {
    ChatPanel panel;
    panel.SetScale(scale, QStringLiteral("Comic Sans MS"));
    panel.setGeometry(0, 0, RoundHalfEven(130 * scale), RoundHalfEven(90 * scale));
    panel.ShowChatLine(1, QStringLiteral("sHello!"));
    panel.ShowChatLine(2, QString::fromUtf8("s\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82!"));
    panel.ShowChatLine(3, QStringLiteral("sGood luck"));
    panel.ShowChatLine(4, QStringLiteral("sA rather long line of chat"));
    panel.ShowChatLine(1, QStringLiteral("sYour move"));
    const QString name = QStringLiteral("chat_panel_%1.png").arg(scale == 1.0 ? "1.0" : "1.7");
    EXPECT_TRUE(panel.grab().save(testing::ScreenshotPath(name)));
  }
}

}  // namespace
}  // namespace zendral::lan
