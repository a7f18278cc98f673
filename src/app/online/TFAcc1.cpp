#include "app/online/TFAcc1.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QValidator>

#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "app/online/TFAcc2.h"
#include "online/Countries.h"
#include "online/Numbers.h"
#include "online/UserFile.h"
#include "present/words/AccountLogInWords.h"
#include "present/words/ClubServerWords.h"
#include "present/words/OnlineEdgeWords.h"
#include "present/words/WordRows.h"

namespace zendral {

using online::AccountState;
using online::FieldKind;

namespace {

const TWordRow* const kContinentWords[6] = {&kWordEurope,       &kWordAsia,    &kWordNorthAmerica,
                                            &kWordSouthAmerica, &kWordOceania, &kWordAfrica};

// The profile labels in the record's order.
const TWordRow* const kInfoWords[14] = {&kWordYourName,      &kWordYourLastName, &kWordBriefInfo,
                                        &kWordYourPhone,     &kWordYourEmail,    &kWordYourSkype,
                                        &kWordYourWebSite,   &kWordYourOk,       &kWordYourVk,
                                        &kWordYourTelegram,  &kWordYourFacebook, &kWordYourTwitter,
                                        &kWordYourInstagram, &kWordYourYouTube};
// Lines of the president's profile that copy their text; the others open their address.
constexpr bool kCopies[14] = {false, false, true, true,  true,  true,  false,
                              false, false, true, false, false, false, false};

QLabel* Picture(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  return label;
}

// Check boxes of the right column hold texts that run long in some languages: the font steps
// down until the text fits beside its box instead of being cut at the window's edge.
void FitCheckBox(QCheckBox* box, int width) {
  QFont font = box->font();
  const int room = width - 26;  // the indicator and its gap
  const bool pixels = font.pointSizeF() <= 0;
  while (QFontMetrics(font).horizontalAdvance(box->text()) > room) {
    if (pixels) {
      if (font.pixelSize() <= 9) break;
      font.setPixelSize(font.pixelSize() - 1);
    } else {
      if (font.pointSizeF() <= 7) break;
      font.setPointSizeF(font.pointSizeF() - 0.5);
    }
  }
  box->setFont(font);
}

QLineEdit* Edit(QWidget* parent, const char* name, int maxLength) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  if (maxLength > 0) edit->setMaxLength(maxLength);
  return edit;
}

// A label that reports clicks.
class ClickLabel : public QLabel {
 public:
  explicit ClickLabel(std::function<void()> onClick, QWidget* parent)
      : QLabel(parent), onClick_(std::move(onClick)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && onClick_) onClick_();
  }

 private:
  std::function<void()> onClick_;
};

QImage PhotoOrFace(const QImage& photo, const std::string& sex) {
  return photo.isNull() ? PaintNoPhoto(sex.empty() ? 'M' : sex[0]) : photo;
}

QPixmap Framed(const QImage& photo) {
  QImage framed = PaintPhotoFrame();
  QPainter p(&framed);
  p.drawImage(10, 10, photo.scaled(online::kPhotoWidth, online::kPhotoHeight));
  p.end();
  return QPixmap::fromImage(framed);
}

}  // namespace

TFAcc1::TFAcc1(const OnlineUi& ui, bool ratedChoice, bool ratedGameRunning, QWidget* parent)
    : QDialog(parent), ui_(ui), ratedChoice_(ratedChoice), ratedGameRunning_(ratedGameRunning) {
  setObjectName(QStringLiteral("TFAcc1"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 15));
  setWindowTitle(WordText(kWordClubQuillmark));
  pages_ = new QTabWidget(this);
  pages_->setObjectName(QStringLiteral("PageControl1"));
  pages_->setGeometry(8, 8, kClientWidth - 16, kClientHeight - 16);
  pages_->addTab(BuildAccountPage(), WordText(kWordMyAccount));
  pages_->addTab(BuildResultsPage(), WordText(kWordMyResults));
  pages_->addTab(BuildTopPage(), WordText(kWordTop10));
  pages_->addTab(BuildKovsPage(), WordText(kWordKovsTitle));
  pages_->addTab(BuildProfilePage(false), WordText(kWordAboutMe));
  pages_->addTab(BuildProfilePage(true), WordText(kWordPresident));
  ReadAtOpening();
  built_ = true;
  connect(pages_, &QTabWidget::currentChanged, this, [this](int index) { PageOpened(index); });
  Redraw();
}

std::filesystem::path TFAcc1::UserFile() const {
  return online::UserFilePath(ui_.programFolder);
}

