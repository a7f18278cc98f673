#include "app/main/MainMenuWidget.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>
#include <future>

#include "app/main/AppText.h"
#include "app/main/IconButton.h"
#include "app/main/MainMenuController.h"
#include "app/main/MenuDecorations.h"
#include "app/main/MenuGeometry.h"
#include "app/main/TitlePicture.h"
#include "app/menuart/PictureBook.h"
#include "app/online/MenuArt.h"
#include "app/online/OnlineArt.h"
#include "app/online/OnlineLink.h"
#include "app/online/TFDaily.h"
#include "app/windows/MainMenuActions.h"
#include "appart/AppArtLibrary.h"
#include "art/ArtLibrary.h"
#include "game/GameState.h"
#include "present/draw/TableDrawing.h"
#include "present/packs/PackNames.h"
#include "present/packs/PackPictures.h"
#include "present/words/DailyWords.h"
#include "present/words/MenuBalloonWords.h"
#include "present/words/MenuServicesWords.h"
#include "present/words/WordRows.h"
#include "store/ClubList.h"
#include "store/Settings.h"

namespace zendral {

using appmain::QtText;
using appmain::Text;

namespace {

QRect ToQRect(const PixelRect& r) {
  return QRect(r.left, r.top, r.width, r.height);
}

QString Code() {
  const std::string_view code = PictureCode(Language());
  return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

// The club list is set in a fixed font so that its columns line up under the header.
QFont ListFont(int rowHeight) {
  QFont font("Courier New");
  font.setStyleHint(QFont::Monospace);
  font.setBold(true);
  font.setPixelSize(std::max(9, rowHeight * 9 / 20));
  return font;
}

}  // namespace

MainMenuWidget::MainMenuWidget(MainMenuController& controller, QWidget* parent)
    : QWidget(parent), controller_(controller) {
  InitArtLibrary();
  InitAppArtLibrary();
  setObjectName("MainMenu");
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (int k = 1; k <= 5; ++k) {
    TKovCardsButton* b = MakeButton(qPrintable(QString("Button%1").arg(k)));
    memberButtons_[static_cast<std::size_t>(k - 1)] = b;
    connect(b, &QPushButton::clicked, this, [this, k] { controller_.StartSession(k); });
  }
  newPlayerButton_ = MakeButton("Button6");
  connect(newPlayerButton_, &QPushButton::clicked, this,
          [this] { controller_.StartSession(kNewPlayerSlot); });
  topTenButton_ = MakeButton("Button9");
  connect(topTenButton_, &QPushButton::clicked, this, [this] { controller_.OpenTopTen(); });
  topTenButton_->installEventFilter(this);
  optionsButton_ = MakeButton("Button10");
  connect(optionsButton_, &QPushButton::clicked, this, [this] { controller_.OpenOptions(); });
  historyButton_ = MakeButton("BHistory");
  connect(historyButton_, &QPushButton::clicked, this, [this] { controller_.OpenHistory(); });
  modeButton_ = MakeButton("BMode");
  connect(modeButton_, &QPushButton::clicked, this, [this] { controller_.ToggleClubListMode(); });
  exitButton_ = MakeButton("Button11");
  connect(exitButton_, &QPushButton::clicked, this, [this] { controller_.Quit(); });
  // The account and world icons of the right column.
  accountIcon_ = MakeIcon("ImAc");
  connect(accountIcon_, &QPushButton::clicked, this, [this] { controller_.OpenAccount(); });
  worldIcon_ = MakeIcon("ImageAdvR2");
  connect(worldIcon_, &QPushButton::clicked, this, [this] { controller_.OpenWorldTopTen(); });
  statsIcon_ = MakeIcon("ImageAdvR3");
  connect(statsIcon_, &QPushButton::clicked, this, [this] { controller_.OpenStatistics(); });
  // The deal of the day, for members logged in.
  dailyIcon_ = MakeIcon("ImDaily");
  connect(dailyIcon_, &QPushButton::clicked, this, [this] { controller_.OpenDaily(); });
  // The chat and the news, each with its siren over the icon's corner while something is new.
  chatIcon_ = MakeIcon("ImChat");
  connect(chatIcon_, &QPushButton::clicked, this, [this] { controller_.OpenChat(); });
  newsIcon_ = MakeIcon("ImNews");
  connect(newsIcon_, &QPushButton::clicked, this, [this] { controller_.OpenNews(); });
  // The two gifts: the maker's other games (left) and the support window (right).
  advertisingIcon_ = MakeIcon("ImageAdvL1");
  connect(advertisingIcon_, &QPushButton::clicked, this, [this] { controller_.OpenAdvertising(); });
  supportIcon_ = MakeIcon("ImageAdvR1");
  connect(supportIcon_, &QPushButton::clicked, this, [this] { controller_.OpenSupport(); });
  iconBalloon_ = new MenuBalloon(this);
  balloonIcons_ = {advertisingIcon_, supportIcon_, worldIcon_, statsIcon_,
                   accountIcon_,     chatIcon_,    newsIcon_,  dailyIcon_};
  for (QPushButton* icon : balloonIcons_) icon->installEventFilter(this);
  chatSiren_ = new IconButton(this);
  chatSiren_->setObjectName("GSirenaR");
  connect(chatSiren_, &QPushButton::clicked, this, [this] { controller_.OpenChat(); });
  newsSiren_ = new IconButton(this);
  newsSiren_->setObjectName("GSirenaB");
  connect(newsSiren_, &QPushButton::clicked, this, [this] { controller_.OpenNews(); });
  chatSiren_->hide();
  newsSiren_->hide();
  clubListHeader_ = new TKovCardsButton(this);
  clubListHeader_->setObjectName("Panel4");
  clubListHeader_->SetCaptionOnly(true);
  decorations_ = new MenuDecorations(controller_, this);
}

void MainMenuWidget::ShowSignals(bool news, bool chat) {
  newsSiren_->setVisible(news);
  chatSiren_->setVisible(chat);
}

TKovCardsButton* MainMenuWidget::MakeButton(const char* objectName) {
  auto* b = new TKovCardsButton(this);
  b->setObjectName(objectName);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

// The icons are pictures on the menu's background, not buttons of a scheme.
QPushButton* MainMenuWidget::MakeIcon(const char* objectName) {
  auto* b = new IconButton(this);
  b->setObjectName(objectName);
  return b;
}

void MainMenuWidget::UseArt(TableArt* art) {
  art_ = art;
  if (art_ == nullptr) return;
  layout_ = PlaceMenu(art_->scale());
  for (int k = 0; k < 5; ++k) {
    memberButtons_[static_cast<std::size_t>(k)]->setGeometry(
        ToQRect(layout_.members[static_cast<std::size_t>(k)]));
  }
  newPlayerButton_->setGeometry(ToQRect(layout_.newPlayer));
  topTenButton_->setGeometry(ToQRect(layout_.topTen));
  optionsButton_->setGeometry(ToQRect(layout_.options));
  historyButton_->setGeometry(ToQRect(layout_.history));
  modeButton_->setGeometry(ToQRect(layout_.mode));
  exitButton_->setGeometry(ToQRect(layout_.exit));
  // The icon columns: icons of a fixed size whatever the scale. The gifts stand in row 1 of
  // each column; on the right the world top ten, the statistics and the account take rows 2
  // to 4.
  iconBalloon_->hide();
  const auto place = [](QPushButton* b, const QRect& r) {
    b->setGeometry(r);
    b->setIconSize(b->size());
  };
  place(advertisingIcon_, ToQRect(MenuIconPlace(false, 1, width())));
  place(supportIcon_, ToQRect(MenuIconPlace(true, 1, width())));
  place(worldIcon_, ToQRect(MenuIconPlace(true, 2, width())));
  place(statsIcon_, ToQRect(MenuIconPlace(true, 3, width())));
  place(accountIcon_, ToQRect(MenuIconPlace(true, 4, width())));
  // The news and the chat flank "New Player" and "Exit" at the bottom, between the two
  // animated pictures, where nothing else stands at any size. Each carries its siren over
  // its top left corner while something is new.
  place(newsIcon_, ToQRect(ChatNewsIconPlace(layout_, false, height())));
  place(chatIcon_, ToQRect(ChatNewsIconPlace(layout_, true, height())));
  // The deal of the day between the chat and the right animated picture: the icon columns are
  // full at the smaller sizes, where their last rows meet the menu's buttons. Where that gap
  // is narrower than an icon, the icon shrinks to fit it.
  const PixelRect gif2 =
      PlaceOrnaments(art_->scale(), layout_, false, ClientSize{width(), height()}).gif2;
  const QRect chat = chatIcon_->geometry();
  const int span = gif2.left - (chat.x() + chat.width());
  const int side = std::clamp(span - 8, kMenuIconSize / 2, kMenuIconSize);
  place(dailyIcon_, QRect(chat.x() + chat.width() + (span - side) / 2,
                          chat.y() + (kMenuIconSize - side) / 2, side, side));
  const int siren = kMenuIconSize * 3 / 5;
  for (auto [signal, under] :
       {std::pair{chatSiren_, chatIcon_}, std::pair{newsSiren_, newsIcon_}}) {
    signal->setGeometry(under->x() - siren / 3, under->y() - siren / 3, siren, siren);
    signal->setIconSize(QSize(siren, siren));
    signal->raise();
  }
  clubListHeader_->setGeometry(ToQRect(layout_.header));
  ApplyButtonLook();
  ApplyLanguage();
  update();
}

// The customizable design: navy with cyan letters for the players, red with white letters for
// the menu's actions, blue for the header; the purple design draws everything in its card
// scheme with gold letters. Letters turn yellow under the mouse in both.
void MainMenuWidget::ApplyButtonLook() {
  const int h = layout_.rowHeight;
  const bool purple = controller_.CurrentSettings().MainMenuDesign == 1;
  const bool second = controller_.CurrentSettings().NewButtons;
  const QColor underMouse(255, 255, 0);
  QFont action(art_ != nullptr ? art_->fonts().large : QString("Comic Sans MS"));
  action.setPixelSize(std::max(9, h * 11 / 20));
  action.setBold(true);
  const int indent = std::max(4, h / 4);
  for (std::size_t k = 0; k < memberButtons_.size(); ++k) {
    TKovCardsButton* b = memberButtons_[k];
    const bool account = k == 4 && accountLine_;
    b->SetScheme(purple    ? ButtonScheme::DCards
                 : account ? ButtonScheme::DRed
                           : ButtonScheme::DNavy);
    b->SetTextColours(purple ? QColor(200, 175, 50) : QColor(0, 255, 255), underMouse);
    b->setFont(ListFont(h));
    b->SetLeftAligned(true, indent);
  }
  newPlayerButton_->SetScheme(purple ? ButtonScheme::DCards : ButtonScheme::DNavy);
  newPlayerButton_->SetTextColours(purple ? QColor(200, 175, 50) : QColor(0, 255, 255), underMouse);
  newPlayerButton_->setFont(action);
  for (TKovCardsButton* b :
       {topTenButton_, optionsButton_, historyButton_, modeButton_, exitButton_}) {
    b->SetScheme(purple ? ButtonScheme::DCards : ButtonScheme::DRed);
    b->SetTextColours(purple ? QColor(200, 175, 50) : QColor(Qt::white), underMouse);
    b->setFont(action);
  }
  if (purple) {
    clubListHeader_->SetScheme(ButtonScheme::DCards);
    clubListHeader_->SetHighlight(50);
    clubListHeader_->SetTextColours(QColor(128, 50, 50), QColor(128, 50, 50));
  } else {
    clubListHeader_->SetScheme(ButtonScheme::DBlue);
    clubListHeader_->SetHighlight(0);
    const QColor text = second ? QColor(0, 0, 255) : QColor(200, 255, 255);
    clubListHeader_->SetTextColours(text, text);
  }
  clubListHeader_->setFont(ListFont(h));
  clubListHeader_->SetLeftAligned(true, indent);
  for (TKovCardsButton* b : memberButtons_) b->SetSecondStyle(second);
  for (TKovCardsButton* b : {newPlayerButton_, topTenButton_, optionsButton_, historyButton_,
                             modeButton_, exitButton_, clubListHeader_}) {
    b->SetSecondStyle(second);
  }
}

// The account icon: its picture with the lamp of the account's state.
void MainMenuWidget::ShowAccountIcon() {
  // Offline while the online start-up runs; drawn again once it is over.
  OnlineLink* online = controller_.Program().OnlineIfReady();
  const auto state = online != nullptr ? online->Club().state() : online::AccountState::asOffline;
  QImage picture = BookPicture("Account48");
  QPainter p(&picture);
  p.drawImage(30, 30, LampOfState(state).scaled(18, 18));
  p.end();
  accountIcon_->setIcon(QIcon(QPixmap::fromImage(picture)));
  accountIcon_->setIconSize(accountIcon_->size());
  dailyIcon_->setEnabled(state != online::AccountState::asOffline);
}

void MainMenuWidget::ApplyLanguage() {
  ShowAccountIcon();
  worldIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("Earth48"))));
  worldIcon_->setIconSize(worldIcon_->size());
  statsIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("Stats48"))));
  statsIcon_->setIconSize(statsIcon_->size());
  dailyIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("Daily48"))));
  dailyIcon_->setIconSize(dailyIcon_->size());
  chatIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("Chat48"))));
  chatIcon_->setIconSize(chatIcon_->size());
  newsIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("News48"))));
  newsIcon_->setIconSize(newsIcon_->size());
  advertisingIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("AdvGiftR48"))));
  supportIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("AdvGiftG48"))));
  chatSiren_->setIcon(QIcon(QPixmap::fromImage(BookPicture("GSirenaR48"))));
  chatSiren_->setToolTip(Text(kWordKovChat));
  newsSiren_->setIcon(QIcon(QPixmap::fromImage(BookPicture("GSirenaB48"))));
  newsSiren_->setToolTip(Text(kWordKovNews));
  newPlayerButton_->setText(Text(kWordNewPlayer));
  topTenButton_->setText(Text(kWordTopTen));
  optionsButton_->setText(Text(kWordOptions));
  historyButton_->setText(Text(kWordHistory));
  modeButton_->setText(Text(kWordMode));
  exitButton_->setText(Text(kWordExit));
  clubListHeader_->setText(Text(kWordClubListHeader, controller_.CurrentSettings().ClubListMode));
  decorations_->ApplyLanguage();
  FillClubList();
  update();
}

