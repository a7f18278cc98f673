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

#include "app/main/MenuBalloon.h"
#include "app/main/MenuClocks.h"
#include "app/main/MenuDecoration.h"
#include "app/main/MenuGeometry.h"
#include "app/main/MenuGif.h"
#include "app/main/MenuPictures.h"
#include "extras/menuinfo/MenuIndicator.h"

class QTimer;

namespace zendral {

class MainMenuController;

class MenuDecorations : public QObject {
 public:
  // The current time, broken into its parts; tests hand in their own.
  struct Now {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
  };
  MenuDecorations(MainMenuController& controller, QWidget* menu);

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
  MenuGif* Gif(int which) const { return animations_[static_cast<std::size_t>(which - 1)]; }
  MenuDecoration* Decoration(bool right) const {
    return right ? rightDecoration_ : leftDecoration_;
  }
  MenuTimeClock* TimeClock() const { return timeClock_; }
  MenuIndicatorClock* IndicatorClock() const { return indicatorClock_; }
  QPushButton* AndroidIcon() const { return androidIcon_; }
  QPushButton* HelpIcon() const { return helpIcon_; }
  QPushButton* TournamentIcon() const { return tournamentIcon_; }
  QPushButton* StoreIcon() const { return storeIcon_; }
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

  MainMenuController& controller_;
  QWidget* menu_;
  std::function<Now()> clock_;
  MenuOrnaments ornaments_;
  double pictureScale_ = 1.0;
  int phase_ = 0;
  std::array<MenuGif*, 2> animations_{};
  MenuDecoration* leftDecoration_;
  MenuDecoration* rightDecoration_;
  MenuTimeClock* timeClock_;
  MenuIndicatorClock* indicatorClock_;
  QPushButton* androidIcon_;
  QPushButton* helpIcon_;
  QPushButton* tournamentIcon_;
  QPushButton* storeIcon_;
  MenuBalloon* balloon_;
  QString fontFamily_ = QStringLiteral("Comic Sans MS");
  IndicatorTurn turn_;
  int indicatorValue_ = 1;
  std::optional<TIndicatorData> data_;
  std::string package_;
  std::string storeAddress_;
};

}  // namespace zendral
