#include "CourtDress.h"

#include "CourtFigures.h"

#include <QLinearGradient>
#include <QTransform>
#include <cmath>
#include <utility>

namespace zendral::packs {

namespace {

constexpr int kJack = 6, kQueen = 7, kKing = 8;

const QColor kSkin(247, 214, 184);
const QColor kInk(25, 20, 20);
const QColor kWhite(252, 250, 244);

// Unit coordinates inside the upper half of the frame: u across, v down from the frame's top
// edge (0) to the middle line (1). The head and what sits on it move sideways with the turn.
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

QBrush Metal(const QColor& trim, const QRectF& r) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, trim.lighter(130));
  g.setColorAt(1, trim.darker(115));
  return g;
}

QPainterPath Fitted(const QPainterPath& symbol, const QRectF& box) {
  const QRectF b = symbol.boundingRect();
  const double scale = std::min(box.width() / b.width(), box.height() / b.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-b.center().x(), -b.center().y());
  return t.map(symbol);
}

// ---- what the figure holds, drawn behind the body

void PaintSword(QPainter& p, const Half& h, const CourtLook& look) {
  QPainterPath blade;
  blade.moveTo(h.P(0.845, 0.02));
  blade.lineTo(h.P(0.875, 0.09));
  blade.lineTo(h.P(0.875, 0.66));
  blade.lineTo(h.P(0.815, 0.66));
  blade.lineTo(h.P(0.815, 0.09));
  blade.closeSubpath();
  Shape(p, h, blade, QColor(205, 210, 218), 0.9);
  QPainterPath guard;
  guard.addRoundedRect(h.R(0.74, 0.66, 0.95, 0.715), h.W(0.02), h.W(0.02));
  Shape(p, h, guard, Metal(look.trim, h.R(0.74, 0.66, 0.95, 0.715)), 0.9);
}

void PaintHalberd(QPainter& p, const Half& h) {
  QPainterPath staff;
  staff.addRect(h.R(0.845, 0.10, 0.875, 0.80));
  Shape(p, h, staff, QColor(140, 90, 45), 0.8);
  QPainterPath axe;
  axe.moveTo(h.P(0.86, -0.02));
  axe.lineTo(h.P(0.885, 0.12));
  axe.cubicTo(h.P(0.97, 0.10), h.P(1.0, 0.20), h.P(0.98, 0.27));
  axe.cubicTo(h.P(0.94, 0.24), h.P(0.90, 0.24), h.P(0.835, 0.25));
  axe.lineTo(h.P(0.835, 0.10));
  axe.closeSubpath();
  Shape(p, h, axe, QColor(200, 205, 214), 0.8);
}

void PaintFlower(QPainter& p, const Half& h, const QColor& bloom) {
  p.setPen(QPen(QColor(40, 120, 50), h.small() ? 0.9 : 1.8));
  p.setBrush(Qt::NoBrush);
  QPainterPath stem;
  stem.moveTo(h.P(0.22, 0.84));
  stem.cubicTo(h.P(0.20, 0.66), h.P(0.14, 0.50), h.P(0.17, 0.36));
  p.drawPath(stem);
  for (const auto& [du, dv] : {std::pair{-0.045, 0.0}, {0.045, 0.0}, {0.0, -0.04}, {0.0, 0.03}}) {
    QPainterPath petal;
    petal.addEllipse(h.P(0.17 + du, 0.33 + dv), h.W(0.05), h.H(0.05));
    Shape(p, h, petal, bloom, 0.6);
  }
}

