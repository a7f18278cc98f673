#include "app/main/MenuDecorations.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "app/main/AppText.h"
#include "app/main/IconButton.h"
#include "app/main/MainMenuController.h"
#include "app/menuart/PictureBook.h"
#include "app/online/OnlineArt.h"
#include "app/online/OnlineLink.h"
#include "app/windows/KovCardsButton.h"
#include "online/ServiceAddresses.h"
#include "present/packs/PackDownload.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

using appmain::QtText;
using appmain::Text;

namespace {

QString Quoted(const QString& text) {
  return "\"" + text + "\"";
}

}  // namespace

MenuDecorations::MenuDecorations(MainMenuController& controller, QWidget* menu)
    : QObject(menu), controller_(controller), menu_(menu), clock_([] {
        const QTime t = QTime::currentTime();
        return Now{t.hour(), t.minute(), t.second(), t.msec()};
      }) {
  setObjectName("MenuDecorations");
  animations_ = {new MenuGif(1, menu), new MenuGif(2, menu)};
  leftDecoration_ = new MenuDecoration(false, menu);
  rightDecoration_ = new MenuDecoration(true, menu);
  timeClock_ = new MenuTimeClock(menu);
  indicatorClock_ = new MenuIndicatorClock(menu);
  androidIcon_ = MakeIcon("ImageAdvL2");
  helpIcon_ = MakeIcon("ImHp");
  tournamentIcon_ = MakeIcon("ImTR");
  storeIcon_ = MakeIcon("ImageAdvL3");
  balloon_ = new MenuBalloon(menu);
  connect(androidIcon_, &QPushButton::clicked, this, [this] { DownloadAndroid(); });
  connect(helpIcon_, &QPushButton::clicked, this, [this] { OpenHelp(); });
  connect(tournamentIcon_, &QPushButton::clicked, this, [this] { controller_.OpenTournament(); });
  connect(storeIcon_, &QPushButton::clicked, this, [this] { OpenStore(); });
  ApplyLanguage();
}

QPushButton* MenuDecorations::MakeIcon(const char* name) {
  auto* icon = new IconButton(menu_);
  icon->setObjectName(name);
  icon->setIconSize(QSize(kMenuIconSize, kMenuIconSize));
  icon->installEventFilter(this);
  return icon;
}

void MenuDecorations::Place(const TableScale& scale, const MenuLayout& layout, bool calendarShown,
                            ClientSize client, const QString& largeFont) {
  if (!largeFont.isEmpty()) fontFamily_ = largeFont;
  balloon_->hide();
  pictureScale_ = scale.pictureScale;
  ornaments_ = PlaceOrnaments(scale, layout, calendarShown, client);
  const auto place = [](QWidget* w, const PixelRect& r) {
    w->setGeometry(r.left, r.top, r.width, r.height);
  };
  place(animations_[0], ornaments_.gif1);
  place(animations_[1], ornaments_.gif2);
  place(leftDecoration_, ornaments_.leftDecoration);
  place(rightDecoration_, ornaments_.rightDecoration);
  place(timeClock_, ornaments_.clock1);
  place(indicatorClock_, ornaments_.clock2);
  for (MenuGif* gif : animations_) {
    gif->Start(controller_.CurrentSettings().GifAnimation);
    gif->show();
  }
  leftDecoration_->show();
  rightDecoration_->show();
  // Under the buttons, which they may touch at the small sizes.
  for (QWidget* w :
       std::initializer_list<QWidget*>{timeClock_, indicatorClock_, animations_[0], animations_[1],
                                       leftDecoration_, rightDecoration_})
    w->lower();
  const LampPictures lamps = LampsAtPhase(phase_);
  leftDecoration_->ShowLamps(lamps.left);
  rightDecoration_->ShowLamps(lamps.right);
  timeClock_->setVisible(ornaments_.clocksShown);
  indicatorClock_->setVisible(ornaments_.clocksShown);
  if (ornaments_.clocksShown) {
    const Now now = clock_();
    timeClock_->Show(now.hour, now.minute, now.millisecond, pictureScale_ >= kTimeClockMinScale);
    ShowIndicatorValue(IndicatorValueForMinute(now.minute));
  }
  place(androidIcon_, MenuIconPlace(false, 2, client.width));
  place(helpIcon_, MenuIconPlace(false, 3, client.width));
  place(tournamentIcon_, MenuIconPlace(false, 4, client.width));
  place(storeIcon_, MenuIconPlace(false, 5, client.width));
  for (QPushButton* icon : {androidIcon_, helpIcon_, tournamentIcon_}) icon->show();
  storeIcon_->setVisible(StoreIconShown(pictureScale_, !storeAddress_.empty()));
  ApplyLanguage();
}

