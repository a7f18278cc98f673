#include "SuitFamilies.h"

#include <QPainterPathStroker>
#include <algorithm>
#include <array>
#include <cmath>

namespace zendral::packs {

namespace {

QPainterPath Circle(double x, double y, double r) {
  QPainterPath p;
  p.addEllipse(QPointF(x, y), r, r);
  return p;
}

QPainterPath Oval(double x, double y, double rx, double ry) {
  QPainterPath p;
  p.addEllipse(QPointF(x, y), rx, ry);
  return p;
}

QPainterPath Box(double x0, double y0, double x1, double y1) {
  QPainterPath p;
  p.addRect(QRectF(QPointF(x0, y0), QPointF(x1, y1)));
  return p;
}

// A line of the given width as a filled outline, for veins, bands and grooves.
QPainterPath Groove(const QPainterPath& line, double width) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(line);
}

QPainterPath Line(QPointF a, QPointF b) {
  QPainterPath p;
  p.moveTo(a);
  p.lineTo(b);
  return p;
}

QPainterPath Ring(double x, double y, double outer, double inner) {
  return Circle(x, y, outer).subtracted(Circle(x, y, inner));
}

// ---- German

QPainterPath PlumpHeart() {
  QPainterPath p;
  p.moveTo(50, 96);
  p.cubicTo(24, 76, 2, 58, 2, 32);
  p.cubicTo(2, 14, 14, 4, 28, 4);
  p.cubicTo(40, 4, 47, 12, 50, 20);
  p.cubicTo(53, 12, 60, 4, 72, 4);
  p.cubicTo(86, 4, 98, 14, 98, 32);
  p.cubicTo(98, 58, 76, 76, 50, 96);
  p.closeSubpath();
  // A light stroke on the upper left lobe, as printed hearts of these decks have.
  QPainterPath shine;
  shine.moveTo(16, 36);
  shine.quadTo(16, 18, 32, 16);
  return p.subtracted(Groove(shine, 4.5));
}

QPainterPath Bell() {
  // A round bell with a band round its middle, the slit below and a loop on top.
  QPainterPath solid = Circle(50, 56, 38).united(Ring(50, 10, 9, 4.5)).united(Box(46, 16, 54, 22));
  QPainterPath holes = Box(14, 47, 86, 52);
  holes = holes.united(Circle(50, 74, 6.5)).united(Box(47.5, 74, 52.5, 96));
  return solid.subtracted(holes);
}

QPainterPath Acorn() {
  const QPainterPath cap = Oval(50, 38, 31, 18);
  const QPainterPath nut = Oval(50, 68, 21, 28).subtracted(Oval(50, 38, 34, 21));
  QPainterPath stalk;
  stalk.moveTo(47, 22);
  stalk.quadTo(46, 10, 54, 2);
  stalk.lineTo(58, 5);
  stalk.quadTo(52, 12, 53, 22);
  stalk.closeSubpath();
  QPainterPath solid = cap.united(nut).united(stalk);
  // The scales of the cap.
  QPainterPath holes;
  for (const auto& [x, y] :
       {std::pair{34.0, 38.0}, {50.0, 35.0}, {66.0, 38.0}, {42.0, 47.0}, {58.0, 47.0}}) {
    holes.addPath(Circle(x, y, 3.4));
  }
  QPainterPath shine;
  shine.moveTo(40, 68);
  shine.quadTo(40, 80, 46, 86);
  return solid.subtracted(holes).subtracted(Groove(shine, 3.5));
}

QPainterPath Leaf() {
  QPainterPath blade;
  blade.moveTo(50, 2);
  blade.cubicTo(82, 18, 98, 50, 50, 84);
  blade.cubicTo(2, 50, 18, 18, 50, 2);
  blade.closeSubpath();
  QPainterPath solid = blade.united(Box(47, 78, 53, 99));
  QPainterPath veins = Line({50, 12}, {50, 78});
  for (const double y : {30.0, 46.0, 62.0}) {
    veins.addPath(Line({50, y + 8}, {50 - (y < 60 ? 22.0 : 14.0), y - 4}));
    veins.addPath(Line({50, y + 8}, {50 + (y < 60 ? 22.0 : 14.0), y - 4}));
  }
  return solid.subtracted(Groove(veins, 3.2));
}

// ---- Latin

QPainterPath Cup() {
  QPainterPath goblet;
  goblet.moveTo(12, 6);
  goblet.lineTo(88, 6);
  goblet.cubicTo(88, 40, 70, 54, 56, 58);
  goblet.lineTo(55, 76);
  goblet.cubicTo(62, 80, 72, 87, 76, 97);
  goblet.lineTo(24, 97);
  goblet.cubicTo(28, 87, 38, 80, 45, 76);
  goblet.lineTo(44, 58);
  goblet.cubicTo(30, 54, 12, 40, 12, 6);
  goblet.closeSubpath();
  const QPainterPath solid = goblet.united(Oval(50, 67, 10, 5.5));
  QPainterPath bands = Line({17, 13}, {83, 13});
  QPainterPath belly;
  belly.moveTo(20, 26);
  belly.quadTo(50, 36, 80, 26);
  bands.addPath(belly);
  return solid.subtracted(Groove(bands, 3.6)).subtracted(Circle(50, 89, 3.5));
}

QPainterPath Coin() {
  QPainterPath solid = Circle(50, 50, 47);
  QPainterPath holes = Ring(50, 50, 40, 36).united(Ring(50, 50, 15, 11));
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4;
    holes = holes.united(Circle(50 + 25.5 * std::cos(a), 50 + 25.5 * std::sin(a), 3.6));
  }
  return solid.subtracted(holes);
}

