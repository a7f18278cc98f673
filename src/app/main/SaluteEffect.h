#pragma once
// The salute: a small firework played around the mouse pointer at the start of a click on one
// of the program's buttons or menu entries, and just before a card clicked by the local player
// is laid. Its 30 frames ("GTouch", a strip of 100 x 100 pixel frames side by side in the
// graphics pack) are painted one after another, 12 ms apart, by a see-through overlay that takes
// no input, laid over the program's window under the pointer; then the overlay goes and the
// window shows what was below. Like the card flight, the salute holds the game while it plays
// (the windows keep painting), and the click's action follows it. Without the graphics pack
// nothing is shown and nothing waits.

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QWidget>
#include <filesystem>
#include <functional>

namespace zendral {

struct Settings;

inline constexpr int kSaluteFrames = 30;
inline constexpr int kSaluteFrameSize = 100;
inline constexpr int kSaluteFrameMs = 12;
inline constexpr const char* kSalutePicture = "GTouch";

// One frame of the strip over what lies below: a child of the window it covers, painted without
// a background of its own and passing every mouse event through.
class SaluteOverlay : public QWidget {
 public:
  SaluteOverlay(const QImage& strip, QWidget* window);

  // Shows frame 1..kSaluteFrames at once.
  void ShowFrame(int frame);
  int Frame() const { return frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage strip_;
  int frame_ = 0;
};

class SaluteEffect : public QObject {
 public:
  struct Hooks {
    // Holds the game for a while; the windows keep painting.
    std::function<void(int milliseconds)> hold;
    // The window the salute covers when the pointer is over none of the program's windows.
    QWidget* mainWindow = nullptr;
  };

  // Watches the whole application's clicks until it is destroyed. The settings, the program
  // folder and the busy counter are the main window's and outlive the effect.
  SaluteEffect(const Settings& settings, const std::filesystem::path& programFolder, int& busy,
               Hooks hooks);
  ~SaluteEffect() override;
  SaluteEffect(const SaluteEffect&) = delete;
  SaluteEffect& operator=(const SaluteEffect&) = delete;

  // Plays the salute centred on a point of the screen and returns once it is over: false at
  // once when the graphics pack or its strip cannot be read.
  bool PlaySalute(QPoint globalCentre);

  // Called after every frame is painted, with the overlay showing it (tests watch the frames).
  std::function<void(const SaluteOverlay&)> onFrame;
  // How many salutes have played to their end.
  int Played() const { return played_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Whether a mouse release on the object completes a click the salute greets.
  static bool IsGreetedClick(QObject* watched, const QEvent& event);

  const Settings& settings_;
  const std::filesystem::path& programFolder_;
  int& busy_;
  Hooks hooks_;
  bool playing_ = false;
  int played_ = 0;
};

}  // namespace zendral
