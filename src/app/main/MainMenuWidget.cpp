#include "app/main/MainMenuWidget.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>

#include "app/main/AppText.h"
#include "app/main/MenuDecorations.h"
#include "app/main/MenuGeometry.h"
#include "app/main/TForm1.h"
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
#include "present/packs/ReadPicture.h"
#include "present/words/DailyWords.h"
#include "present/words/MenuServicesWords.h"
#include "present/words/WordRows.h"
#include "store/ClubList.h"

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

MainMenuWidget::MainMenuWidget(TForm1& form, QWidget* parent) : QWidget(parent), form_(form) {
  InitArtLibrary();
  InitAppArtLibrary();
  setObjectName("MainMenu");
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (int k = 1; k <= 5; ++k) {
    TKovCardsButton* b = MakeButton(qPrintable(QString("Button%1").arg(k)));
    members_[static_cast<std::size_t>(k - 1)] = b;
    connect(b, &QPushButton::clicked, this, [this, k] { form_.StartSession(k); });
  }
  button6_ = MakeButton("Button6");
  connect(button6_, &QPushButton::clicked, this, [this] { form_.StartSession(kNewPlayerSlot); });
  button9_ = MakeButton("Button9");
  connect(button9_, &QPushButton::clicked, this, [this] { form_.OpenTopTen(); });
  button9_->installEventFilter(this);
  button10_ = MakeButton("Button10");
  connect(button10_, &QPushButton::clicked, this, [this] { form_.OpenOptions(); });
  bHistory_ = MakeButton("BHistory");
  connect(bHistory_, &QPushButton::clicked, this, [this] { form_.OpenHistory(); });
  bMode_ = MakeButton("BMode");
  connect(bMode_, &QPushButton::clicked, this, [this] { form_.ToggleClubListMode(); });
  button11_ = MakeButton("Button11");
  connect(button11_, &QPushButton::clicked, this, [this] { form_.close(); });
  // The account and world icons of the right column.
  imAc_ = MakeIcon("ImAc");
  connect(imAc_, &QPushButton::clicked, this, [this] { form_.OpenAccount(); });
  imWorld_ = MakeIcon("ImageAdvR2");
  connect(imWorld_, &QPushButton::clicked, this, [this] { form_.OpenWorldTopTen(); });
  imStats_ = MakeIcon("ImageAdvR3");
  connect(imStats_, &QPushButton::clicked, this, [this] { form_.OpenStatistics(); });
  // The deal of the day, for members logged in.
  imDaily_ = MakeIcon("ImDaily");
  connect(imDaily_, &QPushButton::clicked, this, [this] { form_.OpenDaily(); });
  // The chat and the news, each with its siren over the icon's corner while something is new.
  imChat_ = MakeIcon("ImChat");
  connect(imChat_, &QPushButton::clicked, this, [this] { form_.OpenChat(); });
  imNews_ = MakeIcon("ImNews");
  connect(imNews_, &QPushButton::clicked, this, [this] { form_.OpenNews(); });
  // The two gifts: the maker's other games (left) and the support window (right).
  imAdvL1_ = MakeIcon("ImageAdvL1");
  connect(imAdvL1_, &QPushButton::clicked, this, [this] { form_.OpenAdvertising(); });
  imAdvR1_ = MakeIcon("ImageAdvR1");
  connect(imAdvR1_, &QPushButton::clicked, this, [this] { form_.OpenSupport(); });
  balloon_ = new MenuBalloon(this);
  icons_ = {imAdvL1_, imAdvR1_, imWorld_, imStats_, imAc_, imChat_, imNews_, imDaily_};
  for (QPushButton* icon : icons_) icon->installEventFilter(this);
  sirenR_ = new QPushButton(this);
  sirenR_->setObjectName("GSirenaR");
  connect(sirenR_, &QPushButton::clicked, this, [this] { form_.OpenChat(); });
  sirenB_ = new QPushButton(this);
  sirenB_->setObjectName("GSirenaB");
  connect(sirenB_, &QPushButton::clicked, this, [this] { form_.OpenNews(); });
  for (QPushButton* siren : {sirenR_, sirenB_}) {
    siren->setFlat(true);
    siren->setCursor(Qt::PointingHandCursor);
    siren->setStyleSheet("QPushButton { border: none; background: transparent; }");
    siren->hide();
  }
  panel4_ = new TKovCardsButton(this);
  panel4_->setObjectName("Panel4");
  panel4_->SetCaptionOnly(true);
  decorations_ = new MenuDecorations(form_, this);
}

void MainMenuWidget::ShowSignals(bool news, bool chat) {
  sirenB_->setVisible(news);
  sirenR_->setVisible(chat);
}

TKovCardsButton* MainMenuWidget::MakeButton(const char* objectName) {
  auto* b = new TKovCardsButton(this);
  b->setObjectName(objectName);
  b->setCursor(Qt::PointingHandCursor);
  return b;
}

