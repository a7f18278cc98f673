#include "app/online/TFormAdv.h"

#include <QPushButton>
#include <QUrl>
#include <random>

#include "app/online/OnlineText.h"
#include "app/windows/WindowHeader.h"
#include "present/words/WordRows.h"

namespace zendral {

namespace {

online::RandomInRange SystemRandom() {
  auto engine = std::make_shared<std::mt19937>(std::random_device{}());
  return [engine](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(*engine);
  };
}

bool WebAddress(const std::string& address) {
  const QUrl url(QString::fromStdString(address));
  return url.isValid() && (url.scheme() == "http" || url.scheme() == "https");
}

}  // namespace

TFormAdv::TFormAdv(const OnlineUi& ui, PackPictureLoader packPicture, online::RandomInRange random,
                   QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setObjectName("FormAdv");
  setWindowTitle(WordText(kWordAdvertising));
  setFixedSize(kClientWidth, kClientHeight);
  setStyleSheet("QDialog#FormAdv { background: rgb(250, 246, 232); }");
  header_ = new WindowHeader(ui.settings, HeaderNames{"OurGames", "GFormAdv", &kWordOurGames},
                             std::move(packPicture), this);
  header_->setGeometry(0, 0, kClientWidth, WindowHeader::kHeight);

  if (!random) random = SystemRandom();
  entries_ = online::ReadAdvertising(ui.club.frame(), ui.club.addresses().advertising, random);

  const QString noConnect = QString::fromLatin1(online::kNoConnect.data(),
                                                static_cast<qsizetype>(online::kNoConnect.size()));
  const int marginX = (kClientWidth - 2 * kPictureWidth) / 3;
  const int nameHeight = 28;
  const int cellHeight = kPictureHeight + nameHeight + 14;
  for (int i = 0; i < online::kAdvertisingShown; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const int x = marginX + (i % 2) * (kPictureWidth + marginX);
    const int y = WindowHeader::kHeight + 14 + (i / 2) * cellHeight;
    auto* picture = new QPushButton(this);
    picture->setObjectName(QString("AdvImage%1").arg(i + 1));
    picture->setGeometry(x, y, kPictureWidth, kPictureHeight);
    picture->setFlat(true);
    picture->setStyleSheet(
        "QPushButton { border: 1px solid rgb(150, 130, 90); background: rgb(238, 230, 205); }");
    auto* name = new QPushButton(this);
    name->setObjectName(QString("AdvName%1").arg(i + 1));
    name->setGeometry(x, y + kPictureHeight + 4, kPictureWidth, nameHeight);
    name->setFont(OnlineFont(ui.settings, 10, true));
    name->setFlat(true);
    pictures_[k] = picture;
    names_[k] = name;
    if (!entries_) {
      name->setText(noConnect);
      name->setStyleSheet("QPushButton { color: rgb(200, 0, 0); border: none; }");
      picture->setEnabled(false);
      name->setEnabled(true);
      continue;
    }
    const online::AdvertisingEntry& entry = (*entries_)[k];
    name->setText(QString::fromStdString(entry.name));
    name->setToolTip(QString::fromStdString(entry.link));
    name->setStyleSheet(
        "QPushButton { color: rgb(0, 0, 160); border: none; text-decoration: underline; }");
    name->setCursor(Qt::PointingHandCursor);
    picture->setCursor(Qt::PointingHandCursor);
    images_[k] = DownloadPicture(entry.picture);
    if (!images_[k].isNull()) {
      const QImage fitted = images_[k].scaled(kPictureWidth - 4, kPictureHeight - 4,
                                              Qt::KeepAspectRatio, Qt::SmoothTransformation);
      picture->setIcon(QIcon(QPixmap::fromImage(fitted)));
      picture->setIconSize(fitted.size());
    }
    connect(picture, &QPushButton::clicked, this, [this, i] { OpenEntry(i); });
    connect(name, &QPushButton::clicked, this, [this, i] { OpenEntry(i); });
  }

  auto* close = new QPushButton(WordText(kWordClose), this);
  close->setObjectName("BClose");
  close->setGeometry((kClientWidth - 110) / 2, kClientHeight - 40, 110, 28);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

const online::AdvertisingEntry* TFormAdv::Entry(int i) const {
  if (!entries_ || i < 0 || i >= online::kAdvertisingShown) return nullptr;
  return &(*entries_)[static_cast<std::size_t>(i)];
}

bool TFormAdv::OpenEntry(int i) {
  const online::AdvertisingEntry* entry = Entry(i);
  if (entry == nullptr || !WebAddress(entry->link)) return false;
  return ui_.Open(QUrl(QString::fromStdString(entry->link)));
}

QImage TFormAdv::DownloadPicture(const std::string& address) {
  if (!WebAddress(address)) return {};
  const auto bytes = ui_.club.frame().FetchBytes(address);
  if (!bytes || bytes->empty() || bytes->size() > static_cast<std::size_t>(kMaxPictureBytes))
    return {};
  QImage image;
  if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                          static_cast<int>(bytes->size())))
    return {};
  // A picture of absurd dimensions is not worth decoding further.
  if (image.width() > 4096 || image.height() > 4096) return {};
  return image;
}

}  // namespace zendral