// A sceptre for the king, a fan for the queen, a spear for the jack.
void PaintSceptre(QPainter& p, const Half& h, const CourtLook& look, int rank, double u) {
  if (rank == kQueen) {
    QPainterPath fan;
    fan.moveTo(h.P(u, 0.84));
    fan.lineTo(h.P(u - 0.13, 0.50));
    fan.quadTo(h.P(u, 0.42), h.P(u + 0.13, 0.50));
    fan.closeSubpath();
    Shape(p, h, fan, look.panel[0].lighter(140), 0.8);
    p.setPen(h.Line(0.5));
    for (double du : {-0.07, 0.0, 0.07}) p.drawLine(h.P(u, 0.84), h.P(u + du, 0.48));
    return;
  }
  QPainterPath staff;
  staff.addRect(h.R(u - 0.015, 0.12, u + 0.015, 0.82));
  Shape(p, h, staff, rank == kKing ? Metal(look.trim, h.R(u, 0, u + 0.1, 1)) : QColor(130, 84, 40),
        0.7);
  QPainterPath top;
  if (rank == kKing) {
    top.addEllipse(h.P(u, 0.10), h.W(0.05), h.H(0.05));
    top.addRect(h.R(u - 0.012, 0.0, u + 0.012, 0.06));
    top.addRect(h.R(u - 0.035, 0.018, u + 0.035, 0.04));
    Shape(p, h, top.simplified(), Metal(look.trim, h.R(u - 0.05, 0, u + 0.05, 0.15)), 0.7);
  } else {
    top.moveTo(h.P(u, -0.02));
    top.lineTo(h.P(u + 0.04, 0.13));
    top.lineTo(h.P(u - 0.04, 0.13));
    top.closeSubpath();
    Shape(p, h, top, QColor(205, 210, 218), 0.7);
  }
}

void PaintOrb(QPainter& p, const Half& h, const CourtLook& look, double u) {
  QPainterPath orb;
  orb.addEllipse(h.P(u, 0.74), h.W(0.075), h.H(0.075));
  Shape(p, h, orb, Metal(look.trim, h.R(u - 0.08, 0.66, u + 0.08, 0.82)), 0.8);
  QPainterPath cross;
  cross.addRect(h.R(u - 0.01, 0.60, u + 0.01, 0.67));
  cross.addRect(h.R(u - 0.03, 0.62, u + 0.03, 0.64));
  Shape(p, h, cross.simplified(), look.trim, 0.5);
}

// ---- the body

void PaintHand(QPainter& p, const Half& h, QPointF at, const CourtLook& look) {
  QPainterPath cuff;
  cuff.addRoundedRect(QRectF(at.x() - h.W(0.06), at.y() + h.H(0.035), h.W(0.12), h.H(0.05)),
                      h.W(0.015), h.W(0.015));
  Shape(p, h, cuff, look.trim, 0.7);
  QPainterPath hand;
  hand.addEllipse(at, h.W(0.05), h.H(0.045));
  Shape(p, h, hand, kSkin, 0.8);
}

void PaintPattern(QPainter& p, const Half& h, const CourtLook& look, const QColor& on) {
  const QColor mark = on.lightness() > 110 ? on.darker(140) : on.lighter(160);
  p.setPen(Qt::NoPen);
  p.setBrush(mark);
  switch (look.pattern) {
    case Pattern::kPlain:
      break;
    case Pattern::kStripes:
      for (double u = 0.08; u < 0.95; u += 0.09) p.drawRect(h.R(u, 0.66, u + 0.03, 1.02));
      break;
    case Pattern::kDots:
      for (double v = 0.74; v < 1.0; v += 0.08) {
        for (double u = 0.1 + (std::fmod(v * 50, 2.0) < 1 ? 0 : 0.04); u < 0.95; u += 0.08) {
          p.drawEllipse(h.P(u, v), h.W(0.014), h.H(0.014));
        }
      }
      break;
    case Pattern::kChecks:
      for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 12; ++col) {
          if ((row + col) % 2) continue;
          const double u = 0.04 + col * 0.08, v = 0.68 + row * 0.07;
          p.drawRect(h.R(u, v, u + 0.08, v + 0.07));
        }
      }
      break;
    case Pattern::kChevrons: {
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(mark, h.small() ? 0.7 : 1.6));
      for (double v = 0.76; v < 1.05; v += 0.09) {
        QPainterPath zig;
        zig.moveTo(h.P(0.04, v));
        for (double u = 0.04; u < 0.96; u += 0.08) {
          zig.lineTo(h.P(u + 0.04, v - 0.04));
          zig.lineTo(h.P(u + 0.08, v));
        }
        p.drawPath(zig);
      }
      break;
    }
  }
}

