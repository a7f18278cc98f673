#include "app/online/TFDaily.h"

#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

#include "app/online/DailyBoard.h"
#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "app/online/TopTenList.h"
#include "game/Solver.h"
#include "present/words/DailyWords.h"
#include "present/words/SolverWords.h"
#include "present/words/WordRows.h"

namespace zendral {

TFDaily::TFDaily(const OnlineUi& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("TFDaily"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 14));
  setWindowTitle(WordText(kWordDailyDeal));
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("LabelHeading"));
  heading_->setFont(OnlineFont(ui_.settings, 20, true));
  heading_->setAlignment(Qt::AlignCenter);
  heading_->setGeometry(10, 8, 800, 36);
  board_ = new DailyBoard(this);
  board_->setGeometry(10, 50, 800, 530);
  board_->OnCard([this](TCardCode card) { CardClicked(card); });
  board_->hide();
  list_ = new TopTenList(this);
  list_->setObjectName(QStringLiteral("ListDaily"));
  list_->setFont(OnlineFont(ui_.settings, 14));
  list_->setGeometry(10, 50, 540, 530);
  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("LabelSummary"));
  summary_->setFont(OnlineFont(ui_.settings, 13));
  summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  summary_->setWordWrap(true);
  summary_->setGeometry(560, 50, 250, 530);
  today_ = new QPushButton(WordText(kWordDailyToday), this);
  today_->setObjectName(QStringLiteral("ButtonToday"));
  today_->setGeometry(10, 590, 160, 40);
  yesterday_ = new QPushButton(WordText(kWordDailyYesterday), this);
  yesterday_->setObjectName(QStringLiteral("ButtonYesterday"));
  yesterday_->setGeometry(180, 590, 160, 40);
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(650, 590, 160, 40);
  connect(today_, &QPushButton::clicked, this, [this] { ShowDay(0); });
  connect(yesterday_, &QPushButton::clicked, this, [this] { ShowDay(-1); });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  heading_->setText(WordText(kWordDailyDeal));
}

TFDaily::~TFDaily() {
  if (reviewThread_.joinable()) reviewThread_.join();
}

bool TFDaily::StartDeal() {
  online::OnlineClub& club = ui_.club;
  if (!club.LoggedIn()) {
    ui_.Message(WordText(kWordDailyLogInFirst));
    return false;
  }
  const online::DailyStart start = online::StartDaily(club.frame(), club.addresses().records);
  if (start.kind == online::DailyStartKind::kPlayedAlready) {
    ui_.Message(WordText(kWordDailyPlayedAlready));
    ShowDay(0);
    return true;
  }
  if (start.kind != online::DailyStartKind::kDealt) {
    ui_.Message(WordText(kWordNoConnectMessage), true);
    return false;
  }
  day_ = start.day;
  play_ = std::make_unique<online::DailyKonPlay>(start.deck);
  heading_->setText(WordText(kWordDailyDeal) + QStringLiteral("  ") + QtText(day_));
  list_->hide();
  summary_->hide();
  today_->hide();
  yesterday_->hide();
  board_->show();
  board_->Show(play_.get());
  if (play_->Over()) KonOver();
  return true;
}

void TFDaily::CardClicked(TCardCode card) {
  if (play_ == nullptr || play_->Over() || !play_->Lay(card)) return;
  board_->update();
  if (play_->Over()) KonOver();
}

void TFDaily::KonOver() {
  online::OnlineClub& club = ui_.club;
  result_ =
      online::SaveDaily(club.frame(), club.addresses().records, play_->MovesText(), play_->Score());
  if (!result_) ui_.Message(WordText(kWordDailyNotFiled), true);
  StartReview();
  board_->hide();
  list_->show();
  summary_->show();
  today_->show();
  yesterday_->show();
  ShowDay(0);
}

void TFDaily::StartReview() {
  if (play_ == nullptr || !play_->record().over || reviewThread_.joinable()) return;
  const KonRecord record = play_->record();
  QPointer<TFDaily> self(this);
  // The perfect-play search of the review runs on a thread of its own; the window shows its
  // lines when it is done.
  reviewThread_ = std::thread([self, record] {
    Solver solver(std::size_t{16} << 20);
    KonReview review = ReviewKon(solver, record, kSeat2);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, review] {
          if (self == nullptr || !review.ok) return;
          self->review_ = review;
          self->ShowSummary();
        },
        Qt::QueuedConnection);
  });
}

void TFDaily::WaitForReview() {
  if (reviewThread_.joinable()) reviewThread_.join();
  QCoreApplication::processEvents();
}

