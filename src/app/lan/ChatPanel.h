#pragma once
// The chat panel of a LAN or relay table (ImageMemo): four lines, each in its sender's
// colour, drawn by the panel itself over a parchment background with a thin golden frame.
// The owner places it (setGeometry) and tells it the table's scale and small font.

#include <QString>
#include <QWidget>

#include "app/lan/ChatLines.h"

namespace zendral::lan {

class ChatPanel : public QWidget {
 public:
  explicit ChatPanel(QWidget* parent = nullptr);

  // pictureScale: the table's factor for sizes; smallFontFamily: FontSmall.
  void SetScale(double pictureScale, const QString& smallFontFamily);

  // ShowChatLine: a message as it arrives, "s" + the text, from the sender of that index.
  void ShowChatLine(int index, const QString& message);
  // The lines are emptied at every deal.
  void Clear();

  const ChatLines& Lines() const { return lines_; }
  // In pixels at the current scale.
  int TextLeft() const;
  int TextTop(int line) const;  // line 1..4
  int MaxTextWidth() const;
  QFont LineFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Length(double units) const;

  ChatLines lines_;
  double scale_ = 1.0;
  QString family_ = QStringLiteral("Comic Sans MS");
};

}  // namespace zendral::lan
