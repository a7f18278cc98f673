#include "app/main/MenuDecorations.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/main/AppText.h"
#include "app/main/TForm1.h"
#include "app/online/OnlineArt.h"
#include "app/online/OnlineLink.h"
#include "app/windows/KovCardsButton.h"
#include "online/ServiceAddresses.h"
#include "present/packs/PackDownload.h"
#include "present/words/WordRows.h"

namespace zendral {

using appmain::QtText;
using appmain::Text;

namespace {

constexpr int kArrow = 8;  // the height of the balloon's arrow
constexpr int kBalloonPad = 6;

// The lamps' colours, one for each of the six pictures.
const std::array<QColor, kLampPictures> kLampColours{QColor(255, 40, 40),  QColor(255, 160, 0),
                                                     QColor(255, 240, 60), QColor(60, 230, 60),
                                                     QColor(60, 200, 255), QColor(230, 80, 255)};

QPointF Polar(QPointF centre, double radius, double degrees) {
  const double a = degrees * std::numbers::pi / 180.0;
  return {centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a)};
}

QPainterPath Star(QPointF centre, double outer, double inner, double turn) {
  QPainterPath path;
  for (int k = 0; k < 10; ++k) {
    const QPointF p = Polar(centre, k % 2 == 0 ? outer : inner, turn - 90 + k * 36);
    if (k == 0) {
      path.moveTo(p);
    } else {
      path.lineTo(p);
    }
  }
  path.closeSubpath();
  return path;
}

// A card suit drawn in a square of the given size centred at a point: 0 hearts, 1 diamonds,
// 2 clubs, 3 spades.
void DrawSuit(QPainter& p, int suit, QPointF c, double size) {
  const double r = size / 2;
  QPainterPath path;
  switch (suit) {
    case 0:
      path.moveTo(c.x(), c.y() + r);
      path.cubicTo(c.x() - r * 1.6, c.y() - r * 0.2, c.x() - r * 0.6, c.y() - r * 1.3, c.x(),
                   c.y() - r * 0.4);
      path.cubicTo(c.x() + r * 0.6, c.y() - r * 1.3, c.x() + r * 1.6, c.y() - r * 0.2, c.x(),
                   c.y() + r);
      break;
    case 1:
      path.moveTo(c.x(), c.y() - r);
      path.lineTo(c.x() + r * 0.7, c.y());
      path.lineTo(c.x(), c.y() + r);
      path.lineTo(c.x() - r * 0.7, c.y());
      path.closeSubpath();
      break;
    case 2:
      path.addEllipse(QPointF(c.x(), c.y() - r * 0.45), r * 0.45, r * 0.45);
      path.addEllipse(QPointF(c.x() - r * 0.5, c.y() + r * 0.15), r * 0.45, r * 0.45);
      path.addEllipse(QPointF(c.x() + r * 0.5, c.y() + r * 0.15), r * 0.45, r * 0.45);
      path.addRect(QRectF(c.x() - r * 0.12, c.y(), r * 0.24, r));
      path.setFillRule(Qt::WindingFill);
      break;
    default:
      path.moveTo(c.x(), c.y() - r);
      path.cubicTo(c.x() - r * 1.6, c.y() + r * 0.2, c.x() - r * 0.5, c.y() + r * 1.0, c.x(),
                   c.y() + r * 0.35);
      path.cubicTo(c.x() + r * 0.5, c.y() + r * 1.0, c.x() + r * 1.6, c.y() + r * 0.2, c.x(),
                   c.y() - r);
      path.addRect(QRectF(c.x() - r * 0.12, c.y() + r * 0.2, r * 0.24, r * 0.8));
      path.setFillRule(Qt::WindingFill);
      break;
  }
  p.setPen(Qt::NoPen);
  p.setBrush(suit < 2 ? QColor(220, 20, 30) : QColor(20, 20, 30));
  p.drawPath(path);
}

QImage NewImage(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// The face of a card, 44 x 62, with its suit in the middle and in the corners.
void DrawCard(QPainter& p, QPointF centre, double angle, int suit, double width = 44) {
  const double height = width * 62 / 44;
  p.save();
  p.translate(centre);
  p.rotate(angle);
  p.setPen(QPen(QColor(60, 60, 60), 1.2));
  p.setBrush(QColor(252, 250, 240));
  p.drawRoundedRect(QRectF(-width / 2, -height / 2, width, height), 4, 4);
  DrawSuit(p, suit, {0, 0}, width * 0.5);
  DrawSuit(p, suit, {-width / 2 + 7, -height / 2 + 8}, 9);
  DrawSuit(p, suit, {width / 2 - 7, height / 2 - 8}, 9);
  p.restore();
}

// The back of a card, the same size.
void DrawBack(QPainter& p, QPointF centre, double scaleX, double width = 44) {
  const double height = width * 62 / 44;
  p.save();
  p.translate(centre);
  p.scale(std::max(0.04, std::abs(scaleX)), 1.0);
  p.setPen(QPen(QColor(240, 240, 240), 2));
  p.setBrush(QColor(30, 60, 160));
  p.drawRoundedRect(QRectF(-width / 2, -height / 2, width, height), 4, 4);
  p.setPen(QPen(QColor(220, 190, 80), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(-width / 2 + 5, -height / 2 + 5, width - 10, height - 10), 3, 3);
  p.setBrush(QColor(220, 190, 80));
  p.setPen(Qt::NoPen);
  p.drawPath(Star({0, 0}, width * 0.28, width * 0.12, 0));
  p.restore();
}

// "GClockBG": a dark glass face in a golden frame.
void DrawClockFace(QPainter& p, const QRectF& r) {
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient frame(r.topLeft(), r.bottomLeft());
  frame.setColorAt(0, QColor(250, 220, 120));
  frame.setColorAt(1, QColor(150, 100, 30));
  p.setPen(QPen(QColor(90, 60, 10), 1));
  p.setBrush(frame);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
  QLinearGradient glass(r.topLeft(), r.bottomLeft());
  glass.setColorAt(0, QColor(30, 40, 50));
  glass.setColorAt(1, QColor(5, 10, 15));
  p.setBrush(glass);
  p.drawRoundedRect(r.adjusted(6, 6, -6, -6), 6, 6);
}

// "GBClock0" … "GBClock9": a digit of seven lit segments, 18 x 34.
void DrawDigit(QPainter& p, QPointF at, int digit) {
  static constexpr std::array<unsigned, 10> kSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                                      0x6D, 0x7D, 0x07, 0x7F, 0x6F};
  const double w = 18, h = 34, t = 3.5;
  const std::array<QRectF, 7> segments{QRectF(t, 0, w - 2 * t, t),
                                       QRectF(w - t, t, t, h / 2 - 1.5 * t),
                                       QRectF(w - t, h / 2 + t / 2, t, h / 2 - 1.5 * t),
                                       QRectF(t, h - t, w - 2 * t, t),
                                       QRectF(0, h / 2 + t / 2, t, h / 2 - 1.5 * t),
                                       QRectF(0, t, t, h / 2 - 1.5 * t),
                                       QRectF(t, h / 2 - t / 2, w - 2 * t, t)};
  const unsigned lit = kSegments[static_cast<std::size_t>(digit % 10)];
  p.setPen(Qt::NoPen);
  for (std::size_t k = 0; k < segments.size(); ++k) {
    p.setBrush((lit >> k) & 1u ? QColor(80, 255, 120) : QColor(16, 34, 22));
    p.drawRoundedRect(segments[k].translated(at), 1.2, 1.2);
  }
}

QString Quoted(const QString& text) {
  return "\"" + text + "\"";
}

}  // namespace

// ---- The pictures.

QImage PaintLampPicture(int index) {
  QImage image = NewImage(kLampWidth, kLampHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colour = kLampColours[static_cast<std::size_t>(((index % 6) + 6) % 6)];
  // The socket, then the glowing bulb with its highlight.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 90, 30));
  p.drawRect(QRectF(6, 0, 8, 7));
  QRadialGradient glow(QPointF(10, 17), 10);
  glow.setColorAt(0, Qt::white);
  glow.setColorAt(0.35, colour);
  glow.setColorAt(1, colour.darker(220));
  p.setBrush(glow);
  p.drawEllipse(QRectF(2, 6, 16, 22));
  p.setBrush(QColor(255, 255, 255, 170));
  p.drawEllipse(QRectF(6, 10, 4, 6));
  return image;
}

QImage PaintDecorationPicture(bool right) {
  QImage image = NewImage(kDecorationWidth, kDecorationHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient gold(0, 0, kDecorationWidth, 0);
  gold.setColorAt(0, QColor(150, 100, 20));
  gold.setColorAt(0.5, QColor(255, 225, 120));
  gold.setColorAt(1, QColor(150, 100, 20));
  // The arch that carries the three lamps.
  QPainterPath arch;
  // It stays inside the lamp cells' reach, clear of the icon columns when the calendar pushes
  // the decorations outwards.
  arch.moveTo(14, 60);
  arch.quadTo(50, -20, 86, 60);
  p.setPen(QPen(QBrush(gold), 5, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arch);
  // The column with its capital and base.
  p.setPen(QPen(QColor(90, 60, 10), 1));
  p.setBrush(gold);
  p.drawRect(QRectF(42, 44, 16, 130));
  p.drawRoundedRect(QRectF(32, 40, 36, 10), 3, 3);
  p.drawRoundedRect(QRectF(26, 172, 48, 14), 4, 4);
  p.drawRoundedRect(QRectF(18, 186, 64, 12), 4, 4);
  // A shield on the column with the suits of this side.
  p.setBrush(QColor(120, 20, 40));
  QPainterPath shield;
  shield.moveTo(30, 80);
  shield.lineTo(70, 80);
  shield.lineTo(70, 112);
  shield.quadTo(50, 140, 30, 112);
  shield.closeSubpath();
  p.setPen(QPen(QBrush(gold), 3));
  p.drawPath(shield);
  DrawSuit(p, right ? 1 : 0, {42, 98}, 14);
  DrawSuit(p, right ? 3 : 2, {58, 98}, 14);
  p.setBrush(QColor(255, 230, 140));
  p.setPen(Qt::NoPen);
  p.drawPath(Star({50, 150}, 9, 4, right ? 18 : 0));
  return image;
}

std::vector<QImage> PaintMenuGif(int which) {
  std::vector<QImage> frames;
  for (int f = 0; f < kMenuGifFrames; ++f) {
    QImage image = NewImage(kGifWidth, kGifHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double turn = 360.0 * f / kMenuGifFrames;
    if (which == 1) {
      // Four cards fan out and close again while a star spins behind them.
      p.setBrush(QColor(255, 220, 90, 200));
      p.setPen(Qt::NoPen);
      p.drawPath(Star({80, 92}, 70, 30, turn / 4));
      const double spread = 10 + 12 * std::sin(turn * std::numbers::pi / 180.0);
      for (int k = 0; k < 4; ++k) {
        const double angle = (k - 1.5) * spread;
        DrawCard(p, Polar({80, 150}, 55, -90 + angle), angle, k, 50);
      }
    } else {
      // A card turns over and over: its back, then its face, under four circling suits.
      const double s = std::cos(turn * std::numbers::pi / 180.0);
      if (s >= 0) {
        DrawBack(p, {80, 100}, s, 70);
      } else {
        p.save();
        p.translate(80, 100);
        p.scale(std::max(0.04, -s), 1.0);
        DrawCard(p, {0, 0}, 0, 3, 70);
        p.restore();
      }
      for (int k = 0; k < 4; ++k) DrawSuit(p, k, Polar({80, 100}, 68, turn + 90 * k), 20);
    }
    frames.push_back(image);
  }
  return frames;
}

QImage PaintMenuIcon(const QString& name) {
  QImage image = NewImage(kMenuIconSize, kMenuIconSize);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(2, 2, 44, 44);
  if (name == "Android") {
    // A little green robot.
    p.setPen(QPen(QColor(60, 140, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 6), QPointF(19, 12));
    p.drawLine(QPointF(33, 6), QPointF(29, 12));
    p.setPen(QPen(QColor(40, 100, 10), 1));
    p.setBrush(QColor(130, 200, 40));
    p.drawChord(QRectF(10, 8, 28, 24), 0, 180 * 16);
    p.drawRoundedRect(QRectF(10, 22, 28, 20), 4, 4);
    p.drawRoundedRect(QRectF(3, 22, 6, 16), 3, 3);
    p.drawRoundedRect(QRectF(39, 22, 6, 16), 3, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(17, 14, 4, 4));
    p.drawEllipse(QRectF(27, 14, 4, 4));
  } else if (name == "ImHp") {
    // A blue ball with a question mark.
    QRadialGradient ball(QPointF(18, 16), 28);
    ball.setColorAt(0, QColor(140, 200, 255));
    ball.setColorAt(1, QColor(10, 60, 170));
    p.setPen(QPen(QColor(0, 30, 100), 1));
    p.setBrush(ball);
    p.drawEllipse(r);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(32);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, "?");
  } else if (name == "ImTR") {
    // A golden cup on a plinth.
    QLinearGradient gold(0, 0, 48, 0);
    gold.setColorAt(0, QColor(170, 110, 10));
    gold.setColorAt(0.5, QColor(255, 230, 110));
    gold.setColorAt(1, QColor(170, 110, 10));
    p.setPen(QPen(QColor(110, 70, 0), 1));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(11, 5);
    cup.lineTo(37, 5);
    cup.cubicTo(37, 22, 30, 28, 24, 29);
    cup.cubicTo(18, 28, 11, 22, 11, 5);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 150, 40), 3));
    p.drawArc(QRectF(3, 8, 12, 12), 90 * 16, 180 * 16);
    p.drawArc(QRectF(33, 8, 12, 12), -90 * 16, 180 * 16);
    p.setPen(QPen(QColor(110, 70, 0), 1));
    p.setBrush(gold);
    p.drawRect(QRectF(21, 29, 6, 7));
    p.drawRoundedRect(QRectF(13, 36, 22, 9), 2, 2);
    p.setBrush(QColor(200, 30, 30));
    p.setPen(Qt::NoPen);
    p.drawPath(Star({24, 15}, 6, 2.6, 0));
  } else if (name == "GooglePlay") {
    // A coloured play triangle.
    const std::array<QColor, 4> colours{QColor(0, 200, 120), QColor(0, 160, 255),
                                        QColor(255, 60, 60), QColor(255, 200, 0)};
    const QPointF a(10, 4), b(10, 44), c(42, 24), m(24, 24);
    const std::array<std::array<QPointF, 3>, 4> parts{
        {{a, m, QPointF(10, 24)}, {QPointF(10, 24), m, b}, {a, c, m}, {m, c, b}}};
    p.setPen(Qt::NoPen);
    for (std::size_t k = 0; k < parts.size(); ++k) {
      p.setBrush(colours[k]);
      p.drawPolygon(parts[k].data(), 3);
    }
  }
  return image;
}

int StillGifFrame(int which) {
  return which == 1 ? 0 : 4;
}

// ---- The pieces.

MenuGif::MenuGif(int which, QWidget* parent)
    : QWidget(parent), which_(which), frames_(PaintMenuGif(which)), timer_(new QTimer(this)) {
  setObjectName(which == 1 ? "RxGIFAn1" : "RxGIFAn2");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  timer_->setInterval(kMenuGifFrameMs);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (!isVisible()) return;  // the table is on screen
    frame_ = (frame_ + 1) % kMenuGifFrames;
    update();
  });
}