void TFDaily::ShowDay(int daysBack) {
  online::OnlineClub& club = ui_.club;
  std::string date;
  if (daysBack != 0) {
    // The club's date, which the server names: today's table first, then a day before it.
    const auto today = online::ReadDailyTable(club.frame(), club.addresses().records);
    if (!today) {
      list_->SetNoConnect(WordText(kWordNoConnect));
      return;
    }
    const QDate day = QDate::fromString(QtText(today->day), Qt::ISODate).addDays(daysBack);
    date = day.toString(Qt::ISODate).toStdString();
  }
  const auto table = online::ReadDailyTable(club.frame(), club.addresses().records, date);
  if (!table) {
    table_.reset();
    list_->SetNoConnect(WordText(kWordNoConnect));
    ShowSummary();
    return;
  }
  ShowTable(*table);
}

void TFDaily::ShowTable(const online::DailyTable& table) {
  table_ = table;
  heading_->setText(WordText(kWordDailyDeal) + QStringLiteral("  ") + QtText(table.day));
  std::vector<TopTenRow> rows;
  for (const online::DailyRow& r : table.rows) {
    TopTenRow row;
    row.place = QString::number(r.place) + QStringLiteral(".");
    row.flag = PaintFlag(r.country);
    row.nick = QtText(r.nick);
    row.where = QtText(r.city) + QStringLiteral("  ") + QtText(r.time);
    // The score, and how far it fell short of par when it did.
    row.value = QString::number(r.score);
    if (r.distance > 0) row.value += QStringLiteral(" (-%1)").arg(r.distance);
    rows.push_back(std::move(row));
  }
  QStringList below;
  below << WordText(kWordDailyPlayers) + QStringLiteral(" ") + QString::number(table.players);
  if (table.ownScore) {
    below << WordText(kWordDailyYourPlace) + QStringLiteral(" ") + QString::number(table.ownPlace);
  }
  if (!table.deck) below << WordText(kWordDailyDeckSecret);
  list_->SetRows(std::move(rows), below);
  ShowSummary();
}

QStringList TFDaily::ReviewLines() const {
  QStringList lines;
  if (!review_) return lines;
  // These texts of the review end in their own blank.
  const auto line = [](const TWordRow& word, int value) {
    return WordText(word) + QString::number(value);
  };
  lines << WordText(kWordReviewTitle);
  lines << line(kWordReviewAtDeal, review_->valueAtDeal);
  lines << line(kWordReviewLost, review_->lost);
  lines << line(kWordReviewGifted, review_->gifted);
  lines << line(kWordReviewResult, review_->result);
  return lines;
}

void TFDaily::ShowSummary() {
  QStringList lines;
  const auto line = [](const TWordRow& word, const QString& value) {
    return WordText(word) + QStringLiteral(" ") + value;
  };
  if (result_) {
    lines << line(kWordDailyYourScore, QString::number(result_->score));
    lines << line(kWordDailyPar, QString::number(result_->par));
    lines << line(kWordDailyDistance, QString::number(result_->Distance()));
    lines << line(kWordDailyYourPlace, QString::number(result_->place) + QStringLiteral(" / ") +
                                           QString::number(result_->players));
  } else if (table_ && table_->par) {
    lines << line(kWordDailyPar, QString::number(*table_->par));
    if (table_->ownScore) {
      lines << line(kWordDailyYourScore, QString::number(*table_->ownScore));
      lines << line(kWordDailyDistance, QString::number(*table_->par - *table_->ownScore));
    }
  }
  const QStringList review = ReviewLines();
  if (!review.isEmpty()) lines << QString() << review;
  summary_->setText(lines.join(QLatin1Char('\n')));
}

QImage PaintDailyPicture(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double u = size / 48.0;
  // The calendar leaf with its red top band.
  p.setPen(QPen(QColor(90, 90, 90), 1.5 * u));
  p.setBrush(QColor(250, 250, 245));
  p.drawRoundedRect(QRectF(4 * u, 6 * u, 34 * u, 36 * u), 4 * u, 4 * u);
  p.setBrush(QColor(200, 40, 40));
  p.drawRect(QRectF(4 * u, 6 * u, 34 * u, 9 * u));
  // A card leaning on it: the nine of diamonds, which opens every kon.
  p.save();
  p.translate(30 * u, 26 * u);
  p.rotate(12);
  p.setPen(QPen(QColor(40, 40, 40), 1.2 * u));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(-9 * u, -13 * u, 18 * u, 26 * u), 3 * u, 3 * u);
  p.setPen(QColor(200, 20, 20));
  QFont f = p.font();
  f.setPixelSize(static_cast<int>(11 * u));
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRectF(-9 * u, -13 * u, 18 * u, 26 * u), Qt::AlignCenter, QStringLiteral("9\u2666"));
  p.restore();
  return image;
}

}  // namespace zendral
