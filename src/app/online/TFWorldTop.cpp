#include "app/online/TFWorldTop.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "app/online/MenuArt.h"
#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "app/online/TFDaily.h"
#include "app/online/TFPassport.h"
#include "app/online/TFTourTop.h"
#include "app/online/TopTenList.h"
#include "app/windows/OrderPicture.h"
#include "online/Countries.h"
#include "online/Numbers.h"
#include "present/words/DailyWords.h"
#include "present/words/OnlineEdgeWords.h"
#include "present/words/WordRows.h"

namespace zendral {
namespace {

int lastWorldTable = 3;

const TWordRow* const kHeadings[7] = {&kWordAccountRatingAll,        &kWordAccountScoreCycle,
                                      &kWordWindowsScoreCycle,       &kWordAndroidScoreCycle,
                                      &kWordWindowsOnlineTournament, &kWordWindowsLocalGames,
                                      &kWordWindowsNetGames};

QImage WindowsIcon() {
  QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const QColor colours[4] = {QColor(240, 80, 30), QColor(120, 190, 30), QColor(0, 160, 240),
                             QColor(255, 190, 0)};
  for (int i = 0; i < 4; ++i)
    p.fillRect(QRect(3 + (i % 2) * 18, 3 + (i / 2) * 18, 16, 16), colours[i]);
  return image;
}

QImage AndroidIcon() {
  QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(120, 195, 70));
  p.drawChord(QRectF(6, 4, 28, 26), 0, 180 * 16);
  p.drawRoundedRect(QRectF(6, 19, 28, 17), 3, 3);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(13, 10, 3, 3));
  p.drawEllipse(QRectF(24, 10, 3, 3));
  return image;
}

QString Where(const online::TKovRecord& r, int id) {
  if (id == online::kWindowsTable) return QtText(r.City);
  return QtText(r.City) + QStringLiteral(", ") + QtText(r.Country);
}

}  // namespace

int TFWorldTop::LastWorldTable() {
  return lastWorldTable;
}

