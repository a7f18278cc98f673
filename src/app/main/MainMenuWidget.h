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
  TKovCardsButton* MemberButton(int k) const {
    return memberButtons_[static_cast<std::size_t>(k - 1)];
  }
  QPushButton* NewPlayerButton() const { return newPlayerButton_; }
  QPushButton* ExitButton() const { return exitButton_; }
  QPushButton* ModeButton() const { return modeButton_; }
  QPushButton* AccountIcon() const { return accountIcon_; }
  QPushButton* WorldIcon() const { return worldIcon_; }
  QPushButton* StatsIcon() const { return statsIcon_; }
  QPushButton* DailyIcon() const { return dailyIcon_; }
  QPushButton* ChatIcon() const { return chatIcon_; }
  QPushButton* NewsIcon() const { return newsIcon_; }
  QPushButton* AdvertisingIcon() const { return advertisingIcon_; }
  QPushButton* SupportIcon() const { return supportIcon_; }
  // The sirens of a new chat message (red) and a news item (blue).
  QPushButton* ChatSiren() const { return chatSiren_; }
  QPushButton* NewsSiren() const { return newsSiren_; }
  void ShowSignals(bool news, bool chat);
  // The balloon of an icon of the right column or of a gift: title and text.
  std::pair<QString, QString> Balloon(const QPushButton* icon) const;
  MenuBalloon* IconBalloon() const { return iconBalloon_; }
  TKovCardsButton* Header() const { return clubListHeader_; }
  // The animated pictures, the side decorations, the clocks and the left icon column.
  MenuDecorations* Decorations() const { return decorations_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TKovCardsButton* MakeButton(const char* objectName);
  QPushButton* MakeIcon(const char* objectName);

  MainMenuController& controller_;
  TableArt* art_ = nullptr;
  MenuLayout layout_;
  // The controls by what they are. Each keeps its name of the design as its object name
  // ("Button1" … "Button11", "BMode", "ImAc", "GSirenaR", "Panel4", …), by which the
  // tests and the window's layout know it.
  std::array<TKovCardsButton*, 5> memberButtons_{};
  TKovCardsButton* newPlayerButton_;
  TKovCardsButton* topTenButton_;
  TKovCardsButton* optionsButton_;
  TKovCardsButton* historyButton_;
  TKovCardsButton* modeButton_;
  TKovCardsButton* exitButton_;
  bool accountLine_ = false;  // the fifth member button shows the account's line
  QPushButton* accountIcon_;
  QPushButton* worldIcon_;
  QPushButton* statsIcon_;
  QPushButton* dailyIcon_;
  QPushButton* chatIcon_;
  QPushButton* newsIcon_;
  QPushButton* advertisingIcon_;
  QPushButton* supportIcon_;
  std::array<QPushButton*, 8> balloonIcons_{};  // the icons with a balloon
  MenuBalloon* iconBalloon_;
  QPushButton* chatSiren_;
  QPushButton* newsSiren_;
  TKovCardsButton* clubListHeader_;
  QHash<QString, QPixmap> pictures_;  // the title pictures at their boxes' size
  MenuDecorations* decorations_;
};

}  // namespace zendral
