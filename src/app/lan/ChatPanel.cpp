#include "app/lan/ChatPanel.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "present/draw/TableArt.h"
#include "present/geometry/TableScale.h"

namespace zendral::lan {
namespace {

// Design units of the line positions and the font.
constexpr int kTextLeft = 20;
constexpr int kLineStep = 14;
constexpr int kLineOffset = 3;
constexpr int kFontHeight = 14;

void DrawParchment(QPainter& painter, const QRectF& area) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  QLinearGradient paper(area.topLeft(), area.bottomRight());
  paper.setColorAt(0.0, QColor(250, 242, 214));
  paper.setColorAt(0.6, QColor(241, 226, 186));
  paper.setColorAt(1.0, QColor(231, 212, 166));
  const qreal radius = std::min(area.width(), area.height()) * 0.06;
  painter.setPen(Qt::NoPen);
  painter.setBrush(paper);
  painter.drawRoundedRect(area, radius, radius);

  // The golden frame: a darker outer line and a light inner one give it a little relief.
  const qreal frame = std::max<qreal>(1.0, std::min(area.width(), area.height()) / 45.0);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(168, 128, 40), frame));
  const QRectF outer = area.adjusted(frame / 2, frame / 2, -frame / 2, -frame / 2);
  painter.drawRoundedRect(outer, radius, radius);
  painter.setPen(QPen(QColor(226, 192, 104), std::max<qreal>(1.0, frame / 2)));
  const QRectF inner = outer.adjusted(frame * 1.5, frame * 1.5, -frame * 1.5, -frame * 1.5);
  painter.drawRoundedRect(inner, radius * 0.7, radius * 0.7);
}

}  // namespace

ChatPanel::ChatPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("ImageMemo");
  resize(130, 90);
}

void ChatPanel::SetScale(double pictureScale, const QString& smallFontFamily) {
  scale_ = pictureScale > 0 ? pictureScale : 1.0;
  if (!smallFontFamily.isEmpty()) family_ = smallFontFamily;
  update();
}

int ChatPanel::Length(double units) const {
  return RoundHalfEven(units * scale_);
}

int ChatPanel::TextLeft() const {
  return Length(kTextLeft);
}

int ChatPanel::TextTop(int line) const {
  return Length(kLineStep * line + kLineOffset);
}

int ChatPanel::MaxTextWidth() const {
  return Length(kChatTextWidth);
}

QFont ChatPanel::LineFont() const {
  return CellFont(family_, Length(kFontHeight));
}

void ChatPanel::ShowChatLine(int index, const QString& message) {
  const QFontMetrics metrics(LineFont());
  AddChatLine(
      lines_, index, message,
      [&metrics](const QString& text) { return metrics.horizontalAdvance(text); }, MaxTextWidth());
  update();
}

void ChatPanel::Clear() {
  lines_ = ChatLines{};
  update();
}

void ChatPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawParchment(painter, QRectF(rect()));

  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const QFont font = LineFont();
  painter.setFont(font);
  const QFontMetrics metrics(font);
  for (int j = 1; j <= kChatPanelLines; ++j) {
    const ChatLine& line = lines_[static_cast<std::size_t>(j - 1)];
    if (line.text.isEmpty()) continue;
    painter.setPen(ChatColour(line.index));
    // The line's top is given; the text is drawn from its baseline.
    painter.drawText(QPoint(TextLeft(), TextTop(j) + metrics.ascent()), line.text);
  }
}

}  // namespace zendral::lan
