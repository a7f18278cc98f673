#include "FacePainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <cmath>

#include "CourtDress.h"
#include "SuitShapes.h"

namespace zendral::packs {

namespace {

constexpr int kAce = 9;

// Straight-edged suit symbols in a 100 x 100 box.
QPainterPath AngularSuit(int suit) {
  QPainterPath p;
  switch (suit) {
    case kHearts:
      p.moveTo(50, 100);
      p.lineTo(2, 44);
      p.lineTo(2, 20);
      p.lineTo(18, 4);
      p.lineTo(36, 4);
      p.lineTo(50, 20);
      p.lineTo(64, 4);
      p.lineTo(82, 4);
      p.lineTo(98, 20);
      p.lineTo(98, 44);
      break;
    case kDiamonds:
      p.moveTo(50, 0);
      p.lineTo(90, 50);
      p.lineTo(50, 100);
      p.lineTo(10, 50);
      break;
    case kClubs: {
      QPainterPath c;
      c.setFillRule(Qt::WindingFill);
      c.addRect(34, 2, 32, 32);
      c.addRect(2, 36, 32, 32);
      c.addRect(66, 36, 32, 32);
      c.addRect(30, 30, 40, 40);
      QPolygonF stem;
      stem << QPointF(45, 60) << QPointF(55, 60) << QPointF(72, 100) << QPointF(28, 100);
      c.addPolygon(stem);
      return c.simplified();
    }
    default: {
      QPainterPath s;
      s.setFillRule(Qt::WindingFill);
      QPolygonF blade;
      blade << QPointF(50, 0) << QPointF(98, 52) << QPointF(98, 70) << QPointF(80, 84)
            << QPointF(50, 70) << QPointF(20, 84) << QPointF(2, 70) << QPointF(2, 52);
      s.addPolygon(blade);
      QPolygonF stem;
      stem << QPointF(45, 66) << QPointF(55, 66) << QPointF(72, 100) << QPointF(28, 100);
      s.addPolygon(stem);
      return s.simplified();
    }
  }
  p.closeSubpath();
  return p;
}

QPainterPath FitInto(const QPainterPath& path, const QRectF& box, double stretchX) {
  const QRectF bounds = path.boundingRect();
  const double scale =
      std::min(box.width() / (bounds.width() * stretchX), box.height() / bounds.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale * stretchX, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t.map(path);
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                          a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t);
}

void PaintSuit(QPainter& p, const DeckStyle& s, int suit, const QRectF& box, bool upsideDown) {
  p.save();
  if (upsideDown) {
    p.translate(box.center());
    p.rotate(180);
    p.translate(-box.center());
  }
  const QPainterPath path = StyledSuitPath(s.family, s.suits, suit, box);
  const QColor ink = s.ink[static_cast<std::size_t>(suit)];
  if (s.family != SuitFamily::kFrench) {
    // The German and Latin symbols have inner lines (veins, bands, rings); a darker edge keeps
    // the golden bells and coins clear on the paper.
    p.fillPath(path, ink);
    if (box.width() >= 9) {
      p.setPen(QPen(ink.darker(170), std::max(0.5, box.width() * 0.025)));
      p.setBrush(Qt::NoBrush);
      p.drawPath(path);
    }
  } else if (s.suits == SuitShape::kRound) {
    // Soft, bold symbols: the shape grown by a round-joined edge of its own ink.
    p.setPen(QPen(ink, box.width() * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    p.drawPath(path);
  } else {
    p.fillPath(path, ink);
  }
  if (s.family == SuitFamily::kFrench && s.suits == SuitShape::kEngraved && box.width() >= 12) {
    // An engraved line inside the symbol.
    QTransform inner;
    inner.translate(box.center().x(), box.center().y());
    inner.scale(0.72, 0.72);
    inner.translate(-box.center().x(), -box.center().y());
    p.setPen(QPen(s.paper, std::max(0.7, box.width() * 0.045)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(inner.map(path));
  }
  p.restore();
}

// The rank of an index as a path in the style's font, scaled to a cap height and squeezed
// sideways when wider than the index column.
QPainterPath RankGlyph(const DeckStyle& s, const QString& text, double centreX, double top,
                       double capHeight, double maxWidth) {
  QFont font(s.indexFont);
  font.setBold(s.indexBold);
  font.setPixelSize(100);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  const double scaleY = capHeight / std::max(1.0, bounds.height());
  const double scaleX = std::min(scaleY, maxWidth / std::max(1.0, bounds.width()));
  QTransform t;
  t.translate(centreX, top);
  t.scale(scaleX, scaleY);
  t.translate(-bounds.center().x(), -bounds.top());
  return t.map(path);
}

QString RankText(const DeckStyle& s, int rank) {
  static const char* const kNumbers[] = {"", "6", "7", "8", "9", "10"};
  if (rank <= 5) return QString::fromLatin1(kNumbers[rank]);
  return s.letters[static_cast<std::size_t>(rank - 6)];
}

bool BigIndex(const DeckStyle& s) {
  return s.bigIndex || s.court == Court::kMonogram;
}

void PaintIndex(QPainter& p, const DeckStyle& s, const QSizeF& size, TCardCode card) {
  const double w = size.width(), h = size.height();
  const double big = BigIndex(s) ? 1.25 : 1.0;
  const double column = (s.narrow ? 0.13 : 0.115) * w * (BigIndex(s) ? 1.1 : 1.0);
  const double cap = 0.1 * h * big;
  const double top = 0.05 * h;
  const double suitSize = 0.082 * h * big;
  const QColor ink = s.ink[card.suit];
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(w, h);
      p.rotate(180);
    }
    p.fillPath(RankGlyph(s, RankText(s, card.rank), column, top, cap, column * 1.55), ink);
    const QRectF pip(column - suitSize / 2, top + cap + 0.025 * h, suitSize, suitSize);
    PaintSuit(p, s, card.suit, pip, false);
    p.restore();
  }
}

struct PipPlace {
  double column, row;
};

std::vector<PipPlace> PipPlaces(int rank) {
  const double third = 1.0 / 3, sixth = 1.0 / 6;
  std::vector<PipPlace> places;
  auto sides = [&](std::initializer_list<double> rows) {
    for (double r : rows) {
      places.push_back({0, r});
      places.push_back({1, r});
    }
  };
  switch (rank) {
    case 1:
      sides({0, 0.5, 1});
      break;
    case 2:
      sides({0, 0.5, 1});
      places.push_back({0.5, 0.25});
      break;
    case 3:
      sides({0, 0.5, 1});
      places.push_back({0.5, 0.25});
      places.push_back({0.5, 0.75});
      break;
    case 4:
      sides({0, third, 2 * third, 1});
      places.push_back({0.5, 0.5});
      break;
    case 5:
      sides({0, third, 2 * third, 1});
      places.push_back({0.5, sixth});
      places.push_back({0.5, 1 - sixth});
      break;
  }
  return places;
}

void PaintPips(QPainter& p, const DeckStyle& s, const QSizeF& size, TCardCode card) {
  const double w = size.width(), h = size.height();
  const double pip = std::min(w * (s.narrow ? 0.2 : 0.185), h * 0.135);
  const double left = w * (s.narrow ? 0.33 : 0.315), right = w - left;
  const double top = h * 0.18, bottom = h * 0.82;
  for (const PipPlace& place : PipPlaces(card.rank)) {
    const QPointF c(left + (right - left) * place.column, top + (bottom - top) * place.row);
    PaintSuit(p, s, card.suit, QRectF(c.x() - pip / 2, c.y() - pip / 2, pip, pip),
              place.row > 0.5 + 1e-9);
  }
}

void PaintAce(QPainter& p, const DeckStyle& s, const QSizeF& size, TCardCode card, bool large) {
  const QPointF c(size.width() / 2, size.height() / 2);
  const double unit = std::min(size.width(), size.height() * 0.74);
  // Each deck its own ace: the ornament's kind comes from the style, its measure (rays, rings,
  // leaves) and the size of the symbol from the deck's number.
  const int seed = s.deck;
  const double grow = s.family == SuitFamily::kFrench ? 1.0 + (seed % 3) * 0.08 : 1.25;
  const double pip = (card.suit == kSpades ? 0.52 : 0.44) * unit * grow;
  const QColor accent = s.accent;
  p.save();
  const double line = large ? 1.3 : 0.7;
  switch (s.ace) {
    case Ace::kPlain:
      break;
    case Ace::kRing: {
      p.setPen(QPen(accent, line));
      p.setBrush(Qt::NoBrush);
      const int rings = 2 + seed % 2;
      for (int i = 0; i < rings; ++i) {
        const double r = unit * (0.42 - i * 0.04);
        p.drawEllipse(c, r, r);
      }
      break;
    }
    case Ace::kStar: {
      p.setPen(QPen(Mix(accent, s.paper, 0.35), line));
      const int rays = 12 + (seed % 4) * 4;
      for (int i = 0; i < rays; ++i) {
        const double a = i * 2 * M_PI / rays;
        p.drawLine(c + QPointF(std::cos(a), std::sin(a)) * unit * 0.3,
                   c + QPointF(std::cos(a), std::sin(a)) * unit * (i % 2 ? 0.4 : 0.46));
      }
      break;
    }
    case Ace::kWreath: {
      // Two branches of leaves round the symbol, tied below it.
      p.setPen(QPen(accent.darker(120), line * 0.7));
      p.setBrush(Mix(accent, s.paper, 0.2));
      const int leaves = 7 + seed % 3;
      for (int side : {-1, 1}) {
        for (int i = 0; i < leaves; ++i) {
          const double a = M_PI / 2 + side * (0.35 + i * 2.4 / leaves);
          const QPointF at = c + QPointF(std::cos(a), std::sin(a)) * unit * 0.4;
          p.save();
          p.translate(at);
          p.rotate(a * 180 / M_PI);
          p.drawEllipse(QPointF(0, 0), unit * 0.035, unit * 0.075);
          p.restore();
        }
      }
      break;
    }
    case Ace::kBanner: {
      // A ribbon across the lower part of the card, as the aces of printed decks carry.
      const double y = c.y() + unit * (0.36 + (seed % 3) * 0.02);
      QPainterPath ribbon;
      ribbon.moveTo(c.x() - unit * 0.42, y - unit * 0.05);
      ribbon.quadTo(c.x(), y + unit * 0.05, c.x() + unit * 0.42, y - unit * 0.05);
      ribbon.lineTo(c.x() + unit * 0.36, y + unit * 0.04);
      ribbon.lineTo(c.x() + unit * 0.42, y + unit * 0.12);
      ribbon.quadTo(c.x(), y + unit * 0.2, c.x() - unit * 0.42, y + unit * 0.12);
      ribbon.lineTo(c.x() - unit * 0.36, y + unit * 0.04);
      ribbon.closeSubpath();
      p.setPen(QPen(accent.darker(130), line * 0.7));
      p.setBrush(Mix(accent, s.paper, 0.45));
      p.drawPath(ribbon);
      break;
    }
    case Ace::kMedallion: {
      QRadialGradient g(c, unit * (0.38 + (seed % 3) * 0.03));
      g.setColorAt(0, Mix(accent, s.paper, 0.9));
      g.setColorAt(1, Mix(accent, s.paper, 0.6));
      p.setBrush(g);
      p.setPen(QPen(accent, line * 1.5));
      const double r = unit * (0.38 + (seed % 3) * 0.03);
      p.drawEllipse(c, r, r);
      break;
    }
  }
  p.restore();
  PaintSuit(p, s, card.suit, QRectF(c.x() - pip / 2, c.y() - pip / 2, pip, pip), false);
}

// Turns every pixel's hue by a number of degrees, keeping its alpha.
void TurnHue(QImage& image, int degrees) {
  if (degrees % 360 == 0) return;
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int a = qAlpha(line[x]);
      if (a == 0) continue;
      QColor c = QColor::fromRgba(line[x]);
      int h, sat, v;
      c.getHsv(&h, &sat, &v);
      // Greys, skin and gold stay as they are: only the clothes take the deck's colours.
      if (h < 0 || sat < 40) continue;
      if (h >= 12 && h <= 40 && sat < 120) continue;
      if (h >= 38 && h <= 52 && v > 180) continue;
      c.setHsv((h + degrees) % 360, sat, v, a);
      line[x] = c.rgba();
    }
  }
}

// Two inks only: the dark parts in the card's ink, the light ones in the paper.
void Duotone(QImage& image, const QColor& dark, const QColor& light) {
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int a = qAlpha(line[x]);
      if (a == 0) continue;
      const double l = qGray(line[x]) / 255.0;
      const QColor c = Mix(dark, light, std::pow(l, 0.8));
      line[x] = qRgba(c.red(), c.green(), c.blue(), a);
    }
  }
}