void PaintRobe(QPainter& p, const Half& h, const CourtLook& look, int rank, int suit) {
  const QColor robeColour = look.robe[static_cast<std::size_t>(suit - 1)];
  const QColor panelColour = look.panel[static_cast<std::size_t>(suit - 1)];
  QPainterPath robe;
  robe.moveTo(h.P(0.05, 1.02));
  robe.lineTo(h.P(0.07, 0.86));
  robe.cubicTo(h.P(0.09, 0.74), h.P(0.22, 0.68), h.P(0.34, 0.67));
  robe.lineTo(h.P(0.66, 0.67));
  robe.cubicTo(h.P(0.78, 0.68), h.P(0.91, 0.74), h.P(0.93, 0.86));
  robe.lineTo(h.P(0.95, 1.02));
  robe.closeSubpath();
  Shape(p, h, robe, robeColour);

  p.save();
  p.setClipPath(robe);
  PaintPattern(p, h, look, robeColour);
  QPainterPath band;
  band.addRect(h.R(0.43, 0.67, 0.57, 1.02));
  Shape(p, h, band, Metal(look.trim, h.R(0.43, 0.67, 0.57, 1.02)), 0.8);
  for (int side = 0; side < 2; ++side) {
    auto X = [side](double u) { return side == 0 ? u : 1 - u; };
    QPainterPath cloak;
    cloak.moveTo(h.P(X(0.03), 1.02));
    cloak.lineTo(h.P(X(0.07), 0.86));
    cloak.cubicTo(h.P(X(0.09), 0.74), h.P(X(0.22), 0.68), h.P(X(0.35), 0.67));
    cloak.cubicTo(h.P(X(0.31), 0.78), h.P(X(0.29), 0.90), h.P(X(0.30), 1.02));
    cloak.closeSubpath();
    Shape(p, h, cloak, panelColour, 0.9);
    if (rank == kKing) {
      p.setPen(Qt::NoPen);
      p.setBrush(kWhite);
      for (const auto& [u, v] : {std::pair{0.14, 0.82}, {0.22, 0.90}, {0.12, 0.96}, {0.23, 0.76}}) {
        p.drawEllipse(h.P(X(u), v), h.W(0.016), h.H(0.02));
      }
    }
  }
  p.restore();

  QPainterPath collar;
  collar.moveTo(h.P(0.31, 0.675));
  collar.cubicTo(h.P(0.40, 0.77), h.P(0.60, 0.77), h.P(0.69, 0.675));
  collar.lineTo(h.P(0.63, 0.65));
  collar.cubicTo(h.P(0.56, 0.70), h.P(0.44, 0.70), h.P(0.37, 0.65));
  collar.closeSubpath();
  Shape(p, h, collar, rank == kJack ? look.trim : kWhite, 0.9);
}