TFWorldTop::TFWorldTop(const OnlineUi& ui, int table, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("TFWorldTop"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 14));
  setWindowTitle(WordText(kWordWorldTopTen));
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("LabelHeading"));
  heading_->setFont(OnlineFont(ui_.settings, 20, true));
  heading_->setAlignment(Qt::AlignCenter);
  heading_->setGeometry(250, 8, 560, 36);
  list_ = new TopTenList(this);
  list_->setObjectName(QStringLiteral("ListTop"));
  list_->setFont(OnlineFont(ui_.settings, 14));
  list_->setGeometry(250, 50, 560, 530);
  if (ui_.graphicsPack) {
    for (int k = 1; k <= 7; ++k) {
      auto* b = new QPushButton(WordText(*kHeadings[k - 1]), this);
      b->setObjectName(QStringLiteral("Button%1").arg(k));
      b->setFont(OnlineFont(ui_.settings, 11, true));
      b->setGeometry(10, 50 + (k - 1) * 68, 228, 60);
      b->setCheckable(true);
      connect(b, &QPushButton::clicked, this, [this, k] { ShowTable(k); });
      buttons_.push_back(b);
    }
  } else {
    // The three world tables: Windows, Android, account.
    const struct {
      int table;
      QImage icon;
      const char* name;
    } icons[] = {{3, WindowsIcon(), "ImageWindows"},
                 {4, AndroidIcon(), "ImageAndroid"},
                 {2, PaintAccountPicture(40), "ImageAccount"}};
    int y = 50;
    for (const auto& icon : icons) {
      auto* b = new QPushButton(this);
      b->setObjectName(icon.name);
      b->setIcon(QIcon(QPixmap::fromImage(icon.icon)));
      b->setIconSize(QSize(40, 40));
      b->setToolTip(WordText(*kHeadings[icon.table - 1]));
      b->setGeometry(80, y, 72, 64);
      b->setCheckable(true);
      b->setProperty("table", icon.table);
      const int t = icon.table;
      connect(b, &QPushButton::clicked, this, [this, t] { ShowTable(t); });
      buttons_.push_back(b);
      y += 80;
    }
  }
  // The deal of the day's table, below the tables of this window.
  daily_ = new QPushButton(this);
  daily_->setObjectName(QStringLiteral("ButtonDaily"));
  daily_->setToolTip(WordText(kWordDailyDeal));
  if (ui_.graphicsPack) {
    daily_->setText(WordText(kWordDailyDeal));
    daily_->setFont(OnlineFont(ui_.settings, 11, true));
    daily_->setGeometry(10, 50 + 7 * 68, 228, 60);
  } else {
    daily_->setIcon(QIcon(QPixmap::fromImage(PaintDailyPicture(40))));
    daily_->setIconSize(QSize(40, 40));
    daily_->setGeometry(80, 290, 72, 64);
  }
  connect(daily_, &QPushButton::clicked, this, [this] {
    TFDaily window(ui_, this);
    window.ShowDay(0);
    ui_.Run(window);
  });
  passport_ = new QPushButton(WordText(kWordPassport), this);
  passport_->setObjectName(QStringLiteral("ButtonPassport"));
  passport_->setGeometry(10, 590, 228, 40);
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(650, 590, 160, 40);
  connect(passport_, &QPushButton::clicked, this, [this] {
    TFPassport passport(ui_.settings, this);
    ui_.Run(passport);
    ShowTable(table_);
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  ShowTable(table);
}

QString TFWorldTop::Heading() const {
  return heading_->text();
}

void TFWorldTop::ShowTable(int table) {
  if (table < 1 || table > 7) table = 3;
  if (!ui_.graphicsPack && table != 2 && table != 3 && table != 4) table = 3;
  table_ = table;
  if (table >= 2 && table <= 4) lastWorldTable = table;
  heading_->setText(WordText(*kHeadings[table - 1]));
  for (QPushButton* b : buttons_) {
    const int t = b->property("table").isValid() ? b->property("table").toInt()
                                                 : b->objectName().mid(6).toInt();
    b->setChecked(t == table);
  }
  switch (table) {
    case 1:
      ShowClubTop();
      break;
    case 2:
      ShowWorld(online::kAccountTable);
      break;
    case 3:
      ShowWorld(online::kWindowsTable);
      break;
    case 4:
      ShowWorld(online::kAndroidTable);
      break;
    case 5:
      ShowTournament();
      break;
    case 6:
      ShowLocal(false);
      break;
    case 7:
      ShowLocal(true);
      break;
  }
}

void TFWorldTop::ShowWorld(int id) {
  online::OnlineClub& club = ui_.club;
  const auto rows = online::ReadWorldTable(club.frame(), club.addresses().records, id);
  if (!rows) {
    list_->SetNoConnect(WordText(kWordNoConnect));
    return;
  }
  std::vector<TopTenRow> shown;
  for (const online::TKovRecord& r : *rows) {
    if (r.IsEmpty()) continue;
    TopTenRow row;
    row.place = QString::number(r.Place) + QStringLiteral(".");
    if (id == online::kWindowsTable) row.flag = PaintFlag(r.Country);
    row.sex = PaintSexIcon(r.R07.empty() ? 'M' : r.R07[0]);
    row.nick = QtText(r.Nick);
    row.where = Where(r, id);
    row.value = QString::number(r.Score);
    shown.push_back(std::move(row));
  }
  QStringList below;
  // Each row of a world table is one cycle filed with its score, so its size counts cycles.
  const auto size = online::CountWorldTable(club.frame(), club.addresses().records, id);
  below << WordText(kWordCyclesInTable) + QStringLiteral(": ") +
               (size ? QString::number(*size) : QString());
  // The own rows: the passport for the tables of programs, the account for the account table.
  std::string name = ui_.settings.WttNick, city = ui_.settings.WttCity;
  if (id == online::kAccountTable) {
    name = club.LoggedIn() ? club.user().Nick : std::string();
    city = club.user().City;
  }
  if (!name.empty()) {
    if (const auto own =
            online::ReadOwnWorldRows(club.frame(), club.addresses().records, id, name, city)) {
      int n = 0;
      for (const online::TKovRecord& r : *own) {
        if (r.IsEmpty() || ++n > 5) continue;
        below << QString::number(r.Place) + QStringLiteral(". ") + QtText(r.Nick) +
                     QStringLiteral("   ") + QString::number(r.Score);
      }
    }
  }
  list_->SetRows(std::move(shown), below);
}

void TFWorldTop::ShowClubTop() {
  const auto rows = online::ReadClubTopTen(ui_.club.frame(), ui_.club.addresses().account);
  if (!rows) {
    list_->SetNoConnect(WordText(kWordNoConnect));
    return;
  }
  std::vector<TopTenRow> shown;
  int place = 0;
  for (const online::TKovTop10& r : *rows) {
    ++place;
    if (r.Nick.empty()) continue;
    shown.push_back({QString::number(place) + QStringLiteral("."), PaintFlag(r.Country),
                     PaintSexIcon(r.Sex), QtText(r.Nick), QtText(r.City),
                     QtText(online::ShowRating(r.Rating, DecimalSeparator(Language())))});
  }
  list_->SetRows(std::move(shown));
}

void TFWorldTop::ShowTournament() {
  const auto rows = online::ReadTournamentTopTen(ui_.club.frame(), ui_.club.addresses().tournament,
                                                 LastTournamentCriterion());
  if (!rows) {
    list_->SetNoConnect(WordText(kWordNoConnect));
    return;
  }
  std::vector<TopTenRow> shown;
  for (const auto& r : *rows) {
    if (r.Nick.empty() || r.Nick == "#") continue;
    shown.push_back({QString::number(r.Place) + QStringLiteral("."), PaintFlag(r.Country),
                     PaintSexIcon(r.R07.empty() ? 'M' : r.R07[0]), QtText(r.Nick), QtText(r.City),
                     QtText(r.Score)});
  }
  list_->SetRows(std::move(shown));
}

void TFWorldTop::ShowLocal(bool net) {
  const ClubOrder order = ReadClubOrder(ui_.programFolder, net);
  std::vector<TopTenRow> shown;
  if (order.read) {
    for (int i = 0; i < 10; ++i) {
      const QString name = QtText(order.names[static_cast<std::size_t>(i)]).trimmed();
      if (name.isEmpty()) continue;
      shown.push_back({QString::number(i + 1) + QStringLiteral("."), QImage(), QImage(), name,
                       QString(), QtText(order.scores[static_cast<std::size_t>(i)]).trimmed()});
    }
  }
  list_->SetRows(std::move(shown));
}

}  // namespace zendral