// The icons are pictures on the menu's background, not buttons of a scheme.
QPushButton* MainMenuWidget::MakeIcon(const char* objectName) {
  auto* b = new QPushButton(this);
  b->setObjectName(objectName);
  b->setCursor(Qt::PointingHandCursor);
  b->setFlat(true);
  b->setStyleSheet(
      "QPushButton, QPushButton:pressed { border: none; background: transparent; "
      "padding: 0px; }");
  return b;
}

void MainMenuWidget::UseArt(TableArt* art) {
  art_ = art;
  if (art_ == nullptr) return;
  layout_ = PlaceMenu(art_->scale());
  for (int k = 0; k < 5; ++k) {
    members_[static_cast<std::size_t>(k)]->setGeometry(
        ToQRect(layout_.members[static_cast<std::size_t>(k)]));
  }
  button6_->setGeometry(ToQRect(layout_.newPlayer));
  button9_->setGeometry(ToQRect(layout_.topTen));
  button10_->setGeometry(ToQRect(layout_.options));
  bHistory_->setGeometry(ToQRect(layout_.history));
  bMode_->setGeometry(ToQRect(layout_.mode));
  button11_->setGeometry(ToQRect(layout_.exit));
  // The icon columns: icons of a fixed size whatever the scale. The gifts stand in row 1 of
  // each column; on the right the world top ten, the statistics and the account take rows 2
  // to 4.
  balloon_->hide();
  const auto place = [](QPushButton* b, const QRect& r) {
    b->setGeometry(r);
    b->setIconSize(b->size());
  };
  place(imAdvL1_, ToQRect(MenuIconPlace(false, 1, width())));
  place(imAdvR1_, ToQRect(MenuIconPlace(true, 1, width())));
  place(imWorld_, ToQRect(MenuIconPlace(true, 2, width())));
  place(imStats_, ToQRect(MenuIconPlace(true, 3, width())));
  place(imAc_, ToQRect(MenuIconPlace(true, 4, width())));
  // The news and the chat flank "New Player" and "Exit" at the bottom, between the two
  // animated pictures, where nothing else stands at any size. Each carries its siren over
  // its top left corner while something is new.
  place(imNews_, ToQRect(ChatNewsIconPlace(layout_, false, height())));
  place(imChat_, ToQRect(ChatNewsIconPlace(layout_, true, height())));
  // The deal of the day between the chat and the right animated picture: the icon columns are
  // full at the smaller sizes, where their last rows meet the menu's buttons. Where that gap
  // is narrower than an icon, the icon shrinks to fit it.
  const PixelRect gif2 =
      PlaceOrnaments(art_->scale(), layout_, false, ClientSize{width(), height()}).gif2;
  const QRect chat = imChat_->geometry();
  const int span = gif2.left - (chat.x() + chat.width());
  const int side = std::clamp(span - 8, kMenuIconSize / 2, kMenuIconSize);
  place(imDaily_, QRect(chat.x() + chat.width() + (span - side) / 2,
                        chat.y() + (kMenuIconSize - side) / 2, side, side));
  const int siren = kMenuIconSize * 3 / 5;
  for (auto [signal, under] : {std::pair{sirenR_, imChat_}, std::pair{sirenB_, imNews_}}) {
    signal->setGeometry(under->x() - siren / 3, under->y() - siren / 3, siren, siren);
    signal->setIconSize(QSize(siren, siren));
    signal->raise();
  }
  panel4_->setGeometry(ToQRect(layout_.header));
  ApplyButtonLook();
  ApplyLanguage();
  update();
}

