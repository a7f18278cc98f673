#include "present/draw/SuitShape.h"

#include <QTransform>
#include <algorithm>
#include <array>

namespace zendral {

namespace {

QPainterPath Heart() {
  QPainterPath p;
  p.moveTo(50, 98);
  p.cubicTo(30, 78, 0, 58, 0, 30);
  p.cubicTo(0, 12, 12, 1, 27, 1);
  p.cubicTo(38, 1, 46, 8, 50, 18);
  p.cubicTo(54, 8, 62, 1, 73, 1);
  p.cubicTo(88, 1, 100, 12, 100, 30);
  p.cubicTo(100, 58, 70, 78, 50, 98);
  p.closeSubpath();
  return p;
}

QPainterPath Diamond() {
  // Slightly hollow sides, as the diamond of a printed deck.
  QPainterPath p;
  p.moveTo(50, 0);
  p.quadTo(66, 30, 88, 50);
  p.quadTo(66, 70, 50, 100);
  p.quadTo(34, 70, 12, 50);
  p.quadTo(34, 30, 50, 0);
  p.closeSubpath();
  return p;
}

QPainterPath Stem(double top) {
  QPainterPath p;
  p.moveTo(46.5, top);
  p.quadTo(45, 88, 30, 100);
  p.lineTo(70, 100);
  p.quadTo(55, 88, 53.5, top);
  p.closeSubpath();
  return p;
}

QPainterPath Club() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  p.addEllipse(QPointF(50, 24), 23, 23);
  p.addEllipse(QPointF(24, 58), 23, 23);
  p.addEllipse(QPointF(76, 58), 23, 23);
  p.addEllipse(QPointF(50, 50), 14, 14);
  p.addPath(Stem(58));
  return p.simplified();
}

QPainterPath Spade() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  QPainterPath blade;
  blade.moveTo(50, 0);
  blade.cubicTo(60, 20, 100, 40, 100, 63);
  blade.cubicTo(100, 78, 89, 87, 75, 87);
  blade.cubicTo(64, 87, 56, 82, 52, 74);
  blade.lineTo(48, 74);
  blade.cubicTo(44, 82, 36, 87, 25, 87);
  blade.cubicTo(11, 87, 0, 78, 0, 63);
  blade.cubicTo(0, 40, 40, 20, 50, 0);
  blade.closeSubpath();
  p.addPath(blade);
  p.addPath(Stem(70));
  return p.simplified();
}

QPainterPath MakeSuitShape(int suit) {
  switch (suit) {
    case 1:
      return Heart();
    case 2:
      return Diamond();
    case 3:
      return Club();
    default:
      return Spade();
  }
}

}  // namespace

// The club and the spade are unions of outlines, whose simplification costs far more than
// drawing them: each shape is made once and copied after that. Their bounds are computed here
// too, so that copies shared between threads are only read.
QPainterPath SuitShape(int suit) {
  static const std::array<QPainterPath, 4> shapes = [] {
    std::array<QPainterPath, 4> made;
    for (int k = 0; k < 4; ++k) {
      made[static_cast<std::size_t>(k)] = MakeSuitShape(k + 1);
      made[static_cast<std::size_t>(k)].boundingRect();
      made[static_cast<std::size_t>(k)].controlPointRect();
    }
    return made;
  }();
  return shapes[static_cast<std::size_t>(suit >= 1 && suit <= 3 ? suit - 1 : 3)];
}

QPainterPath SuitShapeIn(int suit, const QRectF& box) {
  const QPainterPath path = SuitShape(suit);
  const QRectF bounds = path.boundingRect();
  const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
  QTransform t;
  t.translate(box.center().x(), box.center().y());
  t.scale(scale, scale);
  t.translate(-bounds.center().x(), -bounds.center().y());
  return t.map(path);
}

}  // namespace zendral
