#include "app/online/DailyBoard.h"

#include <QMouseEvent>
#include <QPainter>

namespace zendral {
namespace {

constexpr int kGap = 4;
constexpr int kLift = 10;  // how far a card that may be laid stands out of the hand

bool IsRed(int suit) {
  return suit == 1 || suit == 2;
}

void DrawFace(QPainter& p, const QRect& r, TCardCode card, bool lit) {
  p.setPen(QPen(lit ? QColor(230, 160, 0) : QColor(60, 60, 60), lit ? 3 : 1));
  p.setBrush(QColor(252, 250, 240));
  p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
  p.setPen(IsRed(card.suit) ? QColor(200, 20, 20) : QColor(20, 20, 20));
  QFont f = p.font();
  f.setPixelSize(17);
  f.setBold(true);
  p.setFont(f);
  p.drawText(r, Qt::AlignCenter, CardFaceText(card));
}

void DrawBack(QPainter& p, const QRect& r) {
  p.setPen(QPen(QColor(30, 30, 80), 1));
  p.setBrush(QColor(40, 70, 160));
  p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 5, 5);
  p.setPen(QPen(QColor(170, 190, 240), 1));
  p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 3, 3);
}

}  // namespace

QString CardFaceText(TCardCode card) {
  static const char* const kRankFaces[] = {"", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
  static const QString kSuitSigns[] = {QString(), QStringLiteral("\u2665"),
                                       QStringLiteral("\u2666"), QStringLiteral("\u2663"),
                                       QStringLiteral("\u2660")};
  if (card.IsEmpty() || card.rank < 1 || card.rank > 9 || card.suit < 1 || card.suit > 4) {
    return QString();
  }
  return QString::fromLatin1(kRankFaces[card.rank]) + kSuitSigns[card.suit];
}

DailyBoard::DailyBoard(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DailyBoard"));
  setCursor(Qt::PointingHandCursor);
}

void DailyBoard::Show(const online::DailyKonPlay* play) {
  play_ = play;
  update();
}

std::vector<std::pair<TCardCode, QRect>> DailyBoard::HandCards() const {
  std::vector<std::pair<TCardCode, QRect>> cards;
  if (play_ == nullptr) return cards;
  const Hand& hand = play_->kon().Hands[kSeat2];
  // Up to nine cards a row, two rows at the bottom.
  const int perRow = 9;
  const int rowWidth = perRow * (kCardWidth + kGap) - kGap;
  const int left = (width() - rowWidth) / 2;
  const int top = height() - 2 * (kCardHeight + kGap);
  for (int slot = 1; slot <= hand.CardCount; ++slot) {
    const int i = slot - 1;
    QRect r(left + (i % perRow) * (kCardWidth + kGap), top + (i / perRow) * (kCardHeight + kGap),
            kCardWidth, kCardHeight);
    if (play_->MayLay(hand[slot])) r.translate(0, -kLift / 2);
    cards.emplace_back(hand[slot], r);
  }
  return cards;
}

QRect DailyBoard::HandCardRect(TCardCode card) const {
  for (const auto& [c, r] : HandCards()) {
    if (c == card) return r;
  }
  return {};
}

void DailyBoard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), QColor(20, 100, 50));
  if (play_ == nullptr) return;
  const KonState& kon = play_->kon();
  // The computer's cards, face down, overlapping.
  const int backs = kon.Hands[kSeat1].CardCount;
  const int step = 18;
  const int backsWidth = backs > 0 ? (backs - 1) * step + kCardWidth : 0;
  for (int i = 0; i < backs; ++i) {
    DrawBack(p, QRect((width() - backsWidth) / 2 + i * step, 8, kCardWidth, kCardHeight));
  }
  // The layout: a row per suit, a column per rank, empty places outlined.
  const int gridWidth = kRanks * (kCardWidth + kGap) - kGap;
  const int gridLeft = (width() - gridWidth) / 2;
  const int gridTop = 8 + kCardHeight + 16;
  for (int suit = 1; suit <= kSuits; ++suit) {
    for (int rank = 1; rank <= kRanks; ++rank) {
      const QRect r(gridLeft + (rank - 1) * (kCardWidth + kGap),
                    gridTop + (suit - 1) * (kCardHeight + kGap), kCardWidth, kCardHeight);
      if (kon.Board.Has(suit, rank)) {
        DrawFace(p, r, TCardCode(rank, suit), false);
      } else {
        p.setPen(QPen(QColor(60, 140, 80), 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 5, 5);
      }
    }
  }
  for (const auto& [card, r] : HandCards()) {
    DrawFace(p, r, card, play_->MayLay(card));
    if (card == hint_) {
      p.setPen(QPen(QColor(30, 200, 255), 4));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(r.adjusted(-3, -3, 3, 3), 7, 7);
    }
  }
}

void DailyBoard::SetHint(TCardCode card) {
  hint_ = card;
  update();
}

void DailyBoard::mousePressEvent(QMouseEvent* event) {
  if (play_ == nullptr || !clicked_) return;
  // The last drawn card on top wins where two overlap.
  const auto cards = HandCards();
  for (auto it = cards.rbegin(); it != cards.rend(); ++it) {
    if (it->second.contains(event->position().toPoint())) {
      clicked_(it->first);
      return;
    }
  }
}

}  // namespace zendral