QWidget* TFAcc1::BuildAccountPage() {
  // Parented at once so that its boxes measure their texts in the window's font.
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("TabSheet1"));
  auto* heading = new QLabel(WordText(kWordAccountInformation), page);
  heading->setObjectName(QStringLiteral("LabelHeading1"));
  heading->setFont(OnlineFont(ui_.settings, 20, true));
  heading->setGeometry(20, 10, 500, 30);
  lampState_ = Picture(page, "ImageLamp");
  lampState_->setGeometry(610, 12, 24, 24);
  star_ = Picture(page, "ImageStar");
  star_->setGeometry(640, 8, 32, 32);

  struct Row {
    const TWordRow* word;
    int y;
  };
  const Row rows[] = {{&kWordNick, 55},         {&kWordPassword, 95}, {&kWordCountry, 135},
                      {&kWordCity, 215},        {&kWordEmail, 255},   {&kWordSex, 295},
                      {&kWordRegistration, 335}};
  for (const Row& r : rows) {
    QString text = WordText(*r.word);
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);  // "E-mail:" stands like the others
    auto* caption = new QLabel(text, page);
    caption->setGeometry(20, r.y, 160, 28);
    captions_.push_back(caption);
  }
  auto validator = [this](bool allowCyrillic) {
    // Typing filter: a character the field cannot hold is refused as it is typed or pasted.
    class Filter : public QValidator {
     public:
      Filter(bool cyrillic, QObject* parent) : QValidator(parent), cyrillic_(cyrillic) {}
      State validate(QString& input, int&) const override {
        for (const QChar c : input) {
          const int r = online::CheckAccountField(QString(c).toStdString(), FieldKind::kCharacter);
          if (r == 1 || (r == 2 && !cyrillic_)) return Invalid;
        }
        return Acceptable;
      }

     private:
      bool cyrillic_;
    };
    return new Filter(allowCyrillic, this);
  };
  nick_ = Edit(page, "EditNick", 12);
  nick_->setGeometry(190, 55, 220, 28);
  nick_->setValidator(validator(false));
  lampNick_ = Picture(page, "LampNick");
  lampNick_->setGeometry(420, 57, 24, 24);
  pw_ = Edit(page, "EditPw", 12);
  pw_->setGeometry(190, 95, 220, 28);
  pw_->setValidator(validator(false));
  // The hidden password shows "#" for every character.
  pw_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 35; }"));
  lampPw_ = Picture(page, "LampPw");
  lampPw_->setGeometry(420, 97, 24, 24);
  continent_ = new QComboBox(page);
  continent_->setObjectName(QStringLiteral("ComboContinent"));
  continent_->setGeometry(190, 135, 220, 28);
  for (const TWordRow* w : kContinentWords) continent_->addItem(WordText(*w));
  countries_ = new QComboBox(page);
  countries_->setObjectName(QStringLiteral("ComboCountry"));
  countries_->setGeometry(420, 135, 250, 28);
  country_ = Edit(page, "EditCountry", 0);
  country_->setGeometry(190, 175, 220, 28);
  country_->setReadOnly(true);
  city_ = Edit(page, "EditCity", 15);
  city_->setGeometry(190, 215, 220, 28);
  city_->setValidator(validator(true));
  lampCity_ = Picture(page, "LampCity");
  lampCity_->setGeometry(420, 217, 24, 24);
  email_ = Edit(page, "EditEMail", 30);
  email_->setGeometry(190, 255, 220, 28);
  email_->setValidator(validator(false));
  lampEMail_ = Picture(page, "LampEMail");
  lampEMail_->setGeometry(420, 257, 24, 24);
  sex_ = new QComboBox(page);
  sex_->setObjectName(QStringLiteral("ComboSex"));
  sex_->setGeometry(190, 295, 220, 28);
  sex_->addItem(WordText(kWordMale));
  sex_->addItem(WordText(kWordFemale));
  date_ = Edit(page, "EditDate", 0);
  date_->setGeometry(190, 335, 220, 28);
  date_->setReadOnly(true);

  hide_ = new QCheckBox(WordText(kWordHidePassword), page);
  hide_->setObjectName(QStringLiteral("CheckHide"));
  hide_->setGeometry(455, 175, 240, 28);
  FitCheckBox(hide_, 240);
  hide_->setChecked(true);
  rated_ = new QCheckBox(WordText(kWordPlayGlobalRating), page);
  rated_->setObjectName(QStringLiteral("CheckRated"));
  rated_->setGeometry(455, 215, 240, 28);
  FitCheckBox(rated_, 240);
  membersLabel_ = new QLabel(page);
  membersLabel_->setObjectName(QStringLiteral("LabelMembers"));
  membersLabel_->setGeometry(455, 255, 240, 28);
  // Who is logged in, said in words beside the lamp's colour.
  accountStatus_ = new QLabel(page);
  accountStatus_->setObjectName(QStringLiteral("LabelAccountStatus"));
  accountStatus_->setGeometry(455, 288, 240, 42);
  accountStatus_->setWordWrap(true);
  accountStatus_->setFont(OnlineFont(ui_.settings, 14, true));

  auto button = [page](const char* name, const TWordRow& word, QRect r) {
    auto* b = new QPushButton(WordText(word), page);
    b->setObjectName(name);
    b->setGeometry(r);
    return b;
  };
  create_ = button("ButtonCreate", kWordCreateAccount, QRect(20, 385, 320, 36));
  login_ = button("ButtonLogin", kWordLoginToAccount, QRect(360, 385, 320, 36));
  // Signing out is a button of its own, away from where "Create" and "Login" are clicked and
  // coloured apart from them, so that a second click on either never signs out.
  signOut_ = button("ButtonSignOut", kWordSignOut, QRect(455, 333, 225, 36));
  signOut_->setStyleSheet(QStringLiteral(
      "QPushButton { color: white; background-color: rgb(165, 42, 42); border: 1px solid "
      "rgb(110, 20, 20); border-radius: 4px; }"
      "QPushButton:disabled { color: rgb(230, 230, 230); background-color: rgb(170, 150, 150); }"));
  save_ = button("ButtonSave", kWordSave, QRect(20, 430, 320, 36));
  delete_ = button("ButtonDelete", kWordDelete, QRect(360, 430, 320, 36));

  for (QLineEdit* e : {nick_, pw_, city_, email_}) {
    connect(e, &QLineEdit::textChanged, this, [this] { FieldsChanged(); });
  }
  connect(continent_, &QComboBox::activated, this, [this](int i) { ChooseContinent(i + 1); });
  connect(countries_, &QComboBox::activated, this, [this](int i) { ChooseCountry(i + 1); });
  connect(sex_, &QComboBox::activated, this,
          [this](int i) { ui_.club.user().Sex.assign(1, i == 1 ? 'W' : 'M'); });
  connect(hide_, &QCheckBox::toggled, this,
          [this](bool on) { pw_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal); });
  pw_->setEchoMode(QLineEdit::Password);
  connect(rated_, &QCheckBox::clicked, this, [this](bool on) { RatedToggled(on); });
  connect(create_, &QPushButton::clicked, this, [this] { CreateClicked(); });
  connect(login_, &QPushButton::clicked, this, [this] { LoginClicked(); });
  connect(signOut_, &QPushButton::clicked, this, [this] { SignOutClicked(); });
  connect(save_, &QPushButton::clicked, this, [this] { SaveClicked(); });
  connect(delete_, &QPushButton::clicked, this, [this] { DeleteClicked(); });

  // The fields start from the account the program holds.
  ShowAccountFields();
  return page;
}