QRectF CourtFrame(const QSizeF& size) {
  const double w = size.width(), h = size.height();
  const double side = w * 0.2;
  return QRectF(side, h * 0.104, w - 2 * side, h * 0.793);
}

void PaintMonogram(QPainter& p, const DeckStyle& s, const QSizeF& size, TCardCode card,
                   bool large) {
  const QRectF frame = CourtFrame(size);
  const QColor ink = s.ink[card.suit];
  p.save();
  p.setPen(QPen(ink, large ? 2.0 : 1.0));
  p.setBrush(Mix(ink, s.paper, 0.9));
  p.drawRoundedRect(frame, frame.width() * 0.12, frame.width() * 0.12);
  const QString letter = s.letters[static_cast<std::size_t>(card.rank - 6)];
  const QPainterPath glyph =
      RankGlyph(s, letter, frame.center().x(), frame.top() + frame.height() * 0.14,
                frame.height() * 0.36, frame.width() * 0.8);
  p.fillPath(glyph, ink);
  const double pip = frame.width() * 0.42;
  PaintSuit(p, s, card.suit,
            QRectF(frame.center().x() - pip / 2, frame.top() + frame.height() * 0.6, pip, pip),
            false);
  // A crown, a tiara or a cap over the letter tells the three courts apart at a glance.
  const double cw = frame.width() * 0.4, top = frame.top() + frame.height() * 0.04;
  const double cx = frame.center().x();
  QPainterPath crown;
  if (card.rank == 8) {
    crown.moveTo(cx - cw / 2, top + cw * 0.35);
    crown.lineTo(cx - cw / 2, top);
    crown.lineTo(cx - cw / 4, top + cw * 0.2);
    crown.lineTo(cx, top - cw * 0.05);
    crown.lineTo(cx + cw / 4, top + cw * 0.2);
    crown.lineTo(cx + cw / 2, top);
    crown.lineTo(cx + cw / 2, top + cw * 0.35);
    crown.closeSubpath();
  } else if (card.rank == 7) {
    crown.moveTo(cx - cw / 2, top + cw * 0.35);
    crown.quadTo(cx, top - cw * 0.2, cx + cw / 2, top + cw * 0.35);
    crown.closeSubpath();
  } else {
    crown.addRect(QRectF(cx - cw / 2, top + cw * 0.15, cw, cw * 0.2));
    crown.addEllipse(QPointF(cx, top + cw * 0.12), cw * 0.12, cw * 0.12);
  }
  p.fillPath(crown, s.accent);
  p.restore();
}