void MenuDecorations::Tick() {
  const LampPictures lamps = LampsAtPhase(phase_);
  leftDecoration_->ShowLamps(lamps.left);
  rightDecoration_->ShowLamps(lamps.right);
  phase_ = NextLampPhase(phase_);
  if (!ornaments_.clocksShown) return;
  const Now now = clock_();
  timeClock_->Show(now.hour, now.minute, now.millisecond, pictureScale_ >= kTimeClockMinScale);
  if (const auto value = turn_.OnTick(now.minute, now.second)) ShowIndicatorValue(*value);
}

void MenuDecorations::ShowIndicatorValue(int value) {
  indicatorValue_ = value;
  if (!data_) {
    // Nothing read yet: the place shows "00" and the hint of the value.
    TIndicatorText text = IndicatorText(value, TIndicatorData{}, Language());
    text.number = "00";
    indicatorClock_->Show(text);
    return;
  }
  indicatorClock_->Show(IndicatorText(value, *data_, Language()));
}

void MenuDecorations::SetIndicatorData(const TIndicatorData& data) {
  data_ = data;
  ShowIndicatorValue(indicatorValue_);
}

void MenuDecorations::SetEditionAddresses(const std::string& package, const std::string& store) {
  package_ = package;
  storeAddress_ = store;
  storeIcon_->setVisible(StoreIconShown(pictureScale_, !storeAddress_.empty()) &&
                         leftDecoration_->isVisible());
}

void MenuDecorations::ApplyLanguage() {
  androidIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("Android"))));
  helpIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("ImHp"))));
  tournamentIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("ImTR"))));
  storeIcon_->setIcon(QIcon(QPixmap::fromImage(BookPicture("GooglePlay"))));
  for (QPushButton* icon : {androidIcon_, helpIcon_, tournamentIcon_, storeIcon_}) {
    const auto [title, text] = Balloon(icon);
    icon->setAccessibleName(title);
    icon->setAccessibleDescription(text);
  }
  ShowIndicatorValue(indicatorValue_);
}

std::pair<QString, QString> MenuDecorations::Balloon(const QPushButton* icon) const {
  const QString name = Text(kWordTitle);
  if (icon == androidIcon_) return {Text(kWordDownload), Quoted(name + ".apk")};
  if (icon == helpIcon_) return {Text(kWordHelp), "Online-" + Text(kWordHelp)};
  if (icon == tournamentIcon_) return {Text(kWordOnlineTournament), Text(kWordTakePlace)};
  if (icon == storeIcon_) return {QString(), Quoted(name) + " " + Text(kWordOnGooglePlay)};
  return {};
}

bool MenuDecorations::eventFilter(QObject* watched, QEvent* event) {
  auto* icon = qobject_cast<QPushButton*>(watched);
  if (icon != nullptr && event->type() == QEvent::Enter) {
    const auto [title, text] = Balloon(icon);
    balloon_->ShowFor(icon, title, text, fontFamily_);
  } else if (icon != nullptr && event->type() == QEvent::Leave) {
    balloon_->hide();
  }
  return QObject::eventFilter(watched, event);
}

QString MenuDecorations::HelpPageAddress() {
  return QtText(online::ServiceBase()) + "/zendral/";
}

bool MenuDecorations::OpenAddress(const QString& address) {
  return controller_.OpenAddress(QUrl(address));
}

void MenuDecorations::OpenHelp() {
  controller_.Program().PlaySound("WOpenFo", false);
  OpenAddress(HelpPageAddress());
}

void MenuDecorations::DownloadAndroid() {
  controller_.Program().PlaySound("WOpenFo", false);
  if (package_.empty()) {
    controller_.Program().ShowMessage(Quoted(Text(kWordTitle)) + " " + Text(kWordApkUnavailable),
                                      false);
    return;
  }
  // The player picks where the package goes: its own name in the program folder proposed.
  const QString name = QUrl(QtText(package_)).fileName();
  const QString extension = QFileInfo(name).suffix();
  QFileDialog dialog(menu_, Text(kWordDownload),
                     QString::fromStdString(controller_.Program().ProgramFolder().string()),
                     extension.isEmpty() ? QString() : QString("*.%1").arg(extension));
  dialog.setObjectName("SaveDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.selectFile(name);
  if (controller_.Program().RunModal(dialog) != QDialog::Accepted ||
      dialog.selectedFiles().isEmpty())
    return;
  const std::filesystem::path target = dialog.selectedFiles().front().toStdString();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const DownloadResult result = DownloadFile(package_, target);
  QApplication::restoreOverrideCursor();
  controller_.Program().PlaySound(result.ok ? "WToMenK" : "WWrongs", false);
}

void MenuDecorations::OpenStore() {
  controller_.Program().PlaySound("WOpenFo", false);
  if (!storeAddress_.empty()) OpenAddress(QtText(storeAddress_));
}

}  // namespace zendral