void TFAcc1::ShowAccountFields() {
  // Setting one field must not store the others, still empty or still another account's,
  // into the account (FieldsChanged).
  filling_ = true;
  const online::TKovUser& u = ui_.club.user();
  nick_->setText(QtText(u.Nick));
  pw_->setText(QtText(u.Pw));
  city_->setText(QtText(u.City == "#" ? std::string() : u.City));
  email_->setText(QtText(u.EMail == "#" ? std::string() : u.EMail));
  if (auto split = online::SplitCountryCode(u.Country2)) {
    countryContinent_ = split->first;
  }
  ChooseContinent(countryContinent_);
  if (auto split = online::SplitCountryCode(u.Country2); split && split->second > 0) {
    countries_->setCurrentIndex(split->second - 1);
    country_->setText(QtText(u.Country1));
  }
  sex_->setCurrentIndex(u.Sex == "W" ? 1 : 0);
  date_->setText(QtText(u.DateR));
  filling_ = false;
}

void TFAcc1::ChooseContinent(int continent) {
  countryContinent_ = continent;
  continent_->setCurrentIndex(continent - 1);
  countries_->clear();
  const auto table = online::ContinentCountries(continent);
  const bool russian = ui_.settings.Language == 1;
  for (std::size_t i = 1; i < table.size(); ++i) {
    const std::string code = online::CountryCode(continent, static_cast<int>(i));
    countries_->addItem(QIcon(QPixmap::fromImage(PaintFlag(code))),
                        QtText(russian ? table[i].russian : table[i].english));
  }
  countries_->setCurrentIndex(-1);
  if (ui_.club.state() == AccountState::asOffline) {
    ui_.club.user().Country2 = online::CountryCode(continent, 0);
    country_->clear();
  }
}

