#include "app/windows/CardPreview.h"

#include <QPainter>

#include "art/ArtLibrary.h"
#include "present/draw/CardImages.h"
#include "present/geometry/TableScale.h"

namespace zendral {

namespace {

constexpr int kPreviewWidth = 189 + kSmallCardWidth;

}  // namespace

CardPreview::CardPreview(bool backs, QWidget* parent) : QWidget(parent), backs_(backs) {
  setObjectName(backs ? QStringLiteral("ImageBack") : QStringLiteral("ImageCards"));
  setFixedSize(sizeHint());
}

QSize CardPreview::sizeHint() const {
  return {backs_ ? kSmallCardWidth : kPreviewWidth, kSmallCardHeight};
}

void CardPreview::Show(int choice, const QString& missingText) {
  InitArtLibrary();  // the program's own faces and backs
  image_ = QImage(sizeHint(), QImage::Format_ARGB32_Premultiplied);
  image_.fill(Qt::transparent);
  QPainter p(&image_);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  complete_ = true;
  const QRect card(0, 0, kSmallCardWidth, kSmallCardHeight);
  auto draw = [&](const QImage& picture, int left) {
    const QRect at = card.translated(left, 0);
    if (picture.isNull()) {
      complete_ = false;
      return;
    }
    p.drawImage(at, picture);
  };
  if (backs_) {
    draw(choice == 0 ? LoadArtPicture(BackName(1, false))
                     : (backLoader_ ? backLoader_(choice) : QImage()),
         0);
  } else {
    for (std::size_t k = 0; k < kPreviewCards.size(); ++k) {
      const TCardCode c = kPreviewCards[k];
      draw(choice == 0 ? LoadArtPicture(FaceName(c, false))
                       : (faceLoader_ ? faceLoader_(choice, c) : QImage()),
           kPreviewLeft[k]);
    }
  }
  if (!complete_) {
    // Nothing half drawn: an empty frame that names what is missing.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(image_.rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    p.drawRect(QRect(QPoint(0, 0), sizeHint()).adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(QPoint(0, 0), sizeHint()).adjusted(4, 4, -4, -4),
               Qt::AlignCenter | Qt::TextWordWrap, missingText);
  }
  update();
}

void CardPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, image_);
}

}  // namespace zendral
