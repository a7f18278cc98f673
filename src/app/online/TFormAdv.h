#pragma once
// The advertising window ("Advertising"): four of the club's other games drawn at random from
// the club's advertising directory, each with its picture and its name; a click on either
// opens the game's page. "No Connect" in the four name fields when the directory cannot be
// read or holds fewer than four games.

#include <QDialog>
#include <QImage>
#include <array>
#include <string>

#include "app/online/OnlineUi.h"
#include "app/windows/WindowResources.h"
#include "online/Advertising.h"

class QPushButton;

namespace zendral {

class WindowHeader;

class TFormAdv : public QDialog {
 public:
  static constexpr int kClientWidth = 520;
  static constexpr int kClientHeight = 420;
  static constexpr int kPictureWidth = 220;
  static constexpr int kPictureHeight = 110;
  // A picture larger than this is not shown (its name still is).
  static constexpr int kMaxPictureBytes = 1 << 20;

  // Reads the directory at ui.club's advertising address and downloads the four pictures.
  TFormAdv(const OnlineUi& ui, PackPictureLoader packPicture, online::RandomInRange random = {},
           QWidget* parent = nullptr);

  // The game shown in place i (0..3); nothing shown when "No Connect".
  bool Connected() const { return entries_.has_value(); }
  const online::AdvertisingEntry* Entry(int i) const;
  QPushButton* NameField(int i) const { return names_[static_cast<std::size_t>(i)]; }
  QPushButton* PictureField(int i) const { return pictures_[static_cast<std::size_t>(i)]; }
  bool PictureShown(int i) const { return !images_[static_cast<std::size_t>(i)].isNull(); }
  WindowHeader* Header() const { return header_; }

  // Opens the link of the game in place i with the program's handler; false without one.
  bool OpenEntry(int i);

 private:
  QImage DownloadPicture(const std::string& address);

  const OnlineUi& ui_;
  WindowHeader* header_;
  std::optional<std::array<online::AdvertisingEntry, online::kAdvertisingShown>> entries_;
  std::array<QPushButton*, online::kAdvertisingShown> names_{};
  std::array<QPushButton*, online::kAdvertisingShown> pictures_{};
  std::array<QImage, online::kAdvertisingShown> images_{};
};

}  // namespace zendral
