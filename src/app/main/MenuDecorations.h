#pragma once
// The main menu's ornaments: the two animated pictures "GifMenu1" and "GifMenu2", the two side
// decorations with their lamps, the time clock and the indicator clock, and the left column of
// icons (the Android edition, the online help, the online tournament, the store). Every piece
// is a child widget of the menu, placed by the menu geometry and drawn over the menu's
// background; the lamps and the clocks move on the menu's tick.

#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/main/MenuGeometry.h"
#include "extras/menuinfo/MenuIndicator.h"

class QTimer;

namespace zendral {

class TForm1;

// The program's own pictures of the menu, drawn in code.
QImage PaintLampPicture(int index);  // 20 x 30, 0..5
QImage PaintDecorationPicture(bool right);
// The frames of "GifMenu1" (which 1) and "GifMenu2" (which 2), 160 x 200 each.
std::vector<QImage> PaintMenuGif(int which);
inline constexpr int kMenuGifFrames = 8;
// The icons of the left column: "Android", "ImHp", "ImTR", "GooglePlay"; 48 x 48.
QImage PaintMenuIcon(const QString& name);
inline constexpr int kMenuGifFrameMs = 120;
// The frame a still picture shows when the animation is off: 0 for the first, 4 for the second.
int StillGifFrame(int which);

// One of the two animated pictures.
class MenuGif : public QWidget {
 public:
  MenuGif(int which, QWidget* parent);
  void Start(bool animated);
  int Frame() const { return frame_; }
  bool Running() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int which_;
  int frame_ = 0;
  std::vector<QImage> frames_;
  QTimer* timer_;
};

// A side decoration with its three lamp cells.
class MenuDecoration : public QWidget {
 public:
  MenuDecoration(bool right, QWidget* parent);
  void ShowLamps(const std::array<int, 3>& lamps);
  const std::array<int, 3>& Lamps() const { return lamps_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  std::array<int, 3> lamps_{0, 1, 2};
};

// The time clock: hours and minutes with a separator that blinks with the second.
class MenuTimeClock : public QWidget {
 public:
  MenuTimeClock(QWidget* parent);
  void Show(int hour, int minute, int millisecond, bool drawn);
  bool SeparatorShown() const { return separator_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int hour_ = 0;
  int minute_ = 0;
  bool separator_ = false;
  bool drawn_ = false;
};

// The indicator clock: one value of the statistics at a time.
class MenuIndicatorClock : public QWidget {
 public:
  MenuIndicatorClock(QWidget* parent);
  void Show(const TIndicatorText& text);
  const QString& Number() const { return number_; }
  // The country whose flag stands left of the number; empty without a flag.
  const QString& FlagCountry() const { return country_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString number_ = "00";
  QString country_;
  QImage flag_;
};

// The balloon of an icon: a maroon title over a red text on light yellow in a red frame, with
// its arrow towards the icon; it closes by itself after five seconds.
class MenuBalloon : public QWidget {
 public:
  static constexpr int kShownMs = 5000;
  explicit MenuBalloon(QWidget* parent);
  void ShowFor(const QWidget* icon, const QString& title, const QString& text,
               const QString& fontFamily);
  const QString& Title() const { return title_; }
  const QString& Text() const { return text_; }
  bool BelowIcon() const { return below_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QFont TitleFont() const;
  QFont TextFont() const;

  QString title_;
  QString text_;
  QString family_;
  int arrowX_ = 0;
  bool below_ = true;  // below the icon, the arrow up; else above it, the arrow down
  QTimer* timer_;
};

class MenuDecorations : public QObject {
 public:
  // The current time, broken into its parts; tests hand in their own.
  struct Now {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
  };
  MenuDecorations(TForm1& form, QWidget* menu);

  // Places and shows everything for the window (step 7 to 10 of showing the menu).
  void Place(const TableScale& scale, const MenuLayout& layout, bool calendarShown,
             ClientSize client, const QString& largeFont = {});
  // One tick of the menu's timer: the lamps, then the clocks.
  void Tick();
  // The indicator's numbers, from the statistics read; "00" until they come.
  void SetIndicatorData(const TIndicatorData& data);
  // The addresses of the Android edition's package and of its store page, as the server names
  // them; empty while unknown.
  void SetEditionAddresses(const std::string& package, const std::string& store);
  // Captions and balloons in the current language.
  void ApplyLanguage();
  void SetClock(std::function<Now()> clock) { clock_ = std::move(clock); }

  const MenuOrnaments& Ornaments() const { return ornaments_; }
  int LampPhase() const { return phase_; }
  MenuGif* Gif(int which) const { return gifs_[static_cast<std::size_t>(which - 1)]; }
  MenuDecoration* Decoration(bool right) const { return right ? right_ : left_; }
  MenuTimeClock* TimeClock() const { return clock1_; }
  MenuIndicatorClock* IndicatorClock() const { return clock2_; }
  QPushButton* AndroidIcon() const { return android_; }
  QPushButton* HelpIcon() const { return help_; }
  QPushButton* TournamentIcon() const { return tournament_; }
  QPushButton* StoreIcon() const { return store_; }
  MenuBalloon* BalloonWidget() const { return balloon_; }
  // The balloon of an icon: title and text.
  std::pair<QString, QString> Balloon(const QPushButton* icon) const;
  // The address of the game's page under the service base.
  static QString HelpPageAddress();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* MakeIcon(const char* name);
  void ShowIndicatorValue(int value);
  void OpenHelp();
  void DownloadAndroid();
  void OpenStore();
  bool OpenAddress(const QString& address);

  TForm1& form_;
  QWidget* menu_;
  std::function<Now()> clock_;
  MenuOrnaments ornaments_;
  double pictureScale_ = 1.0;
  int phase_ = 0;
  std::array<MenuGif*, 2> gifs_{};
  MenuDecoration* left_;
  MenuDecoration* right_;
  MenuTimeClock* clock1_;
  MenuIndicatorClock* clock2_;
  QPushButton* android_;
  QPushButton* help_;
  QPushButton* tournament_;
  QPushButton* store_;
  MenuBalloon* balloon_;
  QString fontFamily_ = QStringLiteral("Comic Sans MS");
  IndicatorTurn turn_;
  int indicatorValue_ = 1;
  std::optional<TIndicatorData> data_;
  std::string package_;
  std::string storeAddress_;
};

}  // namespace zendral
