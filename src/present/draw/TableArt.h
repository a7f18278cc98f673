#pragma once
// What the table drawing needs for one window size and screen: the scale and placement, the
// fonts, and the pictures already scaled to the elements they fill.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <memory>
#include <optional>

#include "present/draw/CardImages.h"
#include "present/geometry/HandFan.h"
#include "present/geometry/TablePlacement.h"
#include "present/geometry/TableScale.h"

namespace zendral {

// The two font roles the table uses, with their per-cent sizes from the settings.
struct TableFonts {
  QString large = QStringLiteral("Comic Sans MS");  // FontLarge, role "decor"
  QString small = QStringLiteral("Comic Sans MS");  // FontSmall, role "serif"
  int largePercent = 100;                           // ScaleLarge
  int smallPercent = 100;                           // ScaleSmall
};

// A font whose line (ascent + descent) is cellHeight pixels: the heights the table gives for
// its texts are the height of the text's cell.
QFont CellFont(const QString& family, int cellHeight, bool bold = false);

class TableArt {
 public:
  // dpr: the device pixel ratio of the screen the table is shown on; narrowDeck: the deck's
  // cards are of the narrow format.
  TableArt(int windowSize, ClientSize client, qreal dpr, TableFonts fonts = {},
           PictureLoader loader = LoadArtPicture, bool narrowDeck = false);

  const TableScale& scale() const { return scale_; }
  const CardMetrics& card() const { return card_; }
  const TablePlacement& place() const { return place_; }
  const TableFonts& fonts() const { return fonts_; }
  ClientSize client() const { return client_; }
  qreal dpr() const { return dpr_; }

  // The back of this kon's cards, 1..7 (Monday … Sunday).
  int backPicture() const { return backPicture_; }
  void SetBackPicture(int picture) { backPicture_ = picture; }

  CardImages& cards() { return *cards_; }
  QPixmap Face(TCardCode card) { return cards_->Face(card, card_, dpr_); }
  QPixmap Back() { return cards_->Back(backPicture_, card_, dpr_); }

  // The fan of a hand of n cards at this size.
  HandFan Arrange(int cardCount) const;

  // The table pictures, each stretched to the element it fills. The small set is used while
  // its own size covers the element's pixels, the large set beyond that (larger windows and
  // sharper screens). A missing picture gives a plain stand-in of the element's colour.
  const QPixmap& Background();  // "FonG" / "FonGB", the whole client area
  // The main menu's background, "MenuFon" / "MenuFonB" where the loader has them (the purple
  // design), else the table's.
  const QPixmap& MenuBackground();
  const QPixmap& ScoreBoard();  // "TabloSm" / "TabloBg"
  const QPixmap& KonFrame();    // "RamkaBBSm" / "RamkaBBBg"
  const QPixmap& NamePlate();   // "SPYellow" / "SPYellowB"
  QPixmap BankPicture(QSize size);
  QPixmap TurnMarker(QSize size);  // the marker of the small window, or "Hand_Right"
  QSize BankPictureSize();         // "GBank" at its own size

  // The colour of a felt whose picture is one opaque colour (the plain felt of the
  // recordings): it is filled where it shows, and no picture of the window's size is made.
  // Empty for any other felt, which is drawn from Background() or MenuBackground().
  std::optional<QColor> PlainFelt(bool menu);

  // Number of table pictures that could not be found.
  int missingPictures() const { return missing_; }

 private:
  const QPixmap& Stretched(const QString& smallName, const QString& largeName, QSize size,
                           const QColor& standIn);
  QImage Picture(const QString& name);
  // The picture an element of `device` pixels is drawn from: the small one while it covers
  // them, else the large one where there is one.
  QImage Source(const QString& smallName, const QString& largeName, QSize device);
  bool MenuHasOwnFelt();

  TableScale scale_;
  CardMetrics card_;
  TablePlacement place_;
  TableFonts fonts_;
  ClientSize client_;
  qreal dpr_;
  int backPicture_ = 1;
  PictureLoader loader_;
  std::unique_ptr<CardImages> cards_;
  QHash<QString, QImage> pictures_;
  QHash<QString, QPixmap> scaled_;
  int missing_ = 0;
  int menuBackground_ = -1;  // whether the loader has the menu's own: unknown, 0, 1
  QHash<QString, std::optional<QColor>> plain_;
};

}  // namespace zendral