void MenuGif::Start(bool animated) {
  if (animated) {
    frame_ = 0;
    timer_->start();
  } else {
    timer_->stop();
    frame_ = StillGifFrame(which_);
  }
  update();
}

bool MenuGif::Running() const {
  return timer_->isActive();
}

void MenuGif::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, frames_[static_cast<std::size_t>(frame_)]);
}

MenuDecoration::MenuDecoration(bool right, QWidget* parent)
    : QWidget(parent), picture_(PaintDecorationPicture(right)) {
  setObjectName(right ? "ImageSvRight" : "ImageSvLeft");
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MenuDecoration::ShowLamps(const std::array<int, 3>& lamps) {
  lamps_ = lamps;
  update();
}

void MenuDecoration::paintEvent(QPaintEvent*) {
  static const std::array<QImage, kLampPictures> lamps = [] {
    std::array<QImage, kLampPictures> images;
    for (int k = 0; k < kLampPictures; ++k)
      images[static_cast<std::size_t>(k)] = PaintLampPicture(k);
    return images;
  }();
  QPainter p(this);
  p.drawImage(0, 0, picture_);
  for (std::size_t k = 0; k < kLampCells.size(); ++k) {
    p.drawImage(kLampCells[k].x, kLampCells[k].y,
                lamps[static_cast<std::size_t>(lamps_[k] % kLampPictures)]);
  }
}

MenuTimeClock::MenuTimeClock(QWidget* parent) : QWidget(parent) {
  setObjectName("ImClock1");
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MenuTimeClock::Show(int hour, int minute, int millisecond, bool drawn) {
  hour_ = hour;
  minute_ = minute;
  separator_ = millisecond > 500;
  drawn_ = drawn;
  update();
}

void MenuTimeClock::paintEvent(QPaintEvent*) {
  if (!drawn_) return;
  QPainter p(this);
  DrawClockFace(p, QRectF(0, 0, kClockWidth, kClockHeight));
  if (hour_ / 10 != 0) DrawDigit(p, {14, 15}, hour_ / 10);
  DrawDigit(p, {34, 15}, hour_ % 10);
  DrawDigit(p, {61, 15}, minute_ / 10);
  DrawDigit(p, {81, 15}, minute_ % 10);
  if (separator_) {  // "GBClockP"
    p.setBrush(QColor(80, 255, 120));
    p.drawEllipse(QRectF(55, 24, 4, 4));
    p.drawEllipse(QRectF(55, 36, 4, 4));
  }
}

MenuIndicatorClock::MenuIndicatorClock(QWidget* parent) : QWidget(parent) {
  setObjectName("ImClock2");
}

void MenuIndicatorClock::Show(const TIndicatorText& text) {
  number_ = QtText(text.number);
  if (number_.isEmpty()) number_ = "00";
  country_ = QtText(text.country);
  flag_ = country_.isEmpty() ? QImage() : PaintFlag(text.country);
  setToolTip(QtText(text.hint));
  update();
}

void MenuIndicatorClock::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DrawClockFace(p, QRectF(0, 0, kClockWidth, kClockHeight));
  QFont font("DejaVu Sans Mono");
  font.setStyleHint(QFont::Monospace);
  font.setBold(true);
  font.setPixelSize(30);
  p.setFont(font);
  p.setPen(QColor(255, 200, 60));
  QRect numberBox(8, 8, kClockWidth - 16, kClockHeight - 16);
  if (!flag_.isNull()) {
    // The flag at twice its size on the left, the number in the room beside it.
    const QSize flagSize = flag_.size() * 2;
    const QRect flagBox(QPoint(12, (kClockHeight - flagSize.height()) / 2), flagSize);
    p.drawImage(flagBox, flag_);
    numberBox.setLeft(flagBox.right() + 4);
    font.setPixelSize(24);
    p.setFont(FittingFont(font, number_, numberBox.width()));
  }
  p.drawText(numberBox, Qt::AlignCenter, number_);
}

MenuBalloon::MenuBalloon(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
  setObjectName("MenuBalloon");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  timer_->setSingleShot(true);
  timer_->setInterval(kShownMs);
  connect(timer_, &QTimer::timeout, this, &QWidget::hide);
  hide();
}

QFont MenuBalloon::TitleFont() const {
  QFont font(family_);
  font.setPointSize(9);
  font.setBold(true);
  return font;
}

QFont MenuBalloon::TextFont() const {
  QFont font(family_);
  font.setPointSize(9);
  return font;
}

void MenuBalloon::ShowFor(const QWidget* icon, const QString& title, const QString& text,
                          const QString& fontFamily) {
  title_ = title;
  text_ = text;
  family_ = fontFamily;
  const QFontMetrics titleMetrics(TitleFont());
  const QFontMetrics textMetrics(TextFont());
  const int width =
      std::max(titleMetrics.horizontalAdvance(title_), textMetrics.horizontalAdvance(text_)) +
      2 * kBalloonPad;
  const int height = (title_.isEmpty() ? 0 : titleMetrics.height()) + textMetrics.height() +
                     2 * kBalloonPad + kArrow;
  // Below the icon, the arrow pointing up at its middle; above it, pointing down, where the
  // window ends too soon below (the icons near the bottom edge of the large windows). Kept
  // inside the menu either way.
  const QRect place = parentWidget() != nullptr
                          ? QRect(icon->mapTo(parentWidget(), QPoint(0, 0)), icon->size())
                          : icon->geometry();
  const int tip = place.center().x();
  const int room = parentWidget() != nullptr ? parentWidget()->height() : place.bottom() + height;
  below_ = place.bottom() + 2 + height <= room || place.top() - 2 - height < 0;
  int left = tip - 14;
  if (parentWidget() != nullptr) {
    left = std::clamp(left, 0, std::max(0, parentWidget()->width() - width));
  }
  arrowX_ = tip - left;
  const int top = below_ ? place.bottom() + 2 : place.top() - 2 - height;
  setGeometry(left, top, width, height);
  show();
  raise();
  update();
  timer_->start();
}

void MenuBalloon::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // The body leaves the arrow's height free on the icon's side.
  const double bodyTop = below_ ? kArrow + 0.5 : 0.5;
  QPainterPath shape;
  shape.addRoundedRect(QRectF(0.5, bodyTop, width() - 1, height() - kArrow - 1), 5, 5);
  QPainterPath arrow;
  if (below_) {
    arrow.moveTo(arrowX_ - 6, kArrow + 1);
    arrow.lineTo(arrowX_, 0.5);
    arrow.lineTo(arrowX_ + 6, kArrow + 1);
  } else {
    arrow.moveTo(arrowX_ - 6, height() - kArrow - 1);
    arrow.lineTo(arrowX_, height() - 0.5);
    arrow.lineTo(arrowX_ + 6, height() - kArrow - 1);
  }
  arrow.closeSubpath();
  p.setPen(QPen(QColor(255, 0, 0), 1));
  p.setBrush(QColor(255, 255, 225));
  p.drawPath(shape.united(arrow));
  int y = (below_ ? kArrow : 0) + kBalloonPad;
  if (!title_.isEmpty()) {
    p.setFont(TitleFont());
    p.setPen(QColor(128, 0, 0));
    const QFontMetrics metrics(TitleFont());
    p.drawText(kBalloonPad, y + metrics.ascent(), title_);
    y += metrics.height();
  }
  p.setFont(TextFont());
  p.setPen(QColor(255, 0, 0));
  p.drawText(kBalloonPad, y + QFontMetrics(TextFont()).ascent(), text_);
}

