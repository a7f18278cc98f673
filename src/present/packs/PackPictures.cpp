#include "present/packs/PackPictures.h"

#include <algorithm>
#include <memory>

#include "present/geometry/TableScale.h"
#include "present/packs/PackFile.h"
#include "present/packs/PackNames.h"
#include "store/Settings.h"

namespace zendral {

namespace {

// The program's own names of a face and a back picture.
QString OwnFaceName(TCardCode card, bool large) {
  return QString::fromStdString(FaceName(0, card, large));
}
QString OwnBackName(int picture, bool large) {
  return QString::fromStdString(BackPictureName(picture)) +
         (large ? QStringLiteral("B") : QString());
}

}  // namespace

QImage CaptionColourVariant(const QImage& picture, int captionColour) {
  if (picture.isNull() || captionColour == 1) return picture;
  QImage out = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const Rgb c =
          CaptionColourPixel({qRed(line[x]), qGreen(line[x]), qBlue(line[x])}, captionColour);
      line[x] = qRgba(c.r, c.g, c.b, qAlpha(line[x]));
    }
  }
  return out;
}

PackPictures::PackPictures(std::filesystem::path programFolder, OwnPictures own)
    : programFolder_(std::move(programFolder)), own_(std::move(own)) {}

void PackPictures::Missing(std::string_view pack) {
  const std::string name(pack);
  if (std::find(missing_.begin(), missing_.end(), name) == missing_.end()) {
    missing_.push_back(name);
  }
}

std::vector<std::string> PackPictures::TakeMissing() {
  return std::exchange(missing_, {});
}

void PackPictures::ClearPrefix(const QString& prefix) {
  for (auto it = pictures_.begin(); it != pictures_.end();) {
    it = it.key().startsWith(prefix) ? pictures_.erase(it) : std::next(it);
  }
}

QImage PackPictures::Picture(const QString& name) const {
  const auto it = pictures_.find(name);
  if (it != pictures_.end()) return it.value();
  if (const auto done = decoded_.find(name); done != decoded_.end()) return done.value();
  if (const auto later = deferred_.find(name); later != deferred_.end()) {
    const std::function<QImage()> load = later.value();
    deferred_.erase(later);
    return decoded_.insert(name, load()).value();
  }
  return own_ ? own_(name) : QImage();
}

bool PackPictures::LoadCardFaces(Settings& settings) {
  for (const char* suit : {"Ch", "Bu", "Kr", "Pi"}) ClearPrefix(QLatin1String(suit));
  const int deck = settings.CardDeck;
  narrow_ = false;
  if (deck < 1 || deck > kFaceDecks) {
    settings.CardDeck = 0;
    return true;
  }
  const std::string_view packFile = PackForDeck(deck);
  const std::filesystem::path file = FindPack(programFolder_, packFile);
  const OpenPack pack(file);
  if (file.empty() || !pack.ok()) {
    Missing(packFile);
    settings.CardDeck = 0;
    return false;
  }
  for (int k = 1; k <= kDeckSize; ++k) {
    const TCardCode card = CardFromNumber(k);
    for (const bool large : {false, true}) {
      QImage image =
          pack.Picture(PackKind::kPng, QString::fromStdString(FaceName(deck, card, large)));
      if (image.isNull() && !FormerFaceName(deck, card, large).empty()) {
        image =
            pack.Picture(PackKind::kPng, QString::fromStdString(FormerFaceName(deck, card, large)));
      }
      if (!image.isNull()) pictures_.insert(OwnFaceName(card, large), image);
    }
  }
  narrow_ = IsNarrowDeck(deck);
  return true;
}