std::pair<QString, QString> MainMenuWidget::Balloon(const QPushButton* icon) const {
  if (icon == advertisingIcon_) return {Text(kWordMoreGames), Text(kWordPlayOtherGames)};
  if (icon == supportIcon_) return {Text(kWordSupportUs), Text(kWordThankYouForSupport)};
  if (icon == worldIcon_) return {Text(kWordWorldTopTenBalloon), Text(kWordWorldTopTenEditions)};
  if (icon == statsIcon_) return {Text(kWordStatistics), Text(kWordWorldStatistics)};
  if (icon == dailyIcon_)
    return {Text(kWordDailyDeal), Text(kWordDailyPar) + " / " + Text(kWordDailyTopTen)};
  if (icon == chatIcon_) return {Text(kWordChat), Text(kWordKovChat)};
  if (icon == newsIcon_) return {Text(kWordNews), Text(kWordKovNews)};
  if (icon == accountIcon_ && controller_.Program().OnlineIfReady() != nullptr) {
    const online::OnlineClub& club = controller_.Program().OnlineIfReady()->Club();
    const QString nick = QtText(club.user().Nick);
    switch (club.state()) {
      case online::AccountState::asOffline:
        return {Text(kWordNotLoggedIn),
                Text(kWordLoginToAccount) + " / " + Text(kWordCreateAccount)};
      case online::AccountState::asRated:
        return {Text(kWordRatedGamePending), nick};
      default:
        return {Text(kWordLoggedIn), nick};
    }
  }
  return {};
}

