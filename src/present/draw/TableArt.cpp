#include "present/draw/TableArt.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace zendral {

QFont CellFont(const QString& family, int cellHeight, bool bold) {
  QFont font(family);
  font.setBold(bold);
  font.setPixelSize(std::max(1, cellHeight));
  // The line of a face is taller than its pixel size by the face's own proportion.
  const int line = QFontMetrics(font).height();
  if (line > 0 && cellHeight > 0) {
    font.setPixelSize(std::max(
        1, static_cast<int>(std::lround(static_cast<double>(cellHeight) * cellHeight / line))));
  }
  return font;
}

TableArt::TableArt(int windowSize, ClientSize client, qreal dpr, TableFonts fonts,
                   PictureLoader loader, bool narrowDeck)
    : scale_(ScaleFor(windowSize, client)),
      card_(CardMetricsFor(scale_, narrowDeck)),
      place_(PlaceTable(scale_, card_)),
      fonts_(std::move(fonts)),
      client_(client),
      dpr_(dpr > 0 ? dpr : 1.0),
      loader_(std::move(loader)),
      cards_(std::make_unique<CardImages>(loader_)) {}

HandFan TableArt::Arrange(int cardCount) const {
  return ArrangeHand(HandFanWidth(scale_), card_.width, cardCount);
}

QImage TableArt::Picture(const QString& name) {
  auto it = pictures_.find(name);
  if (it == pictures_.end()) {
    QImage image = loader_ ? loader_(name) : QImage();
    if (image.isNull()) ++missing_;
    it = pictures_.insert(name, image);
  }
  return it.value();
}

QImage TableArt::Source(const QString& smallName, const QString& largeName, QSize device) {
  QImage source = Picture(smallName);
  if (source.isNull() || source.width() < device.width() || source.height() < device.height()) {
    const QImage large = Picture(largeName);
    if (!large.isNull()) source = large;
  }
  return source;
}

const QPixmap& TableArt::Stretched(const QString& smallName, const QString& largeName, QSize size,
                                   const QColor& standIn) {
  const QString key =
      QStringLiteral("%1/%2x%3").arg(smallName).arg(size.width()).arg(size.height());
  auto it = scaled_.find(key);
  if (it != scaled_.end()) return it.value();

  const QSize device(static_cast<int>(std::lround(size.width() * dpr_)),
                     static_cast<int>(std::lround(size.height() * dpr_)));
  const QImage source = Source(smallName, largeName, device);
  // Two elements drawn from the same picture at the same size (the menu's and the table's
  // felt in most designs) share one pixmap.
  const QString sourceKey = source.isNull() ? QString()
                                            : QStringLiteral("#%1/%2x%3")
                                                  .arg(source.cacheKey())
                                                  .arg(device.width())
                                                  .arg(device.height());
  if (!sourceKey.isEmpty()) {
    if (const auto shared = scaled_.constFind(sourceKey); shared != scaled_.constEnd()) {
      return scaled_.insert(key, shared.value()).value();
    }
  }
  // An opaque picture stays opaque: no alpha channel to add, convert or blend.
  const QImage::Format format = source.isNull() || source.hasAlphaChannel()
                                    ? QImage::Format_ARGB32_Premultiplied
                                    : QImage::Format_RGB32;
  QImage out;
  if (source.isNull()) {
    out = QImage(device.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    out.fill(standIn);
  } else if (source.size() == device) {
    out = source.convertToFormat(format);
  } else {
    out = source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(format);
  }
  out.setDevicePixelRatio(dpr_);
  const QPixmap pixmap = QPixmap::fromImage(std::move(out));
  if (!sourceKey.isEmpty()) scaled_.insert(sourceKey, pixmap);
  return scaled_.insert(key, pixmap).value();
}

const QPixmap& TableArt::Background() {
  return Stretched("FonG", "FonGB", QSize(client_.width, client_.height), QColor(14, 100, 50));
}

bool TableArt::MenuHasOwnFelt() {
  if (menuBackground_ < 0) {
    menuBackground_ = loader_ && (!loader_(QStringLiteral("MenuFon")).isNull() ||
                                  !loader_(QStringLiteral("MenuFonB")).isNull());
  }
  return menuBackground_ == 1;
}

std::optional<QColor> TableArt::PlainFelt(bool menu) {
  const bool own = menu && MenuHasOwnFelt();
  const QString smallName = own ? QStringLiteral("MenuFon") : QStringLiteral("FonG");
  if (const auto known = plain_.constFind(smallName); known != plain_.constEnd()) {
    return known.value();
  }
  const QSize device(static_cast<int>(std::lround(client_.width * dpr_)),
                     static_cast<int>(std::lround(client_.height * dpr_)));
  const QImage source =
      Source(smallName, own ? QStringLiteral("MenuFonB") : QStringLiteral("FonGB"), device);
  std::optional<QColor> colour;
  if (!source.isNull()) {
    // One colour, all of it opaque; the first pixel that differs ends the look, which in a
    // picture of the felt comes after a few pixels.
    const QRgb first = source.pixel(0, 0);
    bool one = qAlpha(first) == 255;
    for (int y = 0; one && y < source.height(); ++y) {
      for (int x = 0; one && x < source.width(); ++x) one = source.pixel(x, y) == first;
    }
    if (one) colour = QColor::fromRgb(first);
  }
  return plain_.insert(smallName, colour).value();
}

const QPixmap& TableArt::MenuBackground() {
  if (!MenuHasOwnFelt()) return Background();
  return Stretched("MenuFon", "MenuFonB", QSize(client_.width, client_.height),
                   QColor(14, 100, 50));
}

const QPixmap& TableArt::ScoreBoard() {
  const PixelRect& r = place_.scoreTab[kSeat1];
  return Stretched("TabloSm", "TabloBg", QSize(r.width, r.height), QColor(245, 236, 210));
}

const QPixmap& TableArt::KonFrame() {
  const PixelRect& r = place_.konPanel;
  return Stretched("RamkaBBSm", "RamkaBBBg", QSize(r.width, r.height), QColor(245, 236, 210));
}

const QPixmap& TableArt::NamePlate() {
  const PixelRect& r = place_.namePlate[kSeat1];
  return Stretched("SPYellow", "SPYellowB", QSize(r.width, r.height), QColor(220, 150, 20));
}

QPixmap TableArt::BankPicture(QSize size) {
  return Stretched("GBank", "GBank", size, QColor(220, 180, 60));
}

QPixmap TableArt::TurnMarker(QSize size) {
  return Stretched("ImageList3Add1", "Hand_Right", size, QColor(200, 30, 40));
}

QSize TableArt::BankPictureSize() {
  const QImage image = Picture("GBank");
  return image.isNull() ? QSize(150, 150) : image.size();
}

}  // namespace zendral
