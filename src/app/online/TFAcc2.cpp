#include "app/online/TFAcc2.h"

#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "present/words/OnlineEdgeWords.h"
#include "present/words/WordRows.h"

namespace zendral {
namespace {

const TWordRow* const kInfoWords[14] = {&kWordYourName,      &kWordYourLastName, &kWordBriefInfo,
                                        &kWordYourPhone,     &kWordYourEmail,    &kWordYourSkype,
                                        &kWordYourWebSite,   &kWordYourOk,       &kWordYourVk,
                                        &kWordYourTelegram,  &kWordYourFacebook, &kWordYourTwitter,
                                        &kWordYourInstagram, &kWordYourYouTube};

}  // namespace

TFAcc2::TFAcc2(const OnlineUi& ui, const QImage& photo, QWidget* parent)
    : QDialog(parent), ui_(ui), photo_(photo) {
  setObjectName(QStringLiteral("TFAcc2"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 13));
  setWindowTitle(WordText(kWordAboutMe));
  auto* note = new QLabel(WordText(kWordInfoVisible), this);
  note->setObjectName(QStringLiteral("LabelNote"));
  note->setFont(OnlineFont(ui_.settings, 14, true));
  note->setGeometry(16, 8, 690, 26);
  for (int i = 0; i < 14; ++i) {
    auto* caption = new QLabel(WordText(*kInfoWords[i]) + QStringLiteral(":"), this);
    caption->setGeometry(16, 42 + i * 34, 250, 28);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("EditInfo%1").arg(i + 1));
    edit->setMaxLength(online::kInfoMaxLength[static_cast<std::size_t>(i)]);
    edit->setGeometry(270, 42 + i * 34, 200, 28);
    fields_[static_cast<std::size_t>(i)] = edit;
  }
  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("ImagePhoto"));
  picture_->setGeometry(490, 42, online::kPhotoWidth + 20, online::kPhotoHeight + 20);
  picture_->setCursor(Qt::PointingHandCursor);
  picture_->installEventFilter(this);
  refreshPhoto_ = new QPushButton(WordText(kWordRefreshPhoto), this);
  refreshPhoto_->setObjectName(QStringLiteral("ButtonPhoto"));
  refreshPhoto_->setGeometry(490, 330, 220, 36);
  update_ = new QPushButton(WordText(kWordUpdateInfo), this);
  update_->setObjectName(QStringLiteral("ButtonUpdate"));
  update_->setGeometry(490, 380, 220, 36);
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(490, 500, 220, 36);
  Fill();
  for (QLineEdit* e : fields_) {
    connect(e, &QLineEdit::textEdited, this, [this] { update_->setEnabled(true); });
  }
  connect(update_, &QPushButton::clicked, this, [this] { UpdateInfo(); });
  connect(refreshPhoto_, &QPushButton::clicked, this, [this] { RefreshPhoto(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  update_->setEnabled(false);
  refreshPhoto_->setEnabled(false);
  ShowPhoto();
}

void TFAcc2::Fill() {
  const auto info = online::InfoFields(ui_.club.user().Info);
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(QtText(*info[i]));
}

void TFAcc2::ShowPhoto() {
  QImage framed = PaintPhotoFrame();
  QPainter p(&framed);
  const QImage shown =
      photo_.isNull() ? PaintNoPhoto(ui_.club.user().Sex == "W" ? 'W' : 'M') : photo_;
  p.drawImage(10, 10, shown.scaled(online::kPhotoWidth, online::kPhotoHeight));
  p.end();
  picture_->setPixmap(QPixmap::fromImage(framed));
}

bool TFAcc2::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
    ChoosePhoto();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFAcc2::ChoosePhoto() {
  const QString path = ui_.choosePicture
                           ? ui_.choosePicture(this)
                           : QFileDialog::getOpenFileName(this, QString(), QString(),
                                                          QStringLiteral("JPEG (*.jpg *.jpeg)"));
  if (!path.isEmpty()) TakePhotoFile(path);
}

bool TFAcc2::TakePhotoFile(const QString& path) {
  QFile file(path);
  QByteArray bytes;
  if (file.open(QIODevice::ReadOnly)) bytes = file.read(4 * 1024 * 1024);
  QImage image;
  if (!online::IsAccountPhoto(
          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))) ||
      !image.loadFromData(bytes, "JPEG")) {
    ui_.Message(WordText(kWordPhotoFormat), true);
    return false;
  }
  chosen_ = bytes;
  photo_ = image;
  ShowPhoto();
  refreshPhoto_->setEnabled(true);
  return true;
}

void TFAcc2::RefreshPhoto() {
  if (chosen_.isEmpty()) return;
  online::OnlineClub& club = ui_.club;
  if (!online::UploadPhoto(club.frame(), club.addresses().photoUpload, chosen_.toStdString())) {
    ui_.Message(WordText(kWordPhotoUploadFailed), true);
    return;
  }
  if (auto jpeg = online::LoadPhoto(club.frame(), club.addresses().photoFolder, club.user().Nick)) {
    QImage loaded;
    if (loaded.loadFromData(reinterpret_cast<const uchar*>(jpeg->data()),
                            static_cast<int>(jpeg->size()), "JPEG")) {
      photo_ = loaded;
    }
  }
  photoChanged_ = true;
  chosen_.clear();
  ShowPhoto();
  refreshPhoto_->setEnabled(false);
  ui_.Message(WordText(kWordPhotoUploaded));
}

void TFAcc2::UpdateInfo() {
  online::OnlineClub& club = ui_.club;
  online::TInfo14 info;
  const auto target = online::InfoFields(info);
  for (std::size_t i = 0; i < fields_.size(); ++i) *target[i] = fields_[i]->text().toStdString();
  if (!online::SaveProfile(club.frame(), club.addresses().account, club.user().Nick, info)) {
    // The typed fields stay, and "Update info" stays enabled for another try.
    ui_.Message(WordText(kWordProfileNotSaved), true);
    return;
  }
  update_->setEnabled(false);
  online::ReadProfile(club.frame(), club.addresses().account, club.user().Nick, club.user().Info);
  Fill();
  ui_.Message(WordText(kWordProfileSaved));
}

}  // namespace zendral