void TFAcc1::ChooseCountry(int index) {
  const auto table = online::ContinentCountries(countryContinent_);
  if (index < 1 || index >= static_cast<int>(table.size())) return;
  online::TKovUser& u = ui_.club.user();
  u.Country2 = online::CountryCode(countryContinent_, index);
  u.Country1 = std::string(table[static_cast<std::size_t>(index)].serverForm);
  country_->setText(QtText(u.Country1));
}

QWidget* TFAcc1::BuildResultsPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet2"));
  auto* heading = new QLabel(WordText(kWordInfoAboutYourGames), page);
  heading->setFont(OnlineFont(ui_.settings, 20, true));
  heading->setGeometry(20, 10, 640, 30);
  const TWordRow* words[] = {&kWordGame,         &kWordPlayer,      &kWordRating,
                             &kWordPlaceLabel,   &kWordPlayedGames, &kWordMyBestScore,
                             &kWordPlayedCycles, &kWordCurrentDeal, &kWordCurrentScoreLabel};
  int y = 60;
  for (const TWordRow* w : words) {
    auto* caption = new QLabel(WordText(*w) + QStringLiteral(":"), page);
    caption->setGeometry(40, y, 260, 30);
    auto* value = new QLabel(page);
    value->setObjectName(QStringLiteral("ResultValue%1").arg(resultValues_.size() + 1));
    value->setGeometry(310, y, 340, 30);
    value->setFont(OnlineFont(ui_.settings, 15, true));
    resultValues_.push_back(value);
    y += 38;
  }
  resultsNoConnect_ = new QLabel(WordText(kWordNoConnect), page);
  resultsNoConnect_->setObjectName(QStringLiteral("LabelNoConnect2"));
  resultsNoConnect_->setGeometry(310, 136, 340, 30);
  resultsNoConnect_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
  auto* refresh = new QPushButton(WordText(kWordRefresh), page);
  refresh->setObjectName(QStringLiteral("ButtonResultsRefresh"));
  refresh->setGeometry(500, 440, 180, 36);
  connect(refresh, &QPushButton::clicked, this, [this] {
    if (ui_.club.LoggedIn()) ui_.club.ReadResults();
    FillResults();
  });
  return page;
}

QWidget* TFAcc1::BuildTopPage() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet3"));
  auto* heading = new QLabel(WordText(kWordTop10BestRated), page);
  heading->setFont(OnlineFont(ui_.settings, 20, true));
  heading->setGeometry(20, 10, 640, 30);
  topGrid_ = new QTableWidget(10, 5, page);
  topGrid_->setObjectName(QStringLiteral("GridTop"));
  topGrid_->setGeometry(20, 50, 660, 400);
  topGrid_->setHorizontalHeaderLabels({QStringLiteral("№"), WordText(kWordNick), WordText(kWordSex),
                                       WordText(kWordCity), WordText(kWordRating)});
  topGrid_->verticalHeader()->hide();
  topGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  topGrid_->setSelectionMode(QAbstractItemView::NoSelection);
  topGrid_->setColumnWidth(0, 50);
  topGrid_->setColumnWidth(1, 190);
  topGrid_->setColumnWidth(2, 60);
  topGrid_->setColumnWidth(3, 210);
  topGrid_->horizontalHeader()->setStretchLastSection(true);
  for (int r = 0; r < 10; ++r) topGrid_->setRowHeight(r, 36);
  topNoConnect_ = new QLabel(WordText(kWordNoConnect), page);
  topNoConnect_->setObjectName(QStringLiteral("LabelNoConnect3"));
  topNoConnect_->setGeometry(260, 200, 300, 30);
  topNoConnect_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0);"));
  return page;
}

