#pragma once
// The online music player and the internet radio on the main window: the three player buttons
// at the bottom left, the radio icon beside the main menu's club list, the radio window, and
// what lies behind them (the playlist, the station lists, the state file, the two streams).
// The main window makes one and calls it at start-up, at the end of the intro, when it is
// placed anew, and at exit. Nothing here holds the program: the playlist, the station list and
// every stream arrive in their own time.

#include <QFont>
#include <QNetworkAccessManager>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "extras/radio/RadioController.h"

class QDialog;
class QWidget;

namespace zendral {
namespace audio {
class OnlinePlayer;
class StreamPlayer;
}  // namespace audio
}  // namespace zendral

namespace zendral::radioui {

class PictureButton;
class RadioIconWidget;
class TFormRadio;

// Where the main menu has room for the three player buttons (play, next, volume) and for the
// radio icon; the pictures are drawn to the size of their room.
struct MediaRooms {
  std::optional<std::array<QRect, 3>> music;
  std::optional<QRect> radio;
};

class MediaPanel {
 public:
  struct Hooks {
    std::function<int(QDialog&)> modal;  // runs a window modally; null: exec()
    // The radio started at the end of the intro: the MIDI song goes off (MusicOn cleared).
    std::function<void()> musicOff;
    // A random whole number from 0 to count - 1, for the music player's tracks.
    std::function<int(int count)> random;
    // Whether the machine has a sound device to play into; null: this machine's devices.
    std::function<bool()> soundDevice;
  };

  MediaPanel(QWidget& window, std::string serviceBase, Hooks hooks);
  ~MediaPanel();
  MediaPanel(const MediaPanel&) = delete;
  MediaPanel& operator=(const MediaPanel&) = delete;

  // At start-up: the radio's stored state as far as the folder tells it. `largeFont` is the
  // face the volume is written in.
  void StartUp(const std::filesystem::path& programFolder, bool radioListFromServer,
               const QString& largeFont);
  // What the start-up asks of the club's server, which the window's first picture does not
  // wait for: the station list when it comes from the server, and the music's playlist.
  void StartDownloads();
  // Decides whether the radio can play (its pack and the station list of the chosen source)
  // and takes the stored state. With the list from the server, the radio is unavailable until
  // the list has come.
  void PrepareRadio(bool listFromServer);
  // The intro is over: a radio stored as playing starts (and the song goes off).
  void IntroEnded();
  // Shows and places the player buttons and the radio icon on the main menu, in the rooms the
  // menu has for them (a room left out: no room at this window size; the pop-up menu still
  // reaches the radio). Neither shows in the intro or at the table.
  void Place(bool introShown, bool menuShown, const MediaRooms& rooms = {});
  // The radio window, or the message of a missing radio.
  void OpenRadioWindow();
  // Writes the state file; false when it could not be written, or was left as it was because
  // the radio was unavailable in this run (and so never read it).
  bool SaveRadioState();

  // The radio icon's hint, as the icon and the menu entry show it.
  QString RadioHint() const;
  // The icon's lamp: the radio's own, except that a radio nobody can hear (no sound device)
  // never shows the green lamp of a playing radio.
  QString LampShown() const;
  bool RadioPending() const { return listDownload_ != nullptr; }

  radio::RadioController& Radio() { return *radio_; }
  audio::OnlinePlayer& Music() { return *music_; }
  audio::StreamPlayer& RadioStreamPlayer() { return *radioPlayer_; }
  PictureButton* PlayButton() const { return play_; }
  PictureButton* NextButton() const { return next_; }
  PictureButton* VolumeButton() const { return volume_; }
  RadioIconWidget* Icon() const { return icon_; }
  TFormRadio* OpenWindow() const { return window_; }
  std::filesystem::path StateFile() const;
  std::filesystem::path ListFile() const;

 private:
  class Stream;
  void RefreshMusic();
  void RefreshRadio();
  void TakeStoredState(bool packFound, bool listFound);
  void StartStoredRadio();
  bool SoundDevice() const;

  QWidget& window_host_;
  std::string base_;
  Hooks hooks_;
  std::filesystem::path programFolder_;
  bool listFromServer_ = false;
  bool introOver_ = false;
  QFont volumeFont_;
  std::unique_ptr<QNetworkAccessManager> network_;
  QPointer<QObject> listDownload_;
  std::unique_ptr<audio::OnlinePlayer> music_;
  std::unique_ptr<audio::StreamPlayer> radioPlayer_;
  std::unique_ptr<Stream> stream_;
  std::unique_ptr<radio::RadioController> radio_;
  PictureButton* play_;
  PictureButton* next_;
  PictureButton* volume_;
  RadioIconWidget* icon_;
  TFormRadio* window_ = nullptr;
  bool musicShown_ = false;
};

}  // namespace zendral::radioui