void PaintCourt(QPainter& p, const DeckStyle& s, const QSizeF& size, TCardCode card, bool large) {
  if (s.court == Court::kMonogram) {
    PaintMonogram(p, s, size, card, large);
    return;
  }
  const QRectF frame = CourtFrame(size);
  if (s.court == Court::kPanel) {
    p.save();
    p.setPen(QPen(s.accent, large ? 1.6 : 0.8));
    p.setBrush(Mix(s.accent, s.paper, 0.82));
    p.drawRect(frame.adjusted(-1, -1, 1, 1));
    p.restore();
  }
  CourtLook look = CourtLookOf(s.deck);
  if (s.family != SuitFamily::kFrench) {
    // The courts of German and Latin decks are all men, and each shows his suit.
    look.secondIsMan = true;
    look.secondRides = s.family == SuitFamily::kLatin;  // the caballo and the cavallo
    look.held = Held::kSuit;
  }
  const QPainterPath symbol =
      StyledSuitPath(s.family, SuitShape::kClassic, card.suit, QRectF(0, 0, 100, 100));
  const QColor ink = s.ink[card.suit];
  if (s.court == Court::kFigure) {
    PaintDressedCourt(p, frame, card.rank, card.suit, !large, look, symbol, ink);
    return;
  }
  QImage layer(size.toSize(), QImage::Format_ARGB32);
  layer.fill(Qt::transparent);
  {
    QPainter lp(&layer);
    lp.setRenderHint(QPainter::Antialiasing);
    PaintDressedCourt(lp, frame, card.rank, card.suit, !large, look, symbol, ink);
  }
  if (s.court == Court::kDuotone) {
    Duotone(layer, s.ink[card.suit].darker(130), s.paper);
  } else {
    TurnHue(layer, s.courtHue + (s.court == Court::kPanel ? 0 : card.suit * 7));
  }
  p.drawImage(0, 0, layer);
}