void PaintHead(QPainter& p, const Half& h, const CourtLook& look, int rank) {
  const double c = 0.5 + look.turn * 0.04;  // the face's centre line
  QPainterPath hair;
  if (rank == kQueen) {
    hair.moveTo(h.P(c, 0.20));
    hair.cubicTo(h.P(c - 0.20, 0.20), h.P(c - 0.24, 0.34), h.P(c - 0.23, 0.48));
    hair.cubicTo(h.P(c - 0.22, 0.60), h.P(c - 0.26, 0.68), h.P(c - 0.20, 0.74));
    hair.lineTo(h.P(c + 0.20, 0.74));
    hair.cubicTo(h.P(c + 0.26, 0.68), h.P(c + 0.22, 0.60), h.P(c + 0.23, 0.48));
    hair.cubicTo(h.P(c + 0.24, 0.34), h.P(c + 0.20, 0.20), h.P(c, 0.20));
  } else {
    const double bottom = rank == kKing ? 0.60 : 0.54;
    hair.moveTo(h.P(c, 0.21));
    hair.cubicTo(h.P(c - 0.17, 0.21), h.P(c - 0.20, 0.34), h.P(c - 0.19, 0.44));
    hair.cubicTo(h.P(c - 0.19, 0.52), h.P(c - 0.18, bottom - 0.02), h.P(c - 0.16, bottom));
    hair.lineTo(h.P(c + 0.16, bottom));
    hair.cubicTo(h.P(c + 0.18, bottom - 0.02), h.P(c + 0.19, 0.52), h.P(c + 0.19, 0.44));
    hair.cubicTo(h.P(c + 0.20, 0.34), h.P(c + 0.17, 0.21), h.P(c, 0.21));
  }
  hair.closeSubpath();
  const QColor hairColour = rank == kKing ? look.hair.lighter(150) : look.hair;
  Shape(p, h, hair, hairColour, 0.9);

  QPainterPath neck;
  neck.addRect(h.R(c - 0.055, 0.54, c + 0.055, 0.69));
  Shape(p, h, neck, kSkin.darker(104), 0.9);
  QPainterPath face;
  face.addEllipse(h.P(c, 0.40), h.W(0.15), h.H(0.18));
  Shape(p, h, face, kSkin, 1.0);

  // The eyes look the way the head turns.
  const double look_ = look.turn * 0.02;
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  for (double du : {-0.052, 0.052}) {
    p.drawEllipse(h.P(c + du + look_, 0.385), h.W(h.small() ? 0.018 : 0.014),
                  h.H(h.small() ? 0.014 : 0.012));
  }
  if (!h.small()) {
    p.setPen(h.Line(0.8));
    p.drawLine(h.P(c - 0.085, 0.345), h.P(c - 0.025, 0.34));
    p.drawLine(h.P(c + 0.025, 0.34), h.P(c + 0.085, 0.345));
    QPainterPath nose;
    nose.moveTo(h.P(c + look_, 0.375));
    nose.lineTo(h.P(c - 0.012 + 2 * look_, 0.45));
    nose.lineTo(h.P(c + 0.015 + look_, 0.455));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);
  }
  QPainterPath mouth;
  mouth.moveTo(h.P(c - 0.038 + look_, 0.50));
  mouth.quadTo(h.P(c + look_, 0.525), h.P(c + 0.038 + look_, 0.50));
  p.setPen(QPen(QColor(180, 40, 50), h.small() ? 0.6 : 1.3, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(mouth);

  if (rank == kKing) {
    QPainterPath beard;
    const double chin = look.beardPointed ? 0.78 : 0.70;
    beard.moveTo(h.P(c - 0.145, 0.44));
    beard.cubicTo(h.P(c - 0.14, 0.60), h.P(c - 0.06, chin - 0.02), h.P(c, chin));
    beard.cubicTo(h.P(c + 0.06, chin - 0.02), h.P(c + 0.14, 0.60), h.P(c + 0.145, 0.44));
    beard.cubicTo(h.P(c + 0.11, 0.53), h.P(c + 0.07, 0.545), h.P(c, 0.545));
    beard.cubicTo(h.P(c - 0.07, 0.545), h.P(c - 0.11, 0.53), h.P(c - 0.145, 0.44));
    beard.closeSubpath();
    Shape(p, h, beard, hairColour, 0.9);
  }
}

void PaintHeadwear(QPainter& p, const Half& h, const CourtLook& look, int rank, int suit) {
  const double c = 0.5 + look.turn * 0.04;
  const QColor robeColour = look.robe[static_cast<std::size_t>(suit - 1)];
  const QColor panelColour = look.panel[static_cast<std::size_t>(suit - 1)];
  const QRectF crownBox = h.R(c - 0.18, 0.0, c + 0.18, 0.26);
  QPainterPath path;
  switch (look.headwear) {
    case Headwear::kClassic:
      if (rank == kJack) {
        path.addEllipse(h.P(c - 0.03, 0.165), h.W(0.20), h.H(0.085));
        Shape(p, h, path, robeColour);
        QPainterPath band;
        band.addRoundedRect(h.R(c - 0.18, 0.19, c + 0.16, 0.245), h.W(0.02), h.W(0.02));
        Shape(p, h, band, panelColour, 0.9);
        return;
      }
      path.moveTo(h.P(c - 0.17, 0.25));
      path.lineTo(h.P(c - 0.17, 0.05));
      path.lineTo(h.P(c - 0.085, 0.15));
      path.lineTo(h.P(c, rank == kKing ? 0.02 : 0.08));
      path.lineTo(h.P(c + 0.085, 0.15));
      path.lineTo(h.P(c + 0.17, 0.05));
      path.lineTo(h.P(c + 0.17, 0.25));
      path.closeSubpath();
      Shape(p, h, path, Metal(look.trim, crownBox));
      break;
    case Headwear::kArched: {
      // A closed crown: a band, two arches and a small orb on top.
      if (rank == kJack) {
        // A round helmet with a crest.
        path.moveTo(h.P(c - 0.19, 0.26));
        path.cubicTo(h.P(c - 0.2, 0.04), h.P(c + 0.2, 0.04), h.P(c + 0.19, 0.26));
        path.closeSubpath();
        Shape(p, h, path, QColor(196, 200, 208));
        QPainterPath crest;
        crest.moveTo(h.P(c - 0.02, 0.08));
        crest.cubicTo(h.P(c, -0.06), h.P(c + 0.22, -0.02), h.P(c + 0.24, 0.10));
        crest.cubicTo(h.P(c + 0.12, 0.04), h.P(c + 0.06, 0.06), h.P(c + 0.02, 0.10));
        crest.closeSubpath();
        Shape(p, h, crest, panelColour, 0.8);
        return;
      }
      path.moveTo(h.P(c - 0.17, 0.25));
      path.lineTo(h.P(c - 0.17, 0.16));
      path.cubicTo(h.P(c - 0.16, 0.04), h.P(c + 0.16, 0.04), h.P(c + 0.17, 0.16));
      path.lineTo(h.P(c + 0.17, 0.25));
      path.closeSubpath();
      Shape(p, h, path, panelColour.darker(110));
      QPainterPath arches;
      arches.moveTo(h.P(c - 0.17, 0.17));
      arches.cubicTo(h.P(c - 0.1, 0.05), h.P(c + 0.1, 0.05), h.P(c + 0.17, 0.17));
      arches.moveTo(h.P(c, 0.07));
      arches.lineTo(h.P(c, 0.2));
      p.setPen(QPen(look.trim, h.small() ? 1.2 : 3.0));
      p.setBrush(Qt::NoBrush);
      p.drawPath(arches);
      QPainterPath orb;
      orb.addEllipse(h.P(c, 0.045), h.W(0.035), h.H(0.035));
      orb.addRect(h.R(c - 0.17, 0.19, c + 0.17, 0.25));
      Shape(p, h, orb.simplified(), Metal(look.trim, crownBox), 0.8);
      break;
    }
    case Headwear::kTall: {
      // A tall hat: a kalpak for the king, a pointed hennin for the queen, a hood for the jack.
      if (rank == kQueen) {
        path.moveTo(h.P(c - 0.16, 0.25));
        path.lineTo(h.P(c + 0.12, -0.05));
        path.lineTo(h.P(c + 0.18, 0.25));
        path.closeSubpath();
        Shape(p, h, path, panelColour);
        QPainterPath veil;
        veil.moveTo(h.P(c + 0.12, -0.04));
        veil.cubicTo(h.P(c + 0.3, 0.1), h.P(c + 0.26, 0.4), h.P(c + 0.3, 0.6));
        veil.lineTo(h.P(c + 0.22, 0.6));
        veil.cubicTo(h.P(c + 0.2, 0.4), h.P(c + 0.22, 0.2), h.P(c + 0.12, -0.04));
        Shape(p, h, veil, QColor(240, 240, 250, 200), 0.5);
      } else if (rank == kKing) {
        path.addRoundedRect(h.R(c - 0.18, 0.0, c + 0.18, 0.25), h.W(0.06), h.W(0.06));
        Shape(p, h, path, robeColour.darker(120));
        QPainterPath fur;
        fur.addRoundedRect(h.R(c - 0.2, 0.17, c + 0.2, 0.27), h.W(0.05), h.W(0.05));
        Shape(p, h, fur, QColor(120, 90, 60), 0.8);
        QPainterPath jewel;
        jewel.addEllipse(h.P(c, 0.10), h.W(0.035), h.H(0.04));
        Shape(p, h, jewel, look.trim, 0.6);
      } else {
        path.moveTo(h.P(c - 0.22, 0.56));
        path.cubicTo(h.P(c - 0.26, 0.10), h.P(c - 0.05, 0.0), h.P(c + 0.1, 0.02));
        path.cubicTo(h.P(c + 0.26, 0.06), h.P(c + 0.26, 0.3), h.P(c + 0.22, 0.56));
        path.lineTo(h.P(c + 0.16, 0.56));
        path.cubicTo(h.P(c + 0.17, 0.3), h.P(c + 0.1, 0.2), h.P(c, 0.2));
        path.cubicTo(h.P(c - 0.1, 0.2), h.P(c - 0.17, 0.3), h.P(c - 0.16, 0.56));
        path.closeSubpath();
        Shape(p, h, path, panelColour);
      }
      break;
    }
    case Headwear::kWreath: {
      // A laurel wreath, for the old empires' courts.
      p.setPen(h.Line(0.5));
      p.setBrush(QColor(70, 140, 60));
      for (int i = 0; i < 6; ++i) {
        for (const int side : {-1, 1}) {
          const double a = 0.35 + i * 0.22;
          const QPointF at = h.P(c + side * 0.16 * std::cos(a), 0.27 - 0.16 * std::sin(a));
          p.drawEllipse(at, h.W(0.035), h.H(0.025));
        }
      }
      if (rank != kJack) {
        QPainterPath diadem;
        diadem.addRect(h.R(c - 0.15, 0.19, c + 0.15, 0.235));
        Shape(p, h, diadem, Metal(look.trim, crownBox), 0.7);
      }
      break;
    }
    case Headwear::kFur: {
      // A fur-trimmed cap with a jewel, and for the queen a tall rounded headdress.
      if (rank == kQueen) {
        path.moveTo(h.P(c - 0.2, 0.26));
        path.cubicTo(h.P(c - 0.22, 0.0), h.P(c + 0.22, 0.0), h.P(c + 0.2, 0.26));
        path.closeSubpath();
        Shape(p, h, path, panelColour);
        p.setPen(Qt::NoPen);
        p.setBrush(look.trim);
        for (const auto& [u, v] : {std::pair{-0.1, 0.16}, {0.0, 0.1}, {0.1, 0.16}}) {
          p.drawEllipse(h.P(c + u, v), h.W(0.025), h.H(0.025));
        }
        return;
      }
      path.moveTo(h.P(c - 0.17, 0.22));
      path.cubicTo(h.P(c - 0.15, 0.0), h.P(c + 0.15, 0.0), h.P(c + 0.17, 0.22));
      path.closeSubpath();
      Shape(p, h, path, robeColour);
      QPainterPath fur;
      fur.addRoundedRect(h.R(c - 0.2, 0.17, c + 0.2, 0.27), h.W(0.05), h.W(0.05));
      Shape(p, h, fur, QColor(236, 230, 214), 0.8);
      if (rank == kKing) {
        QPainterPath cross;
        cross.addRect(h.R(c - 0.012, -0.02, c + 0.012, 0.08));
        cross.addRect(h.R(c - 0.04, 0.01, c + 0.04, 0.035));
        Shape(p, h, cross.simplified(), look.trim, 0.6);
      }
      break;
    }
  }
}

// The horseman, from the program's own figure painter, in the deck's colours.
void PaintRider(QPainter& p, const QRectF& frame, bool small, const CourtLook& look, int suit,
                const QPainterPath& symbol, const QColor& ink) {
  art::HorsemanDress dress;
  dress.robe = look.panel[static_cast<std::size_t>(suit - 1)];
  dress.panel = look.robe[static_cast<std::size_t>(suit - 1)];
  dress.trim = look.trim;
  dress.hair = look.hair;
  dress.horse = look.horse;
  dress.facingLeft = look.turn < 0;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(frame, look.ground);
  const QRectF top(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  for (int half = 0; half < 2; ++half) {
    p.save();
    if (half == 1) {
      p.translate(frame.center());
      p.rotate(180);
      p.translate(-frame.center());
    }
    p.setClipRect(top);
    art::PaintHorsemanHalf(p, top, small, dress, symbol, ink);
    // The suit in the frame's free upper corner, on the side the horse turns away from.
    const Half h(top, small);
    const QRectF corner =
        dress.facingLeft ? h.R(0.79, 0.04, 0.95, 0.20) : h.R(0.05, 0.04, 0.21, 0.20);
    p.fillPath(Fitted(symbol, corner), ink);
    p.restore();
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, small ? 0.6 : 1.0));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  p.setPen(QPen(QColor(60, 60, 70), small ? 0.8 : 1.2));
  p.drawRect(frame);
  p.restore();
}

}  // namespace