QWidget* TFAcc1::BuildKovsPage() {
  auto* page = new QWidget;
  kovsPage_ = page;
  page->setObjectName(QStringLiteral("TabSheet4"));
  auto* coin = Picture(page, "ImageKovs");
  coin->setGeometry(30, 20, 128, 128);
  coin->setPixmap(QPixmap::fromImage(PaintKovsCoin(128)));
  balance_ = new QLabel(page);
  balance_->setObjectName(QStringLiteral("LabelBalance"));
  balance_->setFont(OnlineFont(ui_.settings, 28, true));
  balance_->setGeometry(190, 50, 300, 50);
  kovRefresh_ = new QPushButton(WordText(kWordRefresh), page);
  kovRefresh_->setObjectName(QStringLiteral("ButtonKovRefresh"));
  kovRefresh_->setGeometry(500, 58, 180, 36);
  auto* heading = new QLabel(WordText(kWordTransferKovs), page);
  heading->setFont(OnlineFont(ui_.settings, 20, true));
  heading->setGeometry(30, 180, 640, 30);
  auto* amountCaption = new QLabel(WordText(kWordTransferAmount), page);
  amountCaption->setGeometry(30, 225, 640, 28);
  amount_ = Edit(page, "EditAmount", 9);
  amount_->setValidator(new QIntValidator(0, 999999999, amount_));
  amount_->setGeometry(30, 255, 200, 30);
  auto* toCaption = new QLabel(WordText(kWordTransferRecipient), page);
  toCaption->setGeometry(30, 300, 640, 28);
  recipient_ = Edit(page, "EditRecipient", 12);
  recipient_->setGeometry(30, 330, 300, 30);
  transfer_ = new QPushButton(WordText(kWordTransfer), page);
  transfer_->setObjectName(QStringLiteral("ButtonTransfer"));
  transfer_->setGeometry(30, 390, 300, 40);
  connect(kovRefresh_, &QPushButton::clicked, this, [this] {
    if (ui_.club.LoggedIn() && !ui_.club.ReadBalance())
      ui_.Message(WordText(kWordNoConnectMessage), true);
    Redraw();
  });
  connect(transfer_, &QPushButton::clicked, this, [this] { TransferClicked(); });
  return page;
}

QWidget* TFAcc1::BuildProfilePage(bool president) {
  auto* page = new QWidget;
  page->setObjectName(president ? QStringLiteral("TabSheet6") : QStringLiteral("TabSheet5"));
  const int side = president ? 1 : 0;
  photos_[side] = Picture(page, president ? "ImagePresident" : "ImageOwn");
  photos_[side]->setGeometry(460, 40, online::kPhotoWidth + 20, online::kPhotoHeight + 20);
  if (president) {
    auto* heading = new QLabel(WordText(kWordPresidentOfOrder), page);
    heading->setFont(OnlineFont(ui_.settings, 18, true));
    heading->setGeometry(20, 6, 430, 28);
    presidentNick_ = new QLabel(page);
    presidentNick_->setObjectName(QStringLiteral("LabelPresidentNick"));
    presidentNick_->setFont(OnlineFont(ui_.settings, 18, true));
    presidentNick_->setGeometry(460, 8, 220, 28);
    presidentNick_->setAlignment(Qt::AlignCenter);
  }
  for (int i = 0; i < 14; ++i) {
    auto* caption = new QLabel(WordText(*kInfoWords[i]) + QStringLiteral(":"), page);
    caption->setGeometry(20, 40 + i * 30, 232, 28);
    caption->setFont(OnlineFont(ui_.settings, 12));
    QLabel* value =
        president ? new ClickLabel([this, i] { ClickPresidentLine(i); }, page) : new QLabel(page);
    value->setObjectName(
        QStringLiteral("%1Line%2").arg(president ? "President" : "Own").arg(i + 1));
    value->setGeometry(255, 40 + i * 30, 200, 28);
    value->setFont(OnlineFont(ui_.settings, 12, true));
    if (president && !kCopies[i]) value->setStyleSheet(QStringLiteral("color: rgb(0, 60, 190);"));
    profileLines_[side].push_back(value);
  }
  if (!president) {
    infoRefresh_ = new QPushButton(WordText(kWordEditProfile), page);
    infoRefresh_->setObjectName(QStringLiteral("ButtonInfoRefresh"));
    infoRefresh_->setGeometry(480, 330, 180, 36);
    connect(infoRefresh_, &QPushButton::clicked, this, [this] { ProfileRefreshClicked(); });
  }
  return page;
}

void TFAcc1::ReadAtOpening() {
  online::OnlineClub& club = ui_.club;
  top_ = online::ReadClubTopTen(club.frame(), club.addresses().account);
  if (club.LoggedIn()) club.ReadResults();
  members_ = online::ReadMemberCount(club.frame(), club.addresses().account);
  if (club.LoggedIn()) {
    LoadOwnPhoto();
    online::ReadProfile(club.frame(), club.addresses().account, club.user().Nick, club.user().Info);
  }
  ReadPresident();
}

void TFAcc1::LoadOwnPhoto() {
  ownPhoto_ = QImage();
  if (auto jpeg = online::LoadPhoto(ui_.club.frame(), ui_.club.addresses().photoFolder,
                                    ui_.club.user().Nick)) {
    ownPhoto_.loadFromData(reinterpret_cast<const uchar*>(jpeg->data()),
                           static_cast<int>(jpeg->size()), "JPEG");
  }
}