void PaintBlank(QPainter& p, const DeckStyle& s, const QSizeF& size, bool large) {
  const double w = size.width(), h = size.height();
  if (!large) {
    p.fillRect(QRectF(1, 1, w - 2, h - 2), s.paper);
    p.fillRect(QRectF(1, 0, w - 2, 1), Qt::black);
    p.fillRect(QRectF(1, h - 1, w - 2, 1), Qt::black);
    p.fillRect(QRectF(0, 1, 1, h - 2), Qt::black);
    p.fillRect(QRectF(w - 1, 1, 1, h - 2), Qt::black);
    return;
  }
  QLinearGradient paper(0, 0, w, h);
  paper.setColorAt(0, s.paper.lighter(102));
  paper.setColorAt(1, s.paper.darker(104));
  p.setBrush(paper);
  p.setPen(QPen(QColor(70, 70, 70), 1.2));
  p.drawRoundedRect(QRectF(0.6, 0.6, w - 1.2, h - 1.2), 15, 15);
}

void PaintFrame(QPainter& p, const DeckStyle& s, const QSizeF& size, bool large) {
  const double w = size.width(), h = size.height();
  const double line = large ? 1.2 : 0.8;
  const double in = large ? 5 : 3;
  const QRectF r(in, in, w - 2 * in, h - 2 * in);
  p.save();
  p.setBrush(Qt::NoBrush);
  switch (s.frame) {
    case Frame::kNone:
      break;
    case Frame::kLine:
      p.setPen(QPen(s.accent, line));
      p.drawRoundedRect(r, in * 1.6, in * 1.6);
      break;
    case Frame::kDouble:
      p.setPen(QPen(s.accent, line));
      p.drawRoundedRect(r, in * 1.6, in * 1.6);
      p.setPen(QPen(s.accent, line * 0.6));
      p.drawRoundedRect(r.adjusted(in * 0.5, in * 0.5, -in * 0.5, -in * 0.5), in, in);
      break;
    case Frame::kBand: {
      QPainterPath band;
      band.addRoundedRect(QRectF(1, 1, w - 2, h - 2), large ? 14 : 3, large ? 14 : 3);
      band.addRoundedRect(r.adjusted(in * 0.3, in * 0.3, -in * 0.3, -in * 0.3), in, in);
      p.fillPath(band, Mix(s.accent, s.paper, 0.25));
      break;
    }
    case Frame::kCorners: {
      p.setPen(QPen(s.accent, line));
      const double len = std::min(w, h) * 0.16;
      for (int c = 0; c < 4; ++c) {
        p.save();
        p.translate(c % 2 ? w : 0, c / 2 ? h : 0);
        p.scale(c % 2 ? -1 : 1, c / 2 ? -1 : 1);
        QPainterPath corner;
        corner.moveTo(in, in + len);
        corner.lineTo(in, in);
        corner.lineTo(in + len, in);
        p.drawPath(corner);
        p.setBrush(s.accent);
        p.drawEllipse(QPointF(in + len, in), line * 1.2, line * 1.2);
        p.drawEllipse(QPointF(in, in + len), line * 1.2, line * 1.2);
        p.restore();
      }
      break;
    }
    case Frame::kRounded:
      p.setPen(QPen(s.accent, line * 2));
      p.drawRoundedRect(r.adjusted(line, line, -line, -line), in * 2.5, in * 2.5);
      break;
  }
  p.restore();
}

}  // namespace

