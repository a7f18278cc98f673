#pragma once
// The card image cache: the built-in "Classical-1" faces and the weekday backs, turned into
// pixmaps of the size the table shows them at, for the screen's device pixel ratio. Only those
// pixmaps are kept; the pictures they are drawn from are read again for another size.

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <array>
#include <functional>

#include "game/Card.h"
#include "present/geometry/TableScale.h"

namespace zendral {

inline constexpr int kBackPictures = 7;       // one per weekday, Monday first
inline constexpr int kMostBackPictures = 10;  // the collections of the packs have ten

// Finds a picture by its resource name ("Ch06", "Ob01MoB"); a null image when there is none.
using PictureLoader = std::function<QImage(const QString& name)>;

// The program's own pictures, compiled in under ":/art/".
QImage LoadArtPicture(const QString& name);

// The picture name of a card face: suit prefix, rank code, and "B" for the large set.
QString FaceName(TCardCode card, bool large);
// The picture name of the program's own back 1..7: "Ob01Mo" … "Ob07Su", and "B" for the large
// set. (The collections of the packs add "Ob08XX" … "Ob10XX".)
QString BackName(int picture, bool large);

class CardImages {
 public:
  explicit CardImages(PictureLoader loader = LoadArtPicture);

  // Number of pictures that cannot be found (it looks for all of them); their cards are drawn
  // as plain white cards.
  int missing();

  // The face or back as the table shows it: in drawing mode 1 with its black frame, in the
  // other modes with rounded corners. A small picture narrower than the card (a narrow deck)
  // is drawn at its own width, framed, at the card's left. The pixmap carries the device pixel
  // ratio, so at a ratio above 1 it is drawn from the large pictures and stays sharp.
  QPixmap Face(TCardCode card, const CardMetrics& metrics, qreal dpr);
  QPixmap Back(int picture, const CardMetrics& metrics, qreal dpr);

 private:
  // Pictures are read when first needed, so a table at one size reads one set only, and let
  // go once the card is rendered: what stays is the card at the size the table shows it.
  struct Source {
    QString name;
    QImage image;
    bool tried = false;
  };
  const QImage& Picture(Source& source);
  static void Release(Source& source);
  QPixmap Render(Source& small, Source& large, const CardMetrics& metrics, qreal dpr);
  QPixmap Cached(int key, Source& small, Source& large, const CardMetrics& metrics, qreal dpr);

  PictureLoader loader_;
  std::array<Source, kDeckSize + 1> smallFaces_, largeFaces_;
  std::array<Source, kMostBackPictures + 1> smallBacks_, largeBacks_;
  QHash<QString, QPixmap> cache_;
};

}  // namespace zendral