// ---- The ornaments together.

MenuDecorations::MenuDecorations(TForm1& form, QWidget* menu)
    : QObject(menu), form_(form), menu_(menu), clock_([] {
        const QTime t = QTime::currentTime();
        return Now{t.hour(), t.minute(), t.second(), t.msec()};
      }) {
  setObjectName("MenuDecorations");
  gifs_ = {new MenuGif(1, menu), new MenuGif(2, menu)};
  left_ = new MenuDecoration(false, menu);
  right_ = new MenuDecoration(true, menu);
  clock1_ = new MenuTimeClock(menu);
  clock2_ = new MenuIndicatorClock(menu);
  android_ = MakeIcon("ImageAdvL2");
  help_ = MakeIcon("ImHp");
  tournament_ = MakeIcon("ImTR");
  store_ = MakeIcon("ImageAdvL3");
  balloon_ = new MenuBalloon(menu);
  connect(android_, &QPushButton::clicked, this, [this] { DownloadAndroid(); });
  connect(help_, &QPushButton::clicked, this, [this] { OpenHelp(); });
  connect(tournament_, &QPushButton::clicked, this, [this] { form_.OpenTournament(); });
  connect(store_, &QPushButton::clicked, this, [this] { OpenStore(); });
  ApplyLanguage();
}

