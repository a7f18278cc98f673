#include "PackPlan.h"

#include "BackPainter.h"
#include "BackgroundPainter.h"
#include "DeckStyles.h"
#include "ExtraPictures.h"
#include "FacePainter.h"
#include "present/packs/PackNames.h"

namespace zendral::packs {

namespace {

// Each deck draws its own faces under its own code.
void AddFaces(PackPlan& plan, int firstDeck, int lastDeck) {
  for (int deck = firstDeck; deck <= lastDeck; ++deck) {
    const DeckStyle style = StyleOfDeck(deck);
    for (int k = 1; k <= kDeckSize; ++k) {
      const TCardCode card = CardFromNumber(k);
      for (const bool large : {false, true}) {
        plan.items.push_back(
            {PackKind::kPng, QString::fromStdString(FaceName(deck, card, large)),
             [style, card, large] { return PaintStyledFace(style, card, large); }});
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
