#include "PackPlan.h"

#include <QSet>

#include "BackPainter.h"
#include "BackgroundPainter.h"
#include "DeckStyles.h"
#include "ExtraPictures.h"
#include "FacePainter.h"
#include "present/packs/PackNames.h"

namespace zendral::packs {

namespace {

// The deck whose own code a picture carries draws it (deck 40's "Fra" is deck 9's).
int OwnerOfCode(std::string_view code) {
  for (int deck = 1; deck <= kFaceDecks; ++deck) {
    if (DeckCode(deck) == code) return deck;
  }
  return 0;
}

void AddFaces(PackPlan& plan, int firstDeck, int lastDeck) {
  QSet<QString> seen;
  for (int deck = firstDeck; deck <= lastDeck; ++deck) {
    for (int k = 1; k <= kDeckSize; ++k) {
      const TCardCode card = CardFromNumber(k);
      const DeckStyle style = StyleOfDeck(OwnerOfCode(FaceCode(deck, card)));
      for (const bool large : {false, true}) {
        const QString name = QString::fromStdString(FaceName(deck, card, large));
        if (seen.contains(name)) continue;
        seen.insert(name);
        plan.items.push_back({PackKind::kPng, name, [style, card, large] {
                                return PaintStyledFace(style, card, large);
                              }});
      }
    }
  }
}

void AddBacks(PackPlan& plan) {
  for (int design = 1; design <= kBackDesigns; ++design) {
    for (int picture = 1; picture <= BackPictureCount(design); ++picture) {
      for (const BackSize size : {BackSize::kSmall, BackSize::kLargeWide, BackSize::kLargeNarrow}) {
        plan.items.push_back({PackKind::kPng,
                              QString::fromStdString(BackName(design, picture, size)),
                              [=] { return PaintBackDesign(design, picture, size); }});
      }
    }
  }
  for (int picture = 1; picture <= BackPictureCount(0); ++picture) {
    plan.items.push_back({PackKind::kPng,
                          QString::fromStdString(BackName(0, picture, BackSize::kLargeNarrow)),
                          [=] { return PaintOwnNarrowBack(picture); }});
  }
}

void AddBackgrounds(PackPlan& plan) {
  for (int background = 1; background <= kBackgrounds; ++background) {
    for (int colour = 0; colour < kBackgroundColours; ++colour) {
      for (const int windowSize : {1, 5}) {
        const QString name = QString::fromStdString(BackgroundName(background, colour, windowSize));
        if (IsOwnBackground(background, colour)) continue;
        plan.items.push_back({PackKind::kJpeg, name, [=] {
                                const QImage large = PaintBackground(background, colour);
                                return windowSize == 1
                                           ? large.scaled(760, 500, Qt::IgnoreAspectRatio,
                                                          Qt::SmoothTransformation)
                                           : large;
                              }});
      }
    }
  }
}

void AddNamed(PackPlan& plan, const std::vector<NamedPicture>& pictures) {
  for (const NamedPicture& n : pictures) {
    plan.items.push_back({n.jpeg ? PackKind::kJpeg : PackKind::kPng, n.name, n.draw});
  }
}

}  // namespace

std::vector<std::string> PackFiles() {
  return {std::string(kPackCardsA),      std::string(kPackCardsB),   std::string(kPackCardsC),
          std::string(kPackBackgrounds), std::string(kPackGraphics), std::string(kPackCalendar),
          std::string(kPackRadio)};
}

PackPlan PlanOf(const std::string& file) {
  PackPlan plan{file, {}};
  if (file == kPackCardsA) AddFaces(plan, 1, 31);
  if (file == kPackCardsB) {
    AddFaces(plan, 32, 39);
    AddBacks(plan);
  }
  if (file == kPackCardsC) AddFaces(plan, 40, 47);
  if (file == kPackBackgrounds) AddBackgrounds(plan);
  if (file == kPackGraphics) AddNamed(plan, GraphicsPictures());
  if (file == kPackCalendar) AddNamed(plan, CalendarPictures());
  if (file == kPackRadio) AddNamed(plan, RadioPictures());
  return plan;
}

}  // namespace zendral::packs
