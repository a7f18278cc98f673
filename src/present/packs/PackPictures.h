#pragma once
// The table's pictures from the packs for the current settings: the faces of the chosen deck,
// the chosen back design, the window background and the purple design's background. They are
// handed out under the names of the program's own pictures ("Ch06", "Ch06B", "Ob01Mo",
// "Ob01MoB", "FonG", "FonGB"), so the table draws a pack's deck exactly as its own; the menu's
// background is "MenuFon" / "MenuFonB". Every name not loaded here is the program's own.
//
// A missing pack sets its choice back to the program's own and names the file, as the loads
// below say; the caller shows "Can`t find the file" with each name.

#include <QHash>
#include <QImage>
#include <QString>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zendral {

struct Settings;

// A main menu title picture in a colour variant (CaptionColour 1..7): every pixel's red, green
// and blue rearranged, its alpha kept.
QImage CaptionColourVariant(const QImage& picture, int captionColour);

class PackPictures {
 public:
  using OwnPictures = std::function<QImage(const QString& name)>;

  PackPictures(std::filesystem::path programFolder, OwnPictures own);

  // The 36 faces of CardDeck, small and large. Deck 0 is the program's own. Without its pack:
  // CardDeck := 0, the pack is named, false.
  bool LoadCardFaces(Settings& settings);
  // The pictures of BackDeck (7, or 10 for the collections), small and large; the large ones
  // of a narrow deck are the "U" set, which design 0 also takes from pack B. Without pack B:
  // BackDeck := 0; when the design was 0 already, CardDeck := 0 and the faces are loaded
  // again. The pack is named, false.
  bool LoadCardBacks(Settings& settings);
  // Background and BackgroundColour for the table and the menu, or the purple design's
  // "BGLilu" where MainMenuDesign or TableDesign is 1. Without the backgrounds pack:
  // Background := 2, BackgroundColour := 0; without the graphics pack: the designs go back
  // to 0 and CustomDesign off. The pack is named, false.
  bool LoadBackground(Settings& settings);
  // All three, in that order.
  void LoadAll(Settings& settings);

  // Whether the faces loaded are narrow cards.
  bool narrow() const { return narrow_; }
  // The packs found missing since the last TakeMissing, in order, each once.
  std::vector<std::string> TakeMissing();

  // A picture by the program's name; the program's own when no pack picture stands in.
  QImage Picture(const QString& name) const;

 private:
  void Missing(std::string_view pack);
  void ClearPrefix(const QString& prefix);

  std::filesystem::path programFolder_;
  OwnPictures own_;
  QHash<QString, QImage> pictures_;
  // Pictures decoded at their first use, then kept in pictures_: the large window's
  // backgrounds, which a window of the usual size never shows.
  mutable QHash<QString, std::function<QImage()>> deferred_;
  mutable QHash<QString, QImage> decoded_;
  bool narrow_ = false;
  std::vector<std::string> missing_;
};

}  // namespace zendral