QPushButton* MenuDecorations::MakeIcon(const char* name) {
  auto* icon = new QPushButton(menu_);
  icon->setObjectName(name);
  icon->setFlat(true);
  icon->setCursor(Qt::PointingHandCursor);
  icon->setStyleSheet("QPushButton { border: none; background: transparent; }");
  icon->setIconSize(QSize(kMenuIconSize, kMenuIconSize));
  icon->installEventFilter(this);
  return icon;
}

void MenuDecorations::Place(const TableScale& scale, const MenuLayout& layout, bool calendarShown,
                            ClientSize client, const QString& largeFont) {
  if (!largeFont.isEmpty()) fontFamily_ = largeFont;
  balloon_->hide();
  pictureScale_ = scale.pictureScale;
  ornaments_ = PlaceOrnaments(scale, layout, calendarShown, client);
  const auto place = [](QWidget* w, const PixelRect& r) {
    w->setGeometry(r.left, r.top, r.width, r.height);
  };
  place(gifs_[0], ornaments_.gif1);
  place(gifs_[1], ornaments_.gif2);
  place(left_, ornaments_.leftDecoration);
  place(right_, ornaments_.rightDecoration);
  place(clock1_, ornaments_.clock1);
  place(clock2_, ornaments_.clock2);
  for (MenuGif* gif : gifs_) {
    gif->Start(form_.CurrentSettings().GifAnimation);
    gif->show();
  }
  left_->show();
  right_->show();
  // Under the buttons, which they may touch at the small sizes.
  for (QWidget* w :
       std::initializer_list<QWidget*>{clock1_, clock2_, gifs_[0], gifs_[1], left_, right_})
    w->lower();
  const LampPictures lamps = LampsAtPhase(phase_);
  left_->ShowLamps(lamps.left);
  right_->ShowLamps(lamps.right);
  clock1_->setVisible(ornaments_.clocksShown);
  clock2_->setVisible(ornaments_.clocksShown);
  if (ornaments_.clocksShown) {
    const Now now = clock_();
    clock1_->Show(now.hour, now.minute, now.millisecond, pictureScale_ >= kTimeClockMinScale);
    ShowIndicatorValue(IndicatorValueForMinute(now.minute));
  }
  place(android_, MenuIconPlace(false, 2, client.width));
  place(help_, MenuIconPlace(false, 3, client.width));
  place(tournament_, MenuIconPlace(false, 4, client.width));
  place(store_, MenuIconPlace(false, 5, client.width));
  for (QPushButton* icon : {android_, help_, tournament_}) icon->show();
  store_->setVisible(StoreIconShown(pictureScale_, !storeAddress_.empty()));
  ApplyLanguage();
}