void TFAcc1::ReadPresident() {
  presidentInfo_ = {};
  presidentPhoto_ = QImage();
  if (!top_ || top_->empty()) return;
  const std::string& nick = top_->front().Nick;
  online::ReadProfile(ui_.club.frame(), ui_.club.addresses().account, nick, presidentInfo_);
  if (auto jpeg = online::LoadPhoto(ui_.club.frame(), ui_.club.addresses().photoFolder, nick)) {
    presidentPhoto_.loadFromData(reinterpret_cast<const uchar*>(jpeg->data()),
                                 static_cast<int>(jpeg->size()), "JPEG");
  }
}

void TFAcc1::FieldsChanged() {
  if (filling_) return;
  if (ui_.club.state() == AccountState::asOffline) {
    online::TKovUser& u = ui_.club.user();
    u.Nick = nick_->text().toStdString();
    u.Pw = pw_->text().toStdString();
    u.City = city_->text().toStdString();
    u.EMail = email_->text().toStdString();
  }
  Redraw();
}

void TFAcc1::Redraw() {
  if (!built_) return;
  online::OnlineClub& club = ui_.club;
  const AccountState state = club.state();
  const bool offline = state == AccountState::asOffline;
  const int nick = online::CheckAccountField(nick_->text().toStdString(), FieldKind::kNick);
  const int pw = online::CheckAccountField(pw_->text().toStdString(), FieldKind::kPassword);
  const int city = online::CheckAccountField(city_->text().toStdString(), FieldKind::kCity);
  const int email = online::CheckAccountField(email_->text().toStdString(), FieldKind::kEMail);
  lampNick_->setPixmap(QPixmap::fromImage(LampOfCheck(nick)));
  lampPw_->setPixmap(QPixmap::fromImage(LampOfCheck(pw)));
  lampCity_->setPixmap(QPixmap::fromImage(LampOfCheck(city)));
  lampEMail_->setPixmap(QPixmap::fromImage(LampOfCheck(email)));
  lampState_->setPixmap(QPixmap::fromImage(LampOfState(state)));
  star_->setPixmap(QPixmap::fromImage(StarOfState(state)));

  const bool running = ratedGameRunning_;
  for (QLineEdit* e : {nick_, pw_, city_, email_}) e->setReadOnly(!offline || running);
  continent_->setEnabled(offline && !running);
  countries_->setEnabled(offline && !running);
  sex_->setEnabled(offline && !running);
  sex_->setCurrentIndex(club.user().Sex == "W" ? 1 : 0);
  date_->setText(QtText(club.user().DateR));
  if (!offline) country_->setText(QtText(club.user().Country1));
  create_->setEnabled(!running && offline && nick == 3 && pw == 3 && email == 3 && city >= 2);
  login_->setVisible(offline);
  login_->setEnabled(!running && offline && nick == 3 && pw == 3);
  signOut_->setVisible(!offline);
  signOut_->setEnabled(!running && !offline);
  accountStatus_->setText(offline ? WordText(kWordNotLoggedIn)
                                  : WordText(kWordLoggedInAs) + QStringLiteral(" ") +
                                        QtText(club.user().Nick));
  save_->setEnabled(!running && !offline && !club.userFileSaved());
  delete_->setEnabled(!running && club.userFileSaved());
  rated_->setEnabled(!running && !offline && ratedChoice_);
  // A greyed box says why it is greyed.
  rated_->setToolTip(running         ? WordText(kWordRatedGamePending)
                     : offline       ? WordText(kWordLogInToAccount)
                     : !ratedChoice_ ? WordText(kWordRatedOnlyAtGameStart)
                                     : QString());
  rated_->setChecked(state == AccountState::asRated);
  hide_->setEnabled(!running);
  membersLabel_->setText(WordText(kWordClubMembers) +
                         (members_ ? QString::number(*members_) : QString()));

  kovRefresh_->setEnabled(!offline);
  transfer_->setEnabled(!offline && !running);
  balance_->setText(offline ? QString()
                            : QString::number(club.user().R04) + QStringLiteral(" ") +
                                  WordText(kWordKovs));
  infoRefresh_->setEnabled(!offline && !running);
  FillResults();
  FillTop();
  FillProfile(false);
  FillProfile(true);
}

void TFAcc1::FillResults() {
  const online::OnlineClub& club = ui_.club;
  const bool shown = club.LoggedIn() && club.resultsRead();
  resultsNoConnect_->setVisible(club.LoggedIn() && !club.resultsRead());
  const online::TKovGame& g = club.game();
  const QString values[] = {WordText(kWordTitle),
                            QtText(club.user().Nick),
                            QtText(online::ShowRating(g.Rating, DecimalSeparator(Language()))),
                            g.Place > 0 ? QString::number(g.Place) : QString(),
                            QString::number(g.Kon),
                            QString::number(g.Best),
                            QString::number(g.Sessions),
                            QString::number(g.KonL),
                            QString::number(g.Score)};
  for (std::size_t i = 0; i < resultValues_.size(); ++i) {
    resultValues_[i]->setText(shown ? values[i] : QString());
  }
}