// The customizable design: navy with cyan letters for the players, red with white letters for
// the menu's actions, blue for the header; the purple design draws everything in its card
// scheme with gold letters. Letters turn yellow under the mouse in both.
void MainMenuWidget::ApplyButtonLook() {
  const int h = layout_.rowHeight;
  const bool purple = form_.CurrentSettings().MainMenuDesign == 1;
  const bool second = form_.CurrentSettings().NewButtons;
  const QColor underMouse(255, 255, 0);
  QFont action(art_ != nullptr ? art_->fonts().large : QString("Comic Sans MS"));
  action.setPixelSize(std::max(9, h * 11 / 20));
  action.setBold(true);
  const int indent = std::max(4, h / 4);
  for (std::size_t k = 0; k < members_.size(); ++k) {
    TKovCardsButton* b = members_[k];
    const bool account = k == 4 && accountLine_;
    b->SetScheme(purple    ? ButtonScheme::DCards
                 : account ? ButtonScheme::DRed
                           : ButtonScheme::DNavy);
    b->SetTextColours(purple ? QColor(200, 175, 50) : QColor(0, 255, 255), underMouse);
    b->setFont(ListFont(h));
    b->SetLeftAligned(true, indent);
  }
  button6_->SetScheme(purple ? ButtonScheme::DCards : ButtonScheme::DNavy);
  button6_->SetTextColours(purple ? QColor(200, 175, 50) : QColor(0, 255, 255), underMouse);
  button6_->setFont(action);
  for (TKovCardsButton* b : {button9_, button10_, bHistory_, bMode_, button11_}) {
    b->SetScheme(purple ? ButtonScheme::DCards : ButtonScheme::DRed);
    b->SetTextColours(purple ? QColor(200, 175, 50) : QColor(Qt::white), underMouse);
    b->setFont(action);
  }
  if (purple) {
    panel4_->SetScheme(ButtonScheme::DCards);
    panel4_->SetHighlight(50);
    panel4_->SetTextColours(QColor(128, 50, 50), QColor(128, 50, 50));
  } else {
    panel4_->SetScheme(ButtonScheme::DBlue);
    panel4_->SetHighlight(0);
    const QColor text = second ? QColor(0, 0, 255) : QColor(200, 255, 255);
    panel4_->SetTextColours(text, text);
  }
  panel4_->setFont(ListFont(h));
  panel4_->SetLeftAligned(true, indent);
  for (TKovCardsButton* b : members_) b->SetSecondStyle(second);
  for (TKovCardsButton* b :
       {button6_, button9_, button10_, bHistory_, bMode_, button11_, panel4_}) {
    b->SetSecondStyle(second);
  }
}

// The account icon: its picture with the lamp of the account's state.
void MainMenuWidget::ShowAccountIcon() {
  // Offline while the online start-up runs; drawn again once it is over.
  OnlineLink* online = form_.OnlineIfReady();
  const auto state = online != nullptr ? online->Club().state() : online::AccountState::asOffline;
  QImage picture = PaintAccountPicture(48);
  QPainter p(&picture);
  p.drawImage(30, 30, LampOfState(state).scaled(18, 18));
  p.end();
  imAc_->setIcon(QIcon(QPixmap::fromImage(picture)));
  imAc_->setIconSize(imAc_->size());
  imDaily_->setEnabled(state != online::AccountState::asOffline);
}

void MainMenuWidget::ApplyLanguage() {
  ShowAccountIcon();
  imWorld_->setIcon(QIcon(QPixmap::fromImage(PaintWorldPicture(48))));
  imWorld_->setIconSize(imWorld_->size());
  imStats_->setIcon(QIcon(QPixmap::fromImage(PaintStatsPicture(48))));
  imStats_->setIconSize(imStats_->size());
  imDaily_->setIcon(QIcon(QPixmap::fromImage(PaintDailyPicture(48))));
  imDaily_->setIconSize(imDaily_->size());
  imChat_->setIcon(QIcon(QPixmap::fromImage(PaintChatPicture(48))));
  imChat_->setIconSize(imChat_->size());
  imNews_->setIcon(QIcon(QPixmap::fromImage(PaintNewsPicture(48))));
  imNews_->setIconSize(imNews_->size());
  imAdvL1_->setIcon(QIcon(QPixmap::fromImage(PaintGiftPicture('R', 48))));
  imAdvR1_->setIcon(QIcon(QPixmap::fromImage(PaintGiftPicture('G', 48))));
  sirenR_->setIcon(QIcon(QPixmap::fromImage(PaintSiren('R', 48))));
  sirenR_->setToolTip(Text(kWordKovChat));
  sirenB_->setIcon(QIcon(QPixmap::fromImage(PaintSiren('B', 48))));
  sirenB_->setToolTip(Text(kWordKovNews));
  button6_->setText(Text(kWordNewPlayer));
  button9_->setText(Text(kWordTopTen));
  button10_->setText(Text(kWordOptions));
  bHistory_->setText(Text(kWordHistory));
  bMode_->setText(Text(kWordMode));
  button11_->setText(Text(kWordExit));
  panel4_->setText(Text(kWordClubListHeader, form_.CurrentSettings().ClubListMode));
  decorations_->ApplyLanguage();
  FillClubList();
  update();
}