void MenuDecorations::Tick() {
  const LampPictures lamps = LampsAtPhase(phase_);
  left_->ShowLamps(lamps.left);
  right_->ShowLamps(lamps.right);
  phase_ = NextLampPhase(phase_);
  if (!ornaments_.clocksShown) return;
  const Now now = clock_();
  clock1_->Show(now.hour, now.minute, now.millisecond, pictureScale_ >= kTimeClockMinScale);
  if (const auto value = turn_.OnTick(now.minute, now.second)) ShowIndicatorValue(*value);
}

void MenuDecorations::ShowIndicatorValue(int value) {
  indicatorValue_ = value;
  if (!data_) {
    // Nothing read yet: the place shows "00" and the hint of the value.
    TIndicatorText text = IndicatorText(value, TIndicatorData{}, Language());
    text.number = "00";
    clock2_->Show(text);
    return;
  }
  clock2_->Show(IndicatorText(value, *data_, Language()));
}

void MenuDecorations::SetIndicatorData(const TIndicatorData& data) {
  data_ = data;
  ShowIndicatorValue(indicatorValue_);
}

void MenuDecorations::SetEditionAddresses(const std::string& package, const std::string& store) {
  package_ = package;
  storeAddress_ = store;
  store_->setVisible(StoreIconShown(pictureScale_, !storeAddress_.empty()) && left_->isVisible());
}