void TFAcc1::FillTop() {
  topNoConnect_->setVisible(!top_);
  topGrid_->clearContents();
  if (!top_) return;
  for (int r = 0; r < static_cast<int>(top_->size()) && r < 10; ++r) {
    const online::TKovTop10& row = (*top_)[static_cast<std::size_t>(r)];
    if (row.Nick.empty()) continue;
    topGrid_->setItem(r, 0, new QTableWidgetItem(QString::number(r + 1)));
    auto* nick =
        new QTableWidgetItem(QIcon(QPixmap::fromImage(PaintFlag(row.Country))), QtText(row.Nick));
    topGrid_->setItem(r, 1, nick);
    auto* sex = new QTableWidgetItem(QIcon(QPixmap::fromImage(PaintSexIcon(row.Sex, 20))), "");
    topGrid_->setItem(r, 2, sex);
    topGrid_->setItem(r, 3, new QTableWidgetItem(QtText(row.City)));
    auto* rating =
        new QTableWidgetItem(QtText(online::ShowRating(row.Rating, DecimalSeparator(Language()))));
    rating->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    topGrid_->setItem(r, 4, rating);
  }
}

void TFAcc1::FillProfile(bool president) {
  const int side = president ? 1 : 0;
  const bool logged = ui_.club.LoggedIn();
  const online::TInfo14& info = president ? presidentInfo_ : ui_.club.user().Info;
  const auto fields = online::InfoFields(info);
  for (int i = 0; i < 14; ++i) {
    profileLines_[side][static_cast<std::size_t>(i)]->setText(
        president || logged ? QtText(*fields[static_cast<std::size_t>(i)]) : QString());
  }
  if (president) {
    const bool known = top_ && !top_->empty();
    presidentNick_->setText(known ? QtText(top_->front().Nick) : QString());
    const std::string sex(1, known ? top_->front().Sex : 'M');
    photos_[1]->setPixmap(Framed(PhotoOrFace(presidentPhoto_, sex)));
  } else {
    photos_[0]->setPixmap(Framed(PhotoOrFace(logged ? ownPhoto_ : QImage(), ui_.club.user().Sex)));
  }
}

QStringList TFAcc1::ProfileLines(bool president) const {
  QStringList lines;
  for (const QLabel* l : profileLines_[president ? 1 : 0]) lines << l->text();
  return lines;
}

void TFAcc1::ClickPresidentLine(int index) {
  if (index < 0 || index >= 14) return;
  const QString text = QtText(*online::InfoFields(presidentInfo_)[static_cast<std::size_t>(index)]);
  if (text.trimmed().isEmpty()) return;
  if (kCopies[index]) {
    QApplication::clipboard()->setText(text);
    ui_.Message(WordText(kWordCopiedToClipboard));
  } else {
    QUrl url = QUrl::fromUserInput(text.trimmed());
    if (url.isValid()) ui_.Open(url);
  }
}

void TFAcc1::CreateClicked() {
  online::OnlineClub& club = ui_.club;
  online::TKovUser fields = club.user();
  fields.Nick = nick_->text().toStdString();
  fields.Pw = pw_->text().toStdString();
  fields.City = city_->text().toStdString();
  fields.EMail = email_->text().toStdString();
  fields.Sex.assign(1, sex_->currentIndex() == 1 ? 'W' : 'M');
  const online::CreateResult result = club.CreateAccount(fields, TodayShortDate().toStdString());
  if (result == online::kAccountCreated) {
    // Creating an account logs in to it: the player is told so, and how the log-in is kept.
    QString text = WordText(kWordAccountCreatedLoggedIn) + QStringLiteral(" ") +
                   QtText(club.user().Nick) + QStringLiteral(".");
    if (!club.userFileSaved()) text += QStringLiteral("\n") + WordText(kWordSaveLogInHint);
    ui_.Message(text);
  } else {
    ui_.Message(
        WordText(result == online::kNickTaken ? kWordNickTaken : kWordCouldNotCreateAccount), true);
  }
  if (result == online::kAccountCreated) {
    members_ = online::ReadMemberCount(club.frame(), club.addresses().account);
    ownPhoto_ = QImage();
    ShowAccountFields();
  }
  Redraw();
}