std::pair<QString, QString> MainMenuWidget::Balloon(const QPushButton* icon) const {
  if (icon == imAdvL1_) return {Text(kWordMoreGames), Text(kWordPlayOtherGames)};
  if (icon == imAdvR1_) return {Text(kWordSupportUs), Text(kWordThankYouForSupport)};
  if (icon == imWorld_) return {"World Top 10", "Windows / Android / Account"};
  if (icon == imStats_) return {Text(kWordStatistics), "World-" + Text(kWordStatistics)};
  if (icon == imDaily_) return {Text(kWordDailyDeal), Text(kWordDailyPar) + " / Top 10"};
  if (icon == imChat_) return {Text(kWordChat), Text(kWordKovChat)};
  if (icon == imNews_) return {Text(kWordNews), Text(kWordKovNews)};
  if (icon == imAc_ && form_.OnlineIfReady() != nullptr) {
    const online::OnlineClub& club = form_.OnlineIfReady()->Club();
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
  const Settings& settings = form_.CurrentSettings();
  // The list's limit of 360 pixels belongs to the small window's font; the font grows with
  // the window, so widths are measured back at that scale.
  const QFontMetricsF metrics(ListFont(layout_.rowHeight));
  const double scale = art_ != nullptr ? art_->scale().pictureScale : 1.0;
  const TextWidthFn width = [&](std::string_view text) {
    return static_cast<int>(metrics.horizontalAdvance(QtText(text)) / scale + 0.5);
  };
  const auto texts = ReadClubList(form_.ClubPath(settings.NetGame), settings.ClubListMode, width);
  for (int k = 0; k < 5; ++k) {
    members_[static_cast<std::size_t>(k)]->setText(
        texts ? QtText((*texts)[static_cast<std::size_t>(k)]) : QString());
  }
  // While logged in, the fifth line shows the account's results from the server, on red.
  bool account = false;
  if (form_.OnlineIfReady() != nullptr) {
    if (const auto line = form_.OnlineIfReady()->ClubListLine(settings.ClubListMode)) {
      members_[4]->setText(QtText(*line));
      account = true;
    }
  }
  if (account != accountLine_) {
    accountLine_ = account;
    if (art_ != nullptr) ApplyButtonLook();
  }
}

QPixmap MainMenuWidget::Picture(const QString& name, const PixelRect& box) {
  const qreal dpr = devicePixelRatioF();
  // The titles (not "GTitle") are drawn in the colour variant of the settings.
  const int colour = name == "GTitle" ? 1 : form_.CurrentSettings().CaptionColour;
  const QString key =
      QString("%1/%2x%3@%4/%5").arg(name).arg(box.width).arg(box.height).arg(dpr).arg(colour);
  if (const auto found = pictures_.constFind(key); found != pictures_.constEnd()) {
    return found.value();
  }
  const QImage image =
      CaptionColourVariant(ReadPictureFile(":/appart/" + name + ".png", "PNG"), colour);
  QPixmap pixmap;
  if (!image.isNull()) {
    pixmap = QPixmap::fromImage(image.scaled(QSize(box.width, box.height) * dpr,
                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(dpr);
  }
  pictures_.insert(key, pixmap);
  return pixmap;
}

void MainMenuWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (art_ == nullptr) {
    p.fillRect(rect(), QColor(14, 100, 50));
    return;
  }
  DrawBackground(p, *art_, {0, 0, width(), height()}, true);
  const bool network = form_.CurrentSettings().NetGame;
  const struct {
    QString name;
    const PixelRect& box;
  } pictures[] = {{"Cap" + Code(), layout_.caption},
                  {"GTitle", layout_.title},
                  {(network ? "Net__" : "Elite") + Code(), layout_.clubTitle}};
  for (const auto& picture : pictures) {
    const QPixmap pixmap = Picture(picture.name, picture.box);
    if (!pixmap.isNull()) p.drawPixmap(picture.box.left, picture.box.top, pixmap);
  }
}

void MainMenuWidget::mousePressEvent(QMouseEvent* event) {
  // A click on the title gives both titles the next colour variant.
  if (event->button() == Qt::LeftButton &&
      ToQRect(layout_.caption).contains(event->position().toPoint())) {
    Settings& settings = form_.CurrentSettings();
    settings.CaptionColour = NextCaptionColour(settings.CaptionColour);
    update();
    return;
  }
  if (event->button() == Qt::RightButton) {
    form_.ShowPopup(event->globalPosition().toPoint());
  }
}

bool MainMenuWidget::eventFilter(QObject* watched, QEvent* event) {
  // Pointing at "Top Ten" tells the length of a cycle for 5 seconds.
  if (watched == button9_ && event->type() == QEvent::Enter) {
    QToolTip::showText(button9_->mapToGlobal(QPoint(button9_->width() / 2, button9_->height())),
                       TopTenBalloonTitle(), button9_, QRect(), kTopTenBalloonMs);
  }
  // Pointing at an icon shows its balloon; leaving it closes the balloon.
  if (auto* icon = qobject_cast<QPushButton*>(watched);
      icon != nullptr && std::ranges::find(icons_, icon) != icons_.end()) {
    if (event->type() == QEvent::Enter) {
      const auto [title, text] = Balloon(icon);
      balloon_->ShowFor(icon, title, text,
                        art_ != nullptr ? art_->fonts().large : QString("Comic Sans MS"));
    } else if (event->type() == QEvent::Leave) {
      balloon_->hide();
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace zendral
