#pragma once
// The four lines of the table's chat panel as plain data: where a new line goes, and how a
// line too wide for the panel is shortened. The panel widget draws what these decide.

#include <QColor>
#include <QString>
#include <array>
#include <functional>

namespace zendral::lan {

inline constexpr int kChatPanelLines = 4;
// Widest text of a line in design units, and how many characters a shortening may drop.
inline constexpr int kChatTextWidth = 85;
inline constexpr int kChatMaxDrops = 12;
inline constexpr char kChatEllipsis[] = "...";

struct ChatLine {
  QString text;
  int index = 0;  // the sender's index, which gives the colour (0: an unused line)
  friend bool operator==(const ChatLine&, const ChatLine&) = default;
};
using ChatLines = std::array<ChatLine, kChatPanelLines>;

// The colour of a sender's lines: 1 maroon (the LAN server), 2 navy (the LAN client),
// 3 green, 4 olive; any other index black.
QColor ChatColour(int index);

// The pixel width of a text in the panel's font.
using TextWidth = std::function<int(const QString&)>;

// A chat message as it arrives ("s" + the text) added to the lines: the "s" goes, the text
// takes the first empty line, or when all four are in use the lines move up and it becomes
// the last one. While wider than maxWidth pixels it loses its last character, at most 12
// times, and "..." marks a shortened text.
void AddChatLine(ChatLines& lines, int index, const QString& message, const TextWidth& width,
                 int maxWidth);

}  // namespace zendral::lan