QSize FaceSize(bool narrow, bool large) {
  if (large) return {narrow ? 126 : 146, 198};
  return {narrow ? 61 : 71, 96};
}

QPainterPath StyledSuitPath(SuitFamily family, SuitShape shape, int suit, const QRectF& box) {
  QPainterPath symbol;
  switch (family) {
    case SuitFamily::kGerman:
      symbol = GermanSuit(suit);
      break;
    case SuitFamily::kLatin:
      symbol = LatinSuit(suit);
      break;
    case SuitFamily::kFrench:
      symbol = shape == SuitShape::kAngular ? AngularSuit(suit) : art::SuitPath(suit);
      break;
  }
  // Coins stay round and cups upright: only French symbols are widened or slimmed.
  if (family != SuitFamily::kFrench) shape = SuitShape::kClassic;
  switch (shape) {
    case SuitShape::kWide:
      return FitInto(symbol, box.adjusted(-box.width() * 0.08, 0, box.width() * 0.08, 0), 1.18);
    case SuitShape::kSlim:
      return FitInto(symbol, box, 0.8);
    case SuitShape::kRound:
      return FitInto(symbol,
                     box.adjusted(box.width() * 0.05, box.height() * 0.05, -box.width() * 0.05,
                                  -box.height() * 0.05),
                     1.0);
    default:
      return FitInto(symbol, box, 1.0);
  }
}

QImage PaintStyledFace(const DeckStyle& style, TCardCode card, bool large) {
  const QSize size = FaceSize(style.narrow, large);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QSizeF sz(size);
  PaintBlank(p, style, sz, large);
  PaintFrame(p, style, sz, large);
  if (card.rank >= 6 && card.rank <= 8) {
    PaintCourt(p, style, sz, card, large);
  } else if (card.rank == kAce) {
    PaintAce(p, style, sz, card, large);
  } else {
    PaintPips(p, style, sz, card);
  }
  PaintIndex(p, style, sz, card);
  return image;
}

}  // namespace zendral::packs