void TFAcc1::SignOutClicked() {
  online::OnlineClub& club = ui_.club;
  if (!club.LoggedIn()) return;
  // A booked rated game would be lost with the log-in: the player says whether he means it.
  if (club.state() == AccountState::asRated && !ui_.Ask(WordText(kWordSignOutRated))) return;
  club.LogOut();
  ownPhoto_ = QImage();
  Redraw();
}

void TFAcc1::PageOpened(int index) {
  // The balance as the server holds it now: a grant or a transfer may have changed it since the
  // window opened. A failed read keeps the balance shown; Refresh says why.
  if (pages_->widget(index) == kovsPage_ && ui_.club.LoggedIn()) {
    ui_.club.ReadBalance();
    Redraw();
  }
}

void TFAcc1::LoginClicked() {
  online::OnlineClub& club = ui_.club;
  if (club.LoggedIn()) return;
  if (!club.LogIn(nick_->text().toStdString(), pw_->text().toStdString())) {
    ui_.Message(WordText(club.frame().LastWasBusy() ? kWordServerBusy : kWordLoginFailed), true);
    members_.reset();
    Redraw();
    return;
  }
  // The fields show the account now logged in, whatever was typed or shown before.
  ShowAccountFields();
  Redraw();
  members_ = online::ReadMemberCount(club.frame(), club.addresses().account);
  LoadOwnPhoto();
  ReadPresident();
  Redraw();
}

void TFAcc1::SaveClicked() {
  const online::TKovUser& u = ui_.club.user();
  if (online::SaveUserFile(UserFile(), u.Nick, u.Pw)) ui_.club.SetUserFileSaved(true);
  Redraw();
}

void TFAcc1::DeleteClicked() {
  // Without the saved log-in the program no longer logs in by itself: the player says so first.
  if (!ui_.Ask(WordText(kWordDeleteSavedLogIn))) return;
  if (online::DeleteUserFile(UserFile())) ui_.club.SetUserFileSaved(false);
  Redraw();
}

void TFAcc1::RatedToggled(bool on) {
  online::OnlineClub& club = ui_.club;
  if (on && club.state() == AccountState::asLoggedIn) club.SetState(AccountState::asRated);
  if (!on && club.state() == AccountState::asRated) club.SetState(AccountState::asLoggedIn);
  Redraw();
}

void TFAcc1::TransferClicked() {
  online::OnlineClub& club = ui_.club;
  if (!club.LoggedIn()) return;
  bool ok = false;
  const int amount = amount_->text().toInt(&ok);
  const std::string to = recipient_->text().trimmed().toStdString();
  if (!ok || amount < 0) return;
  if (club.user().R04 < amount) {
    ui_.Message(WordText(kWordNotEnoughKovs), true);
    return;
  }
  if (amount == 0) {
    ui_.Message(WordText(kWordEmptyTransfer), true);
    return;
  }
  const QString question = WordText(kWordTransferQuestion) + QStringLiteral(" \"") + QtText(to) +
                           QStringLiteral("\" ") + QString::number(amount) + QStringLiteral(" ") +
                           WordText(kWordKovs) + QStringLiteral("?");
  if (!ui_.Ask(question)) return;
  const auto balance = club.ReadBalance();
  if (!balance) {
    ui_.Message(WordText(kWordNoConnectMessage), true);
    return;
  }
  if (*balance < amount) {
    ui_.Message(WordText(kWordNotEnoughKovs), true);
    Redraw();
    return;
  }
  const auto outcome =
      online::TransferKovs(club.frame(), club.addresses().account, club.user().Nick, to, amount);
  club.ReadBalance();
  Redraw();
  switch (outcome) {
    case online::TransferOutcome::kDone:
      ui_.Message(WordText(kWordTransferSuccessful));
      break;
    case online::TransferOutcome::kNoMember:
      ui_.Message(WordText(kWordNoSuchMember), true);
      break;
    case online::TransferOutcome::kNotEnough:
      ui_.Message(WordText(kWordNotEnoughKovs), true);
      break;
    case online::TransferOutcome::kFailed:
      ui_.Message(WordText(kWordNoConnectMessage), true);
      break;
  }
}

void TFAcc1::ProfileRefreshClicked() {
  if (!ui_.club.LoggedIn()) return;
  TFAcc2 editor(ui_, ownPhoto_, this);
  ui_.Run(editor);
  if (editor.PhotoChanged()) ownPhoto_ = editor.Photo();
  online::ReadProfile(ui_.club.frame(), ui_.club.addresses().account, ui_.club.user().Nick,
                      ui_.club.user().Info);
  ReadPresident();
  Redraw();
}

}  // namespace zendral
