#include "app/lan/ChatLines.h"

#include <algorithm>

namespace zendral::lan {

QColor ChatColour(int index) {
  switch (index) {
    case 1:
      return QColor(128, 0, 0);
    case 2:
      return QColor(0, 0, 128);
    case 3:
      return QColor(0, 128, 0);
    case 4:
      return QColor(128, 128, 0);
    default:
      return QColor(0, 0, 0);
  }
}

void AddChatLine(ChatLines& lines, int index, const QString& message, const TextWidth& width,
                 int maxWidth) {
  QString text = message.startsWith(QLatin1Char('s')) ? message.mid(1) : message;

  auto slot = std::find_if(lines.begin(), lines.end(),
                           [](const ChatLine& line) { return line.text.isEmpty(); });
  if (slot == lines.end()) {
    std::move(lines.begin() + 1, lines.end(), lines.begin());
    slot = lines.end() - 1;
  }

  int dropped = 0;
  while (dropped < kChatMaxDrops && !text.isEmpty() && width && width(text) > maxWidth) {
    // One character, not half of a surrogate pair.
    text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
    ++dropped;
  }
  if (dropped > 0) text += QLatin1String(kChatEllipsis);
  *slot = ChatLine{text, index};
}

}  // namespace zendral::lan