void MenuDecorations::ApplyLanguage() {
  android_->setIcon(QIcon(QPixmap::fromImage(PaintMenuIcon("Android"))));
  help_->setIcon(QIcon(QPixmap::fromImage(PaintMenuIcon("ImHp"))));
  tournament_->setIcon(QIcon(QPixmap::fromImage(PaintMenuIcon("ImTR"))));
  store_->setIcon(QIcon(QPixmap::fromImage(PaintMenuIcon("GooglePlay"))));
  for (QPushButton* icon : {android_, help_, tournament_, store_}) {
    const auto [title, text] = Balloon(icon);
    icon->setAccessibleName(title);
    icon->setAccessibleDescription(text);
  }
  ShowIndicatorValue(indicatorValue_);
}

std::pair<QString, QString> MenuDecorations::Balloon(const QPushButton* icon) const {
  const QString name = Text(kWordTitle);
  if (icon == android_) return {Text(kWordDownload), Quoted(name + ".apk")};
  if (icon == help_) return {Text(kWordHelp), "Online-" + Text(kWordHelp)};
  if (icon == tournament_) return {Text(kWordOnlineTournament), Text(kWordTakePlace)};
  if (icon == store_) return {QString(), Quoted(name) + " " + Text(kWordOnGooglePlay)};
  return {};
}