QPainterPath Baton() {
  // A knotty cudgel, thick at the top, with the stubs of cut branches along it.
  QPainterPath club;
  club.moveTo(33, 14);
  club.cubicTo(31, -1, 69, -1, 67, 14);
  club.lineTo(56, 92);
  club.quadTo(50, 100, 44, 92);
  club.closeSubpath();
  const struct {
    QPointF from, to;
    double width;
  } stubs[] = {{{40, 30}, {24, 20}, 10},
               {{60, 46}, {75, 36}, 9},
               {{44, 62}, {31, 55}, 8},
               {{55, 74}, {66, 68}, 6.5}};
  QPainterPath solid = club;
  QPainterPath holes = Groove(Line({45, 84}, {55, 84}), 2.6);
  for (const auto& s : stubs) {
    QPainterPathStroker stroker;
    stroker.setWidth(s.width);
    stroker.setCapStyle(Qt::FlatCap);
    solid = solid.united(stroker.createStroke(Line(s.from, s.to)));
    holes = holes.united(Circle(s.to.x(), s.to.y(), s.width * 0.22));
  }
  holes = holes.united(Groove(Line({42, 12}, {58, 12}), 2.4));
  return solid.subtracted(holes);
}

QPainterPath Sword() {
  // Point down, as the swords of these decks hang.
  QPainterPath solid = Circle(50, 8, 7.5);
  solid = solid.united(Box(45.5, 12, 54.5, 28));
  QPainterPath guard;
  guard.moveTo(20, 26);
  guard.quadTo(50, 34, 80, 26);
  guard.lineTo(80, 34);
  guard.quadTo(50, 40, 20, 34);
  guard.closeSubpath();
  solid = solid.united(guard).united(Circle(20, 30, 5)).united(Circle(80, 30, 5));
  QPainterPath blade;
  blade.moveTo(43, 36);
  blade.lineTo(57, 36);
  blade.lineTo(56, 86);
  blade.lineTo(50, 100);
  blade.lineTo(44, 86);
  blade.closeSubpath();
  solid = solid.united(blade);
  QPainterPath holes = Groove(Line({50, 42}, {50, 84}), 2.4);
  holes = holes.united(Groove(Line({46, 17}, {54, 17}), 1.6));
  holes = holes.united(Groove(Line({46, 23}, {54, 23}), 1.6));
  return solid.subtracted(holes);
}

}  // namespace

// The symbols are cut out with path operations, which are slow: each is made once and then
// shared (QPainterPath copies share their data) by every thread that paints cards.
QPainterPath GermanSuit(int suit) {
  static const std::array<QPainterPath, 4> kSymbols = {PlumpHeart(), Bell(), Acorn(), Leaf()};
  return kSymbols[static_cast<std::size_t>(std::clamp(suit, 1, 4) - 1)];
}

QPainterPath LatinSuit(int suit) {
  static const std::array<QPainterPath, 4> kSymbols = {Cup(), Coin(), Baton(), Sword()};
  return kSymbols[static_cast<std::size_t>(std::clamp(suit, 1, 4) - 1)];
}

}  // namespace zendral::packs