bool PackPictures::LoadCardBacks(Settings& settings) {
  ClearPrefix(QStringLiteral("Ob"));
  if (settings.BackDeck < 0 || settings.BackDeck > kBackDesigns) settings.BackDeck = 0;
  const int design = settings.BackDeck;
  const BackSize large = narrow_ ? BackSize::kLargeNarrow : BackSize::kLargeWide;
  if (PackForBack(design, large).empty()) return true;  // the program's own pictures

  const std::filesystem::path file = FindPack(programFolder_, kPackCardsB);
  const OpenPack pack(file);
  if (file.empty() || !pack.ok()) {
    Missing(kPackCardsB);
    settings.BackDeck = 0;
    if (design == 0) {
      // Only the large narrow backs of the own design live in the pack: the deck goes too.
      settings.CardDeck = 0;
      LoadCardFaces(settings);
    }
    return false;
  }
  for (int picture = 1; picture <= BackPictureCount(design); ++picture) {
    for (const BackSize size : {BackSize::kSmall, large}) {
      // The own design's small pictures are the program's.
      if (PackForBack(design, size).empty()) continue;
      const QImage image =
          pack.Picture(PackKind::kPng, QString::fromStdString(BackName(design, picture, size)));
      if (!image.isNull()) pictures_.insert(OwnBackName(picture, size != BackSize::kSmall), image);
    }
  }
  return true;
}

bool PackPictures::LoadBackground(Settings& settings) {
  for (const char* name : {"FonG", "FonGB", "MenuFon", "MenuFonB"}) {
    pictures_.remove(name);
    deferred_.remove(name);
    decoded_.remove(name);
  }
  bool ok = true;
  QImage lilu;
  if (settings.MainMenuDesign == 1 || settings.TableDesign == 1) {
    const std::filesystem::path file = FindPack(programFolder_, kPackGraphics);
    const OpenPack pack(file);
    if (!file.empty()) lilu = pack.Picture(PackKind::kJpeg, QStringLiteral("BGLilu"));
    if (lilu.isNull()) {
      Missing(kPackGraphics);
      settings.CustomDesign = false;
      settings.MainMenuDesign = 0;
      settings.TableDesign = 0;
      ok = false;
    }
  }
  if (settings.Background < 1 || settings.Background > kBackgrounds ||
      BackgroundColourCode(settings.BackgroundColour).empty()) {
    settings.Background = 2;
    settings.BackgroundColour = 0;
  }
  // The chosen background, or the program's own felt.
  QImage small = own_ ? own_(QStringLiteral("FonG")) : QImage();
  // The large one is decoded when a large window first asks for it.
  std::function<QImage()> large = [own = own_] {
    return own ? own(QStringLiteral("FonGB")) : QImage();
  };
  // With both designs purple the chosen background is not shown and its pack is not needed.
  const bool chosenShown = settings.MainMenuDesign != 1 || settings.TableDesign != 1;
  if (chosenShown && !IsOwnBackground(settings.Background, settings.BackgroundColour)) {
    const std::filesystem::path file = FindPack(programFolder_, kPackBackgrounds);
    const OpenPack pack(file);
    if (file.empty() || !pack.ok()) {
      Missing(kPackBackgrounds);
      settings.Background = 2;
      settings.BackgroundColour = 0;
      ok = false;
    } else {
      const auto name = [&](int windowSize) {
        return QString::fromStdString(
            BackgroundName(settings.Background, settings.BackgroundColour, windowSize));
      };
      const QImage packSmall = pack.Picture(PackKind::kJpeg, name(kSmallWindow));
      if (!packSmall.isNull()) small = packSmall;
      large = [file, largeName = name(kLargeWindow), own = std::move(large)] {
        const QImage packLarge = OpenPack(file).Picture(PackKind::kJpeg, largeName);
        return packLarge.isNull() ? own() : packLarge;
      };
    }
  }
  const bool menuPurple = settings.MainMenuDesign == 1, tablePurple = settings.TableDesign == 1;
  pictures_.insert(QStringLiteral("FonG"), tablePurple ? lilu : small);
  pictures_.insert(QStringLiteral("MenuFon"), menuPurple ? lilu : small);
  // The table and the menu share one decoded large picture.
  const auto decoded = std::make_shared<QImage>();
  const auto largeOnce = [decoded, large = std::move(large)] {
    if (decoded->isNull()) *decoded = large();
    return *decoded;
  };
  const auto placeLarge = [&](const QString& name, bool purple) {
    if (purple) {
      pictures_.insert(name, lilu);
    } else {
      deferred_.insert(name, largeOnce);
    }
  };
  placeLarge(QStringLiteral("FonGB"), tablePurple);
  placeLarge(QStringLiteral("MenuFonB"), menuPurple);
  return ok;
}

void PackPictures::LoadAll(Settings& settings) {
  LoadCardFaces(settings);
  LoadCardBacks(settings);
  LoadBackground(settings);
}

}  // namespace zendral