bool MenuDecorations::eventFilter(QObject* watched, QEvent* event) {
  auto* icon = qobject_cast<QPushButton*>(watched);
  if (icon != nullptr && event->type() == QEvent::Enter) {
    const auto [title, text] = Balloon(icon);
    balloon_->ShowFor(icon, title, text, fontFamily_);
  } else if (icon != nullptr && event->type() == QEvent::Leave) {
    balloon_->hide();
  }
  return QObject::eventFilter(watched, event);
}

QString MenuDecorations::HelpPageAddress() {
  return QtText(online::ServiceBase()) + "/zendral/";
}

bool MenuDecorations::OpenAddress(const QString& address) {
  const QUrl url(address);
  if (form_.Online() != nullptr) {
    const auto open = form_.Online()->Ui().openUrl;
    if (open) return open(url);
  }
  return false;
}

void MenuDecorations::OpenHelp() {
  form_.PlaySound("WOpenFo", false);
  OpenAddress(HelpPageAddress());
}

void MenuDecorations::DownloadAndroid() {
  form_.PlaySound("WOpenFo", false);
  if (package_.empty()) {
    form_.ShowMessage(Quoted(Text(kWordTitle)) + " " + Text(kWordApkUnavailable), false);
    return;
  }
  // The player picks where the package goes: its own name in the program folder proposed.
  const QString name = QUrl(QtText(package_)).fileName();
  const QString extension = QFileInfo(name).suffix();
  QFileDialog dialog(menu_, Text(kWordDownload),
                     QString::fromStdString(form_.ProgramFolder().string()),
                     extension.isEmpty() ? QString() : QString("*.%1").arg(extension));
  dialog.setObjectName("SaveDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.selectFile(name);
  if (form_.RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const std::filesystem::path target = dialog.selectedFiles().front().toStdString();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const DownloadResult result = DownloadFile(package_, target);
  QApplication::restoreOverrideCursor();
  form_.PlaySound(result.ok ? "WToMenK" : "WWrongs", false);
}

void MenuDecorations::OpenStore() {
  form_.PlaySound("WOpenFo", false);
  if (!storeAddress_.empty()) OpenAddress(QtText(storeAddress_));
}

}  // namespace zendral