CourtLook CourtLookOf(int deck) {
  // A walk round the colour wheel: neighbouring decks land far apart.
  const int hue = (deck * 137) % 360;
  const int saturation = 100 + (deck * 53) % 90;
  const int value = 120 + (deck * 29) % 80;
  CourtLook look;
  for (int row = 0; row < 4; ++row) {
    const int robeHue = (hue + row * 90 + (deck % 3) * 20) % 360;
    look.robe[static_cast<std::size_t>(row)] = QColor::fromHsv(robeHue, saturation, value);
    look.panel[static_cast<std::size_t>(row)] =
        QColor::fromHsv((robeHue + 150 + deck * 11) % 360, std::min(255, saturation + 30),
                        std::min(255, value + 30));
  }
  static const QColor kMetals[] = {{226, 180, 50}, {200, 204, 212}, {196, 120, 60}, {236, 206, 90}};
  look.trim = kMetals[deck % 4];
  static const QColor kGrounds[] = {
      {253, 249, 238}, {236, 242, 250}, {248, 236, 226}, {240, 248, 236}, {250, 244, 250}};
  look.ground = kGrounds[deck % 5];
  static const QColor kHair[] = {{110, 66, 30},  {50, 36, 28}, {160, 82, 36},
                                 {200, 160, 70}, {80, 50, 40}, {30, 30, 36}};
  look.hair = kHair[deck % 6];
  look.headwear = static_cast<Headwear>(deck % 5);
  look.pattern = static_cast<Pattern>((deck / 5) % 5);
  look.held = static_cast<Held>((deck / 2) % 4);
  look.turn = ((deck * 7) % 5 - 2) * 0.5;
  look.beardPointed = deck % 2 == 1;
  // Bay, chestnut, grey, black, cream and dun horses.
  static const QColor kCoats[] = {{140, 82, 42}, {176, 96, 48},   {186, 188, 194},
                                  {56, 48, 48},  {238, 230, 212}, {206, 172, 112}};
  look.horse = kCoats[(deck * 5) % 6];
  // Decks whose names promise a headwear.
  switch (deck) {
    case 3:   // Ancient Egypt
    case 26:  // Epic
      look.headwear = Headwear::kWreath;
      break;
    case 7:   // Crown
    case 14:  // Royal
      look.headwear = Headwear::kArched;
      break;
    case 10:  // Historical costumes
      look.headwear = Headwear::kTall;
      break;
    case 27:  // USSR
    case 32:  // White palekh
    case 34:  // Princely
    case 37:  // Slavic
      look.headwear = Headwear::kFur;
      break;
    default:
      break;
  }
  return look;
}

