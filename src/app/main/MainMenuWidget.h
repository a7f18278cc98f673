#pragma once
// The main menu, drawn over the window background: the title pictures, the club list with its
// header and the five member buttons, "New Player" and the five menu buttons, each where the
// menu layout puts it for the window size. What the buttons do is the menu controller's business.

#include <QHash>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <utility>

#include "app/main/MenuLayout.h"
#include "app/windows/KovCardsButton.h"

class QPushButton;

namespace zendral {

class TableArt;
class MainMenuController;
class MenuDecorations;
class MenuBalloon;

class MainMenuWidget : public QWidget {
 public:
  MainMenuWidget(MainMenuController& controller, QWidget* parent);

  // Places every element for the art's window size and fills the club list.
  void UseArt(TableArt* art);
  // Captions in the current language, and the club list again.
  void ApplyLanguage();
  // Reads the club file of the current kind into the member buttons (ReadClubList).
  void FillClubList();
  // The account icon's picture for the account's state.
  void ShowAccountIcon();
  // The buttons' schemes, colours and drawing style for the menu's design and "New buttons".
  void ApplyButtonLook();

  const MenuLayout& Layout() const { return layout_; }
  TKovCardsButton* MemberButton(int k) const { return members_[static_cast<std::size_t>(k - 1)]; }
  QPushButton* NewPlayerButton() const { return button6_; }
  QPushButton* ExitButton() const { return button11_; }
  QPushButton* ModeButton() const { return bMode_; }
  QPushButton* AccountIcon() const { return imAc_; }
  QPushButton* WorldIcon() const { return imWorld_; }
  QPushButton* StatsIcon() const { return imStats_; }
  QPushButton* DailyIcon() const { return imDaily_; }
  QPushButton* ChatIcon() const { return imChat_; }
  QPushButton* NewsIcon() const { return imNews_; }
  QPushButton* AdvertisingIcon() const { return imAdvL1_; }
  QPushButton* SupportIcon() const { return imAdvR1_; }
  // The sirens of a new chat message (red) and a news item (blue).
  QPushButton* ChatSiren() const { return sirenR_; }
  QPushButton* NewsSiren() const { return sirenB_; }
  void ShowSignals(bool news, bool chat);
  // The balloon of an icon of the right column or of a gift: title and text.
  std::pair<QString, QString> Balloon(const QPushButton* icon) const;
  MenuBalloon* IconBalloon() const { return balloon_; }
  TKovCardsButton* Header() const { return panel4_; }
  // The animated pictures, the side decorations, the clocks and the left icon column.
  MenuDecorations* Decorations() const { return decorations_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TKovCardsButton* MakeButton(const char* objectName);
  QPushButton* MakeIcon(const char* objectName);
  QPixmap Picture(const QString& name, const PixelRect& box);

  MainMenuController& controller_;
  TableArt* art_ = nullptr;
  MenuLayout layout_;
  std::array<TKovCardsButton*, 5> members_{};
  TKovCardsButton* button6_;
  TKovCardsButton* button9_;
  TKovCardsButton* button10_;
  TKovCardsButton* bHistory_;
  TKovCardsButton* bMode_;
  TKovCardsButton* button11_;
  bool accountLine_ = false;  // the fifth member button shows the account's line
  QPushButton* imAc_;
  QPushButton* imWorld_;
  QPushButton* imStats_;
  QPushButton* imDaily_;
  QPushButton* imChat_;
  QPushButton* imNews_;
  QPushButton* imAdvL1_;
  QPushButton* imAdvR1_;
  std::array<QPushButton*, 8> icons_{};  // the icons with a balloon
  MenuBalloon* balloon_;
  QPushButton* sirenR_;
  QPushButton* sirenB_;
  TKovCardsButton* panel4_;
  QHash<QString, QPixmap> pictures_;  // the title pictures at their boxes' size
  MenuDecorations* decorations_;
};

}  // namespace zendral
