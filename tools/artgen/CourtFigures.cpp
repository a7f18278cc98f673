#include "CourtFigures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>

#include "SuitShapes.h"

namespace zendral::art {

namespace {

// The colours of a court card. Each suit dresses its court in its own pair of colours, so the
// twelve pictures differ at a glance; all of them share the gold and the skin.
struct Palette {
  QColor robe, panel, hair;
};

Palette PaletteFor(int rank, int suit) {
  const QColor red(196, 30, 45), blue(34, 78, 160), green(30, 110, 70), black(38, 38, 52);
  const QColor brown(110, 66, 30), dark(50, 36, 28);
  const QColor grey(222, 214, 196);
  const QColor auburn(160, 82, 36);
  QColor hair = rank == kKingRank ? grey : rank == kQueenRank ? auburn : brown;
  if (rank == kJackRank && (suit == kClubsRow || suit == kSpadesRow)) hair = dark;
  switch (suit) {
    case kHeartsRow:
      return {red, blue, hair};
    case kDiamondsRow:
      return {blue, red, hair};
    case kClubsRow:
      return {green, red, hair};
    default:
      return {black, red, hair};
  }
}

const QColor kGold(226, 180, 50);
const QColor kGoldDark(150, 105, 20);
const QColor kSkin(247, 214, 184);
const QColor kInk(25, 20, 20);

// Unit coordinates inside the upper half of the frame: u across, v down from the frame's
// top edge (0) to the middle line (1).
class Half {
 public:
  Half(const QRectF& r, bool small) : r_(r), small_(small) {}
  QPointF P(double u, double v) const {
    return {r_.left() + u * r_.width(), r_.top() + v * r_.height()};
  }
  double W(double u) const { return u * r_.width(); }
  double H(double v) const { return v * r_.height(); }
  QRectF R(double u0, double v0, double u1, double v1) const {
    return QRectF(P(u0, v0), P(u1, v1));
  }
  QPen Line(double widthLarge = 1.1) const {
    return QPen(kInk, small_ ? widthLarge * 0.45 : widthLarge, Qt::SolidLine, Qt::RoundCap,
                Qt::RoundJoin);
  }
  bool small() const { return small_; }