void MainMenuWidget::FillClubList() {
  const Settings& settings = controller_.CurrentSettings();
  // The list's limit of 360 pixels belongs to the small window's font; the font grows with
  // the window, so widths are measured back at that scale.
  const QFontMetricsF metrics(ListFont(layout_.rowHeight));
  const double scale = art_ != nullptr ? art_->scale().pictureScale : 1.0;
  const TextWidthFn width = [&](std::string_view text) {
    return static_cast<int>(metrics.horizontalAdvance(QtText(text)) / scale + 0.5);
  };
  const auto texts =
      ReadClubList(controller_.Program().ClubPath(settings.NetGame), settings.ClubListMode, width);
  for (int k = 0; k < 5; ++k) {
    memberButtons_[static_cast<std::size_t>(k)]->setText(
        texts ? QtText((*texts)[static_cast<std::size_t>(k)]) : QString());
  }
  // While logged in, the fifth line shows the account's results from the server, on red.
  bool account = false;
  if (controller_.Program().OnlineIfReady() != nullptr) {
    if (const auto line =
            controller_.Program().OnlineIfReady()->ClubListLine(settings.ClubListMode)) {
      memberButtons_[4]->setText(QtText(*line));
      account = true;
    }
  }
  if (account != accountLine_) {
    accountLine_ = account;
    if (art_ != nullptr) ApplyButtonLook();
  }
}