void PaintDressedCourt(QPainter& p, const QRectF& frame, int figureRank, int suit, bool small,
                       const CourtLook& deckLook, const QPainterPath& symbol, const QColor& ink) {
  CourtLook look = deckLook;
  int rank = figureRank;
  if (rank == kQueen && look.secondRides) {
    PaintRider(p, frame, small, look, suit, symbol, ink);
    return;
  }
  if (rank == kQueen && look.secondIsMan) {
    // A man like the jack, told apart by his hat, his stance and what he holds.
    rank = kJack;
    look.headwear = static_cast<Headwear>((static_cast<int>(look.headwear) + 2) % 5);
    look.turn = look.turn == 0 ? 1 : -look.turn;
    std::swap(look.robe, look.panel);
    if (look.held != Held::kSuit) look.held = Held::kSceptre;
  }
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(frame, look.ground);
  const QRectF top(frame.left(), frame.top(), frame.width(), frame.height() / 2);
  for (int half = 0; half < 2; ++half) {
    p.save();
    if (half == 1) {
      p.translate(frame.center());
      p.rotate(180);
      p.translate(-frame.center());
    }
    p.setClipRect(top);
    const Half h(top, small);
    const bool leftHand = look.held == Held::kClassic && rank == kQueen;
    switch (look.held) {
      case Held::kClassic:
        if (rank == kKing) PaintSword(p, h, look);
        if (rank == kJack) PaintHalberd(p, h);
        break;
      case Held::kSceptre:
        PaintSceptre(p, h, look, rank, 0.845);
        break;
      case Held::kSuit:
      case Held::kOrb:
        break;
    }
    PaintRobe(p, h, look, rank, suit);
    PaintHead(p, h, look, rank);
    PaintHeadwear(p, h, look, rank, suit);
    if (leftHand) {
      PaintFlower(p, h, look.panel[static_cast<std::size_t>(suit - 1)].lighter(130));
      PaintHand(p, h, h.P(0.22, 0.84), look);
    } else if (look.held == Held::kSuit) {
      // The figure shows its suit: a large symbol raised in the free corner.
      const QPainterPath big = Fitted(symbol, h.R(0.70, 0.30, 0.97, 0.72));
      p.setPen(h.Line(0.5));
      p.setBrush(ink);
      p.drawPath(big);
      PaintHand(p, h, h.P(0.8, 0.80), look);
    } else if (look.held == Held::kOrb) {
      PaintOrb(p, h, look, 0.84);
      PaintHand(p, h, h.P(0.84, 0.84), look);
    } else {
      PaintHand(p, h, h.P(0.845, 0.80), look);
    }
    // The suit in the frame's free upper corner.
    p.fillPath(Fitted(symbol, h.R(0.05, 0.04, 0.21, 0.20)), ink);
    p.restore();
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, small ? 0.6 : 1.0));
  p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
  p.setPen(QPen(QColor(60, 60, 70), small ? 0.8 : 1.2));
  p.drawRect(frame);
  p.restore();
}

}  // namespace zendral::packs