 private:
  QRectF r_;
  bool small_;
};

void Shape(QPainter& p, const Half& h, const QPainterPath& path, const QBrush& fill,
           double line = 1.1) {
  p.setPen(h.Line(line));
  p.setBrush(fill);
  p.drawPath(path);
}

QBrush GoldBrush(const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, QColor(250, 218, 110));
  g.setColorAt(1, kGold.darker(115));
  return g;
}

// --- what each figure holds, drawn behind the body -------------------------------------

void PaintSword(QPainter& p, const Half& h) {
  QPainterPath blade;
  blade.moveTo(h.P(0.845, 0.02));
  blade.lineTo(h.P(0.875, 0.09));
  blade.lineTo(h.P(0.875, 0.66));
  blade.lineTo(h.P(0.815, 0.66));
  blade.lineTo(h.P(0.815, 0.09));
  blade.closeSubpath();
  QLinearGradient steel(h.P(0.815, 0), h.P(0.875, 0));
  steel.setColorAt(0, QColor(235, 238, 242));
  steel.setColorAt(0.5, QColor(190, 196, 205));
  steel.setColorAt(1, QColor(150, 156, 168));
  Shape(p, h, blade, steel, 0.9);
  const QRectF guard = h.R(0.74, 0.66, 0.95, 0.715);
  Shape(
      p, h,
      [&] {
        QPainterPath g;
        g.addRoundedRect(guard, h.W(0.02), h.W(0.02));
        return g;
      }(),
      GoldBrush(guard), 0.9);
  QPainterPath grip;
  grip.addRect(h.R(0.825, 0.715, 0.865, 0.86));
  Shape(p, h, grip, QColor(120, 70, 35), 0.8);
}

void PaintFlower(QPainter& p, const Half& h) {
  QPainterPath stem;
  stem.moveTo(h.P(0.22, 0.84));
  stem.cubicTo(h.P(0.20, 0.66), h.P(0.14, 0.50), h.P(0.17, 0.36));
  p.setPen(QPen(QColor(40, 120, 50), h.small() ? 0.9 : 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stem);
  QPainterPath leaf;
  leaf.moveTo(h.P(0.18, 0.56));
  leaf.quadTo(h.P(0.05, 0.50), h.P(0.07, 0.58));
  leaf.quadTo(h.P(0.12, 0.62), h.P(0.18, 0.56));
  Shape(p, h, leaf, QColor(60, 150, 70), 0.7);
  for (const auto& [du, dv] : {std::pair{-0.045, 0.0}, {0.045, 0.0}, {0.0, -0.04}, {0.0, 0.03}}) {
    QPainterPath petal;
    petal.addEllipse(h.P(0.17 + du, 0.33 + dv), h.W(0.05), h.H(0.05));
    Shape(p, h, petal, QColor(214, 40, 60), 0.6);
  }
  QPainterPath heart;
  heart.addEllipse(h.P(0.17, 0.33), h.W(0.028), h.H(0.028));
  Shape(p, h, heart, QColor(250, 210, 70), 0.5);
}

void PaintHalberd(QPainter& p, const Half& h) {
  QPainterPath staff;
  staff.addRect(h.R(0.845, 0.10, 0.875, 0.80));
  Shape(p, h, staff, QColor(140, 90, 45), 0.8);
  QPainterPath head;
  head.moveTo(h.P(0.86, -0.02));
  head.lineTo(h.P(0.885, 0.10));
  head.lineTo(h.P(0.835, 0.10));
  head.closeSubpath();
  QPainterPath axe;
  axe.moveTo(h.P(0.875, 0.12));
  axe.cubicTo(h.P(0.97, 0.10), h.P(1.0, 0.20), h.P(0.98, 0.27));
  axe.cubicTo(h.P(0.94, 0.24), h.P(0.90, 0.24), h.P(0.875, 0.25));
  axe.closeSubpath();
  QLinearGradient steel(h.P(0.84, 0), h.P(0.99, 0));
  steel.setColorAt(0, QColor(230, 233, 238));
  steel.setColorAt(1, QColor(150, 156, 168));
  Shape(p, h, head, steel, 0.8);
  Shape(p, h, axe, steel, 0.8);
}

// --- the body ---------------------------------------------------------------------------

void PaintHand(QPainter& p, const Half& h, QPointF at) {
  QPainterPath cuff;
  cuff.addRoundedRect(QRectF(at.x() - h.W(0.06), at.y() + h.H(0.035), h.W(0.12), h.H(0.05)),
                      h.W(0.015), h.W(0.015));
  Shape(p, h, cuff, kGold, 0.7);
  QPainterPath hand;
  hand.addEllipse(at, h.W(0.05), h.H(0.045));
  Shape(p, h, hand, kSkin, 0.8);
}

void PaintRobe(QPainter& p, const Half& h, const Palette& c, int rank) {
  QPainterPath robe;
  robe.moveTo(h.P(0.05, 1.02));
  robe.lineTo(h.P(0.07, 0.86));
  robe.cubicTo(h.P(0.09, 0.74), h.P(0.22, 0.68), h.P(0.34, 0.67));
  robe.lineTo(h.P(0.66, 0.67));
  robe.cubicTo(h.P(0.78, 0.68), h.P(0.91, 0.74), h.P(0.93, 0.86));
  robe.lineTo(h.P(0.95, 1.02));
  robe.closeSubpath();
  QLinearGradient shade(h.P(0, 0.67), h.P(0, 1));
  shade.setColorAt(0, c.robe.lighter(112));
  shade.setColorAt(1, c.robe.darker(108));
  Shape(p, h, robe, shade);

  p.save();
  p.setClipPath(robe);
  // The gold band down the middle of the robe.
  const QRectF band = h.R(0.43, 0.67, 0.57, 1.02);
  QPainterPath bandPath;
  bandPath.addRect(band);
  Shape(p, h, bandPath, GoldBrush(band), 0.8);
  if (!h.small()) {
    for (double v = 0.75; v < 1.0; v += 0.085) {
      p.fillPath(SuitPathIn(kDiamondsRow, h.R(0.475, v - 0.028, 0.525, v + 0.028)),
                 c.panel.darker(105));
    }
  }
  // A cloak of the second colour over both shoulders, trimmed in gold.
  for (int side = 0; side < 2; ++side) {
    auto X = [side](double u) { return side == 0 ? u : 1 - u; };
    QPainterPath cloak;
    cloak.moveTo(h.P(X(0.03), 1.02));
    cloak.lineTo(h.P(X(0.07), 0.86));
    cloak.cubicTo(h.P(X(0.09), 0.74), h.P(X(0.22), 0.68), h.P(X(0.35), 0.67));
    cloak.cubicTo(h.P(X(0.31), 0.78), h.P(X(0.29), 0.90), h.P(X(0.30), 1.02));
    cloak.closeSubpath();
    Shape(p, h, cloak, c.panel, 0.9);
    QPainterPath trim;
    trim.moveTo(h.P(X(0.35), 0.67));
    trim.cubicTo(h.P(X(0.31), 0.78), h.P(X(0.29), 0.90), h.P(X(0.30), 1.02));
    p.setPen(QPen(kGold, h.small() ? 1.0 : 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trim);
    if (rank == kKingRank && !h.small()) {
      // Ermine spots on the king's cloak.
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(250, 248, 240));
      for (const auto& [u, v] : {std::pair{0.14, 0.82}, {0.22, 0.90}, {0.12, 0.96}, {0.23, 0.76}}) {
        p.drawEllipse(h.P(X(u), v), h.W(0.012), h.H(0.016));
      }
    }
  }
  p.restore();

  // Collar: ermine for the king, a white ruff for the queen, a plain gold one for the jack.
  QPainterPath collar;
  collar.moveTo(h.P(0.31, 0.675));
  collar.cubicTo(h.P(0.40, 0.77), h.P(0.60, 0.77), h.P(0.69, 0.675));
  collar.lineTo(h.P(0.63, 0.65));
  collar.cubicTo(h.P(0.56, 0.70), h.P(0.44, 0.70), h.P(0.37, 0.65));
  collar.closeSubpath();
  const QColor collarColour = rank == kJackRank ? kGold : QColor(252, 250, 244);
  Shape(p, h, collar, collarColour, 0.9);
  if (rank == kKingRank && !h.small()) {
    for (double u : {0.39, 0.465, 0.535, 0.61}) {
      QPainterPath tail;
      tail.addEllipse(h.P(u, 0.705), h.W(0.008), h.H(0.018));
      p.fillPath(tail, kInk);
    }
  }
}

void PaintHead(QPainter& p, const Half& h, const Palette& c, int rank) {
  // Hair behind the face.
  QPainterPath hair;
  if (rank == kQueenRank) {
    hair.moveTo(h.P(0.5, 0.20));
    hair.cubicTo(h.P(0.30, 0.20), h.P(0.26, 0.34), h.P(0.27, 0.48));
    hair.cubicTo(h.P(0.28, 0.60), h.P(0.24, 0.68), h.P(0.30, 0.74));
    hair.lineTo(h.P(0.70, 0.74));
    hair.cubicTo(h.P(0.76, 0.68), h.P(0.72, 0.60), h.P(0.73, 0.48));
    hair.cubicTo(h.P(0.74, 0.34), h.P(0.70, 0.20), h.P(0.5, 0.20));
    hair.closeSubpath();
  } else {
    const double bottom = rank == kKingRank ? 0.60 : 0.54;
    hair.moveTo(h.P(0.5, 0.21));
    hair.cubicTo(h.P(0.33, 0.21), h.P(0.30, 0.34), h.P(0.31, 0.44));
    hair.cubicTo(h.P(0.31, 0.52), h.P(0.32, bottom - 0.02), h.P(0.34, bottom));
    hair.lineTo(h.P(0.66, bottom));
    hair.cubicTo(h.P(0.68, bottom - 0.02), h.P(0.69, 0.52), h.P(0.69, 0.44));
    hair.cubicTo(h.P(0.70, 0.34), h.P(0.67, 0.21), h.P(0.5, 0.21));
    hair.closeSubpath();
  }
  Shape(p, h, hair, c.hair, 0.9);

  QPainterPath neck;
  neck.addRect(h.R(0.445, 0.54, 0.555, 0.69));
  Shape(p, h, neck, kSkin.darker(104), 0.9);

  QPainterPath face;
  face.addEllipse(h.P(0.5, 0.40), h.W(0.15), h.H(0.18));
  Shape(p, h, face, kSkin, 1.0);

  // Eyes, brows, nose and mouth.
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  for (double u : {0.448, 0.552}) {
    p.drawEllipse(h.P(u, 0.385), h.W(h.small() ? 0.018 : 0.014), h.H(h.small() ? 0.014 : 0.012));
  }
  if (!h.small()) {
    p.setPen(h.Line(0.8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(h.P(0.415, 0.345), h.P(0.475, 0.34));
    p.drawLine(h.P(0.525, 0.34), h.P(0.585, 0.345));
    QPainterPath nose;
    nose.moveTo(h.P(0.50, 0.375));
    nose.lineTo(h.P(0.488, 0.45));
    nose.lineTo(h.P(0.515, 0.455));
    p.drawPath(nose);
  }
  QPainterPath mouth;
  mouth.moveTo(h.P(0.462, 0.50));
  mouth.quadTo(h.P(0.5, 0.525), h.P(0.538, 0.50));
  p.setPen(QPen(QColor(180, 40, 50), h.small() ? 0.6 : 1.3, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(mouth);
  if (!h.small() || rank != kKingRank) {
    QColor blush(235, 120, 120, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(blush);
    p.drawEllipse(h.P(0.425, 0.455), h.W(0.028), h.H(0.022));
    p.drawEllipse(h.P(0.575, 0.455), h.W(0.028), h.H(0.022));
  }

  if (rank == kKingRank) {
    // Beard and moustache.
    QPainterPath beard;
    beard.moveTo(h.P(0.355, 0.44));
    beard.cubicTo(h.P(0.36, 0.60), h.P(0.44, 0.68), h.P(0.5, 0.70));
    beard.cubicTo(h.P(0.56, 0.68), h.P(0.64, 0.60), h.P(0.645, 0.44));
    beard.cubicTo(h.P(0.61, 0.53), h.P(0.57, 0.545), h.P(0.5, 0.545));
    beard.cubicTo(h.P(0.43, 0.545), h.P(0.39, 0.53), h.P(0.355, 0.44));
    beard.closeSubpath();
    Shape(p, h, beard, c.hair, 0.9);
    QPainterPath moustache;
    moustache.moveTo(h.P(0.5, 0.475));
    moustache.cubicTo(h.P(0.46, 0.46), h.P(0.41, 0.47), h.P(0.39, 0.505));
    moustache.cubicTo(h.P(0.44, 0.495), h.P(0.47, 0.50), h.P(0.5, 0.492));
    moustache.cubicTo(h.P(0.53, 0.50), h.P(0.56, 0.495), h.P(0.61, 0.505));
    moustache.cubicTo(h.P(0.59, 0.47), h.P(0.54, 0.46), h.P(0.5, 0.475));
    moustache.closeSubpath();
    Shape(p, h, moustache, c.hair.darker(108), 0.6);
  }
}

void PaintHeadwear(QPainter& p, const Half& h, const Palette& c, int rank) {
  if (rank == kKingRank) {
    QPainterPath crown;
    crown.moveTo(h.P(0.33, 0.25));
    crown.lineTo(h.P(0.33, 0.05));
    crown.lineTo(h.P(0.415, 0.15));
    crown.lineTo(h.P(0.5, 0.02));
    crown.lineTo(h.P(0.585, 0.15));
    crown.lineTo(h.P(0.67, 0.05));
    crown.lineTo(h.P(0.67, 0.25));
    crown.closeSubpath();
    Shape(p, h, crown, GoldBrush(h.R(0.33, 0.02, 0.67, 0.25)));
    QPainterPath band;
    band.addRect(h.R(0.33, 0.185, 0.67, 0.25));
    Shape(p, h, band, kGold.darker(105), 0.8);
    p.setPen(h.Line(0.6));
    for (const auto& [u, colour] :
         {std::pair{0.40, c.panel}, {0.5, QColor(200, 30, 40)}, {0.60, c.panel}}) {
      p.setBrush(colour);
      p.drawEllipse(h.P(u, 0.217), h.W(0.022), h.H(0.022));
    }
    p.setBrush(QColor(250, 250, 245));
    for (const auto& [u, v] : {std::pair{0.33, 0.05}, {0.5, 0.02}, {0.67, 0.05}}) {
      p.drawEllipse(h.P(u, v), h.W(0.022), h.H(0.022));
    }
  } else if (rank == kQueenRank) {
    QPainterPath crown;
    crown.moveTo(h.P(0.37, 0.24));
    crown.lineTo(h.P(0.37, 0.13));
    crown.quadTo(h.P(0.41, 0.15), h.P(0.435, 0.10));
    crown.quadTo(h.P(0.47, 0.14), h.P(0.5, 0.06));
    crown.quadTo(h.P(0.53, 0.14), h.P(0.565, 0.10));
    crown.quadTo(h.P(0.59, 0.15), h.P(0.63, 0.13));
    crown.lineTo(h.P(0.63, 0.24));
    crown.closeSubpath();
    Shape(p, h, crown, GoldBrush(h.R(0.37, 0.06, 0.63, 0.24)));
    p.setPen(h.Line(0.5));
    p.setBrush(QColor(250, 250, 245));
    for (const auto& [u, v] : {std::pair{0.435, 0.10}, {0.5, 0.06}, {0.565, 0.10}}) {
      p.drawEllipse(h.P(u, v), h.W(0.02), h.H(0.02));
    }
    p.setBrush(c.panel);
    p.drawEllipse(h.P(0.5, 0.19), h.W(0.025), h.H(0.03));
  } else {
    // A flat cap with a band and a long feather.
    QPainterPath feather;
    feather.moveTo(h.P(0.60, 0.17));
    feather.cubicTo(h.P(0.70, 0.02), h.P(0.80, -0.02), h.P(0.80, 0.02));
    feather.cubicTo(h.P(0.76, 0.08), h.P(0.70, 0.14), h.P(0.62, 0.20));
    feather.closeSubpath();
    Shape(p, h, feather, QColor(250, 246, 230), 0.7);
    QPainterPath cap;
    cap.addEllipse(h.P(0.47, 0.165), h.W(0.20), h.H(0.085));
    Shape(p, h, cap, c.robe);
    QPainterPath band;
    band.addRoundedRect(h.R(0.32, 0.19, 0.66, 0.245), h.W(0.02), h.W(0.02));
    Shape(p, h, band, c.panel, 0.9);
  }
}

void PaintHalf(QPainter& p, const Half& h, int rank, int suit) {
  const Palette c = PaletteFor(rank, suit);
  if (rank == kKingRank) PaintSword(p, h);
  if (rank == kJackRank) PaintHalberd(p, h);
  PaintRobe(p, h, c, rank);
  PaintHead(p, h, c, rank);
  PaintHeadwear(p, h, c, rank);
  if (rank == kQueenRank) {
    PaintFlower(p, h);
    PaintHand(p, h, h.P(0.22, 0.84));
  } else {
    PaintHand(p, h, h.P(0.845, 0.80));
  }
  // The suit in the frame's free upper corner.
  const QRectF corner = h.R(0.05, 0.04, 0.21, 0.20);
  p.fillPath(SuitPathIn(suit, corner), SuitColour(suit));
}

}  // namespace

void PaintCourtPicture(QPainter& p, const QRectF& frame, int rank, int suit, bool small) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // A pale ground inside a frame of the suit's ink.
  p.fillRect(frame, QColor(253, 249, 238));
  const QRectF top(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  for (int half = 0; half < 2; ++half) {
    p.save();
    if (half == 1) {
      p.translate(frame.center());
      p.rotate(180);
      p.translate(-frame.center());
    }
    p.setClipRect(top);
    PaintHalf(p, Half(top, small), rank, suit);
    p.restore();
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(SuitColour(suit), small ? 0.6 : 1.0));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  p.setPen(QPen(QColor(60, 60, 70), small ? 0.8 : 1.2));
  p.drawRect(frame);
  p.restore();
}

namespace {

// The suit's shape scaled into a box, centred.
QPainterPath FittedSymbol(const QPainterPath& symbol, const QRectF& box) {
  const QRectF b = symbol.boundingRect();
  if (b.isEmpty()) return {};
  const double scale = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(symbol);
}

}  // namespace

void PaintHorsemanHalf(QPainter& p, const QRectF& half, bool small, const HorsemanDress& dress,
                       const QPainterPath& symbol, const QColor& ink) {
  const Half h(half, small);
  // Drawn facing right; a rider facing left is the mirror image.
  const auto X = [&dress](double u) { return dress.facingLeft ? 1 - u : u; };
  const auto P = [&](double u, double v) { return h.P(X(u), v); };
  const QColor mane = dress.horse.darker(dress.horse.lightness() > 120 ? 160 : 130);

  // The tail, behind the body.
  QPainterPath tail;
  tail.moveTo(P(0.10, 0.78));
  tail.cubicTo(P(0.02, 0.80), P(0.0, 0.92), P(0.02, 1.02));
  tail.lineTo(P(0.08, 1.02));
  tail.cubicTo(P(0.07, 0.92), P(0.09, 0.86), P(0.14, 0.82));
  tail.closeSubpath();
  Shape(p, h, tail, mane, 0.8);

  // The body, from the rump to the chest, down to the middle line.
  QPainterPath body;
  body.moveTo(P(0.10, 1.02));
  body.lineTo(P(0.09, 0.86));
  body.cubicTo(P(0.09, 0.74), P(0.20, 0.70), P(0.34, 0.72));
  body.cubicTo(P(0.46, 0.74), P(0.56, 0.70), P(0.64, 0.68));
  body.cubicTo(P(0.76, 0.70), P(0.84, 0.80), P(0.82, 1.02));
  body.closeSubpath();
  Shape(p, h, body, dress.horse);

  // The neck and the head, raised in front of the rider.
  QPainterPath neck;
  neck.moveTo(P(0.60, 0.74));
  neck.cubicTo(P(0.64, 0.56), P(0.70, 0.42), P(0.76, 0.32));
  neck.lineTo(P(0.80, 0.25));  // the poll, between the ears
  neck.cubicTo(P(0.86, 0.27), P(0.92, 0.36), P(0.98, 0.46));
  neck.cubicTo(P(1.0, 0.50), P(0.98, 0.55), P(0.94, 0.55));  // the muzzle
  neck.cubicTo(P(0.90, 0.55), P(0.86, 0.52), P(0.83, 0.50));
  neck.cubicTo(P(0.82, 0.60), P(0.84, 0.72), P(0.82, 0.86));
  neck.closeSubpath();
  Shape(p, h, neck, dress.horse);
  QPainterPath ear;
  ear.moveTo(P(0.78, 0.28));
  ear.lineTo(P(0.80, 0.17));
  ear.lineTo(P(0.83, 0.27));
  ear.closeSubpath();
  Shape(p, h, ear, dress.horse, 0.7);
  QPainterPath maneLine;
  maneLine.moveTo(P(0.80, 0.25));
  maneLine.cubicTo(P(0.72, 0.34), P(0.66, 0.46), P(0.62, 0.62));
  maneLine.lineTo(P(0.58, 0.66));
  maneLine.cubicTo(P(0.60, 0.50), P(0.68, 0.34), P(0.77, 0.24));
  maneLine.closeSubpath();
  Shape(p, h, maneLine, mane, 0.6);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(P(0.875, 0.36), h.W(small ? 0.018 : 0.013), h.H(small ? 0.018 : 0.013));
  p.drawEllipse(P(0.965, 0.50), h.W(0.008), h.H(0.008));  // the nostril

  // Bridle and reins in the harness's metal.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(dress.trim.darker(130), small ? 0.6 : 1.3));
  QPainterPath bridle;
  bridle.moveTo(P(0.80, 0.27));
  bridle.lineTo(P(0.86, 0.50));
  bridle.moveTo(P(0.84, 0.40));
  bridle.lineTo(P(0.96, 0.47));
  bridle.moveTo(P(0.86, 0.50));
  bridle.quadTo(P(0.70, 0.62), P(0.55, 0.62));
  p.drawPath(bridle);

  // The saddle cloth, trimmed, under the rider.
  QPainterPath cloth;
  cloth.moveTo(P(0.28, 0.72));
  cloth.lineTo(P(0.58, 0.70));
  cloth.lineTo(P(0.60, 0.98));
  cloth.lineTo(P(0.30, 1.0));
  cloth.closeSubpath();
  Shape(p, h, cloth, dress.panel, 0.8);
  p.setPen(QPen(dress.trim, small ? 0.8 : 2.0));
  p.setBrush(Qt::NoBrush);
  p.drawLine(P(0.30, 0.98), P(0.60, 0.96));

  // The rider: his leg down the horse's side, his body, his arm raising the suit.
  QPainterPath leg;
  leg.moveTo(P(0.40, 0.74));
  leg.lineTo(P(0.50, 0.74));
  leg.lineTo(P(0.50, 0.96));
  leg.lineTo(P(0.55, 0.96));
  leg.lineTo(P(0.55, 1.02));
  leg.lineTo(P(0.43, 1.02));
  leg.closeSubpath();
  Shape(p, h, leg, dress.robe.darker(125), 0.8);
  QPainterPath torso;
  torso.moveTo(P(0.33, 0.78));
  torso.cubicTo(P(0.32, 0.62), P(0.34, 0.46), P(0.40, 0.42));
  torso.lineTo(P(0.52, 0.42));
  torso.cubicTo(P(0.57, 0.48), P(0.58, 0.64), P(0.56, 0.78));
  torso.closeSubpath();
  Shape(p, h, torso, dress.robe);
  QPainterPath belt;
  belt.addRect(QRectF(P(0.335, 0.70), P(0.56, 0.745)).normalized());
  Shape(p, h, belt, dress.trim, 0.6);
  QPainterPath arm;
  arm.moveTo(P(0.50, 0.46));
  arm.lineTo(P(0.62, 0.40));
  arm.lineTo(P(0.645, 0.45));
  arm.lineTo(P(0.53, 0.53));
  arm.closeSubpath();
  Shape(p, h, arm, dress.robe.darker(110), 0.8);
  QPainterPath hand;
  hand.addEllipse(P(0.645, 0.41), h.W(0.035), h.H(0.04));
  Shape(p, h, hand, kSkin, 0.7);
  const QPainterPath raised =
      FittedSymbol(symbol, QRectF(P(0.56, 0.10), P(0.72, 0.36)).normalized());
  p.setPen(h.Line(0.5));
  p.setBrush(ink);
  p.drawPath(raised);

  // His head with a brimmed hat and a feather.
  QPainterPath neckOfRider;
  neckOfRider.addRect(QRectF(P(0.425, 0.34), P(0.475, 0.43)).normalized());
  Shape(p, h, neckOfRider, kSkin.darker(104), 0.7);
  QPainterPath hair;
  hair.addEllipse(P(0.44, 0.27), h.W(0.08), h.H(0.10));
  Shape(p, h, hair, dress.hair, 0.7);
  QPainterPath face;
  face.addEllipse(P(0.455, 0.28), h.W(0.065), h.H(0.085));
  Shape(p, h, face, kSkin, 0.8);
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawEllipse(P(0.48, 0.26), h.W(small ? 0.014 : 0.01), h.H(small ? 0.014 : 0.01));
  QPainterPath feather;
  feather.moveTo(P(0.40, 0.17));
  feather.cubicTo(P(0.30, 0.06), P(0.24, 0.05), P(0.22, 0.09));
  feather.cubicTo(P(0.28, 0.12), P(0.33, 0.16), P(0.38, 0.20));
  feather.closeSubpath();
  Shape(p, h, feather, QColor(250, 246, 230), 0.6);
  QPainterPath hat;
  hat.addEllipse(P(0.45, 0.19), h.W(0.13), h.H(0.035));
  QPainterPath crown;
  crown.moveTo(P(0.39, 0.19));
  crown.cubicTo(P(0.39, 0.08), P(0.51, 0.08), P(0.51, 0.19));
  crown.closeSubpath();
  Shape(p, h, hat.united(crown), dress.panel, 0.8);
  p.setPen(QPen(dress.trim, small ? 0.7 : 1.6));
  p.drawLine(P(0.39, 0.175), P(0.51, 0.175));
}

}  // namespace zendral::art