namespace {

// A title picture at its box's size in the colour variant, made off the window's thread.
QImage TitleImage(const QString& name, QSize size, int colour) {
  return CaptionColourVariant(TitlePictureAt(name, size), colour)
      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

void MainMenuWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (art_ == nullptr) {
    p.fillRect(rect(), QColor(14, 100, 50));
    return;
  }
  const qreal dpr = devicePixelRatioF();
  const bool network = controller_.CurrentSettings().NetGame;
  struct Title {
    QString name;
    const PixelRect& box;
    QString key;
    std::future<QImage> made;
  } titles[] = {{"Cap" + Code(), layout_.caption, {}, {}},
                {"GTitle", layout_.title, {}, {}},
                {(network ? "Net__" : "Elite") + Code(), layout_.clubTitle, {}, {}}};
  // The titles not made yet for this size are decoded on threads of their own while the felt
  // is drawn. The titles (not "GTitle") take the colour variant of the settings.
  for (Title& title : titles) {
    const int colour = title.name == "GTitle" ? 1 : controller_.CurrentSettings().CaptionColour;
    const QSize size = QSize(title.box.width, title.box.height) * dpr;
    title.key = QString("%1/%2x%3@%4/%5")
                    .arg(title.name)
                    .arg(size.width())
                    .arg(size.height())
                    .arg(dpr)
                    .arg(colour);
    if (!pictures_.contains(title.key)) {
      title.made = std::async(std::launch::async, TitleImage, title.name, size, colour);
    }
  }
  DrawBackground(p, *art_, {0, 0, width(), height()}, true);
  for (Title& title : titles) {
    if (title.made.valid()) {
      QPixmap pixmap = QPixmap::fromImage(title.made.get());
      pixmap.setDevicePixelRatio(dpr);
      pictures_.insert(title.key, pixmap);
    }
    const QPixmap& pixmap = pictures_[title.key];
    if (!pixmap.isNull()) p.drawPixmap(title.box.left, title.box.top, pixmap);
  }
}

void MainMenuWidget::mousePressEvent(QMouseEvent* event) {
  // A click on the title gives both titles the next colour variant.
  if (event->button() == Qt::LeftButton &&
      ToQRect(layout_.caption).contains(event->position().toPoint())) {
    Settings& settings = controller_.CurrentSettings();
    settings.CaptionColour = NextCaptionColour(settings.CaptionColour);
    update();
    return;
  }
  if (event->button() == Qt::RightButton) {
    controller_.ShowPopup(event->globalPosition().toPoint());
  }
}

bool MainMenuWidget::eventFilter(QObject* watched, QEvent* event) {
  // Pointing at "Top Ten" tells the length of a cycle for 5 seconds.
  if (watched == topTenButton_ && event->type() == QEvent::Enter) {
    QToolTip::showText(
        topTenButton_->mapToGlobal(QPoint(topTenButton_->width() / 2, topTenButton_->height())),
        TopTenBalloonTitle(), topTenButton_, QRect(), kTopTenBalloonMs);
  }
  // Pointing at an icon shows its balloon; leaving it closes the balloon.
  if (auto* icon = qobject_cast<QPushButton*>(watched);
      icon != nullptr && std::ranges::find(balloonIcons_, icon) != balloonIcons_.end()) {
    if (event->type() == QEvent::Enter) {
      const auto [title, text] = Balloon(icon);
      iconBalloon_->ShowFor(icon, title, text,
                            art_ != nullptr ? art_->fonts().large : QString("Comic Sans MS"));
    } else if (event->type() == QEvent::Leave) {
      iconBalloon_->hide();
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zendral
