#include "present/draw/CardImages.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <utility>

#include "present/packs/ReadPicture.h"

namespace zendral {

namespace {

const char* const kSuitPrefix[] = {"", "Ch", "Bu", "Kr", "Pi"};
const char* const kRankCode[] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
const char* const kBackNames[] = {"",       "Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                  "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};

// The four black lines of the small card's frame, which leave the corner pixels open.
void DrawSmallFrame(QPainter& p, int w, int h) {
  p.fillRect(QRectF(1, 0, w - 2, 1), Qt::black);
  p.fillRect(QRectF(1, h - 1, w - 2, 1), Qt::black);
  p.fillRect(QRectF(0, 1, 1, h - 2), Qt::black);
  p.fillRect(QRectF(w - 1, 1, 1, h - 2), Qt::black);
}

}  // namespace

QImage LoadArtPicture(const QString& name) {
  for (const auto& [ext, format] : {std::pair{".png", "PNG"}, std::pair{".jpg", "JPEG"}}) {
    QFile file(QStringLiteral(":/art/") + name + QLatin1String(ext));
    if (file.open(QIODevice::ReadOnly)) return ReadPicture(file.readAll(), format);
  }
  return {};
}

QString FaceName(TCardCode card, bool large) {
  if (card.IsEmpty() || card.rank > kRanks || card.suit > kSuits) return {};
  return QString(kSuitPrefix[card.suit]) + kRankCode[card.rank] + (large ? "B" : "");
}

QString BackName(int picture, bool large) {
  if (picture < 1 || picture > kBackPictures) return {};
  return QString(kBackNames[picture]) + (large ? "B" : "");
}

CardImages::CardImages(PictureLoader loader) : loader_(std::move(loader)) {
  for (int k = 1; k <= kDeckSize; ++k) {
    const TCardCode card = CardFromNumber(k);
    smallFaces_[k].name = FaceName(card, false);
    largeFaces_[k].name = FaceName(card, true);
  }
  for (int b = 1; b <= kMostBackPictures; ++b) {
    // The collections' pictures 8 to 10 are only ever given by a loader of the packs.
    const QString name = b <= kBackPictures ? BackName(b, false) : kBackNames[b];
    smallBacks_[b].name = name;
    largeBacks_[b].name = name + "B";
  }
}

const QImage& CardImages::Picture(Source& source) {
  if (!source.tried) {
    source.tried = true;
    if (loader_ && !source.name.isEmpty()) source.image = loader_(source.name);
  }
  return source.image;
}

int CardImages::missing() {
  int n = 0;
  for (auto* set : {&smallFaces_, &largeFaces_}) {
    for (int k = 1; k <= kDeckSize; ++k) {
      n += Picture((*set)[k]).isNull();
      Release((*set)[k]);
    }
  }
  // Pictures 8 to 10 exist only for the collections of the packs.
  for (auto* set : {&smallBacks_, &largeBacks_}) {
    for (int b = 1; b <= kBackPictures; ++b) {
      n += Picture((*set)[b]).isNull();
      Release((*set)[b]);
    }
  }
  return n;
}

QPixmap CardImages::Face(TCardCode card, const CardMetrics& metrics, qreal dpr) {
  const int k = card.IsEmpty() || card.rank > kRanks || card.suit > kSuits ? 0 : CardNumber(card);
  return Cached(k, smallFaces_[k], largeFaces_[k], metrics, dpr);
}

QPixmap CardImages::Back(int picture, const CardMetrics& metrics, qreal dpr) {
  const int b = picture >= 1 && picture <= kMostBackPictures ? picture : 1;
  return Cached(100 + b, smallBacks_[b], largeBacks_[b], metrics, dpr);
}

QPixmap CardImages::Cached(int key, Source& small, Source& large, const CardMetrics& metrics,
                           qreal dpr) {
  const QString id = QStringLiteral("%1/%2x%3/%4/%5")
                         .arg(key)
                         .arg(metrics.width)
                         .arg(metrics.height)
                         .arg(metrics.drawMode)
                         .arg(dpr);
  auto it = cache_.find(id);
  if (it == cache_.end()) {
    it = cache_.insert(id, Render(small, large, metrics, dpr));
    // The decoded pictures served only to render this card: the cache keeps it at the size it
    // is shown, and another size reads them again.
    Release(small);
    Release(large);
  }
  return it.value();
}

void CardImages::Release(Source& source) {
  // A picture found missing stays missing: it is not looked for again.
  if (source.image.isNull()) return;
  source.image = QImage();
  source.tried = false;
}

QPixmap CardImages::Render(Source& smallSource, Source& largeSource, const CardMetrics& m,
                           qreal dpr) {
  const int w = m.width, h = m.height;
  const QSize device(static_cast<int>(std::lround(w * dpr)),
                     static_cast<int>(std::lround(h * dpr)));
  QImage out(device, QImage::Format_ARGB32_Premultiplied);
  out.setDevicePixelRatio(dpr);
  out.fill(Qt::transparent);
  QPainter p(&out);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::Antialiasing);

  const bool ownSmall = m.drawMode == kCardModeSmall && dpr <= 1.0;
  const QImage& small = ownSmall ? Picture(smallSource) : smallSource.image;
  const QImage& large = ownSmall && !small.isNull() ? largeSource.image : Picture(largeSource);
  if (m.drawMode == kCardModeSmall) {
    if (ownSmall && !small.isNull()) {
      // The small picture at its own size, one pixel inside the frame; a narrow one keeps its
      // width and its frame.
      const int own = std::min(w, small.width());
      p.drawImage(QRectF(1, 1, own - 2, h - 2), small,
                  QRectF(1, 1, small.width() - 2, small.height() - 2));
      if (own < w) {
        DrawSmallFrame(p, own, h);
        p.end();
        return QPixmap::fromImage(std::move(out));
      }
    } else {
      // A sharper screen draws the large picture into the same frame.
      p.fillRect(QRectF(1, 1, w - 2, h - 2), Qt::white);
      if (!large.isNull()) p.drawImage(QRectF(1, 1, w - 2, h - 2), large);
    }
    DrawSmallFrame(p, w, h);
  } else {
    QPainterPath round;
    round.addRoundedRect(QRectF(0, 0, w, h), m.cornerRadius, m.cornerRadius);
    p.setClipPath(round);
    if (!large.isNull()) {
      p.drawImage(QRectF(0, 0, w, h), large);
    } else {
      p.fillPath(round, Qt::white);
      p.setClipping(false);
      p.setPen(QPen(Qt::darkGray, 1));
      p.drawPath(round);
    }
  }
  p.end();
  return QPixmap::fromImage(std::move(out));
}

}  // namespace zendral
