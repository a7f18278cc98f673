#include "app/online/TFDaily.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

#include "app/online/DailyBoard.h"
#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "app/online/TopTenList.h"
#include "game/ParSearch.h"
#include "game/Solver.h"
#include "present/words/DailyReplayWords.h"
#include "present/words/DailyWords.h"
#include "present/words/SolverWords.h"
#include "present/words/WordRows.h"
#include "store/HistoryFile.h"

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
  today_->setGeometry(10, 590, 120, 40);
  yesterday_ = new QPushButton(WordText(kWordDailyYesterday), this);
  yesterday_->setObjectName(QStringLiteral("ButtonYesterday"));
  yesterday_->setGeometry(140, 590, 120, 40);
  dayLabel_ = new QLabel(WordText(kWordDailyDay), this);
  dayLabel_->setGeometry(268, 590, 60, 40);
  dayLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  dateEdit_ = new QDateEdit(this);
  dateEdit_->setObjectName(QStringLiteral("DateDaily"));
  dateEdit_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
  dateEdit_->setGeometry(332, 595, 120, 30);
  replay_ = new QPushButton(WordText(kWordDailyReplay), this);
  replay_->setObjectName(QStringLiteral("ButtonReplay"));
  replay_->setGeometry(460, 590, 180, 40);
  replay_->setEnabled(false);
  hint_ = new QPushButton(WordText(kWordHint), this);
  hint_->setObjectName(QStringLiteral("ButtonHint"));
  hint_->setGeometry(10, 590, 120, 40);
  hint_->hide();
  hintLabel_ = new QLabel(this);
  hintLabel_->setObjectName(QStringLiteral("LabelHint"));
  hintLabel_->setGeometry(140, 590, 500, 40);
  hintLabel_->hide();
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(650, 590, 160, 40);
  connect(today_, &QPushButton::clicked, this, [this] { ShowDay(0); });
  connect(yesterday_, &QPushButton::clicked, this, [this] { ShowDay(-1); });
  connect(dateEdit_, &QDateEdit::dateChanged, this, [this](const QDate& day) {
    if (table_ && day.toString(Qt::ISODate).toStdString() != table_->day) ShowDate(day);
  });
  connect(replay_, &QPushButton::clicked, this, [this] { StartReplay(); });
  connect(hint_, &QPushButton::clicked, this, [this] { RequestHint(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  heading_->setText(WordText(kWordDailyDeal));
}

TFDaily::~TFDaily() {
  if (reviewThread_.joinable()) reviewThread_.join();
  if (hintThread_.joinable()) hintThread_.join();
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
  replaying_ = false;
  play_ = std::make_unique<online::DailyKonPlay>(start.deck);
  heading_->setText(WordText(kWordDailyDeal) + QStringLiteral("  ") + QtText(day_));
  list_->hide();
  summary_->hide();
  ShowTableButtons(false);
  board_->show();
  board_->Show(play_.get());
  if (play_->Over()) KonOver();
  return true;
}

void TFDaily::CardClicked(TCardCode card) {
  if (play_ == nullptr || play_->Over() || !play_->Lay(card)) return;
  board_->SetHint(kEmptyCard);
  hintLabel_->clear();
  if (play_->Over()) KonOver();
}

void TFDaily::ShowTableButtons(bool shown) {
  for (QWidget* w :
       std::initializer_list<QWidget*>{today_, yesterday_, dayLabel_, dateEdit_, replay_}) {
    w->setVisible(shown);
  }
  hint_->setVisible(!shown && replaying_);
  hintLabel_->setVisible(!shown && replaying_);
}

void TFDaily::KonOver() {
  board_->hide();
  list_->show();
  summary_->show();
  if (replaying_) {
    ShowReplayEnd();
    return;
  }
  online::OnlineClub& club = ui_.club;
  result_ =
      online::SaveDaily(club.frame(), club.addresses().records, play_->MovesText(), play_->Score());
  if (result_) {
    WriteHistoryRow();
  } else {
    ui_.Message(WordText(kWordDailyNotFiled), true);
  }
  StartReview();
  ShowTableButtons(true);
  ShowDay(0);
}

void TFDaily::WriteHistoryRow() {
  // The filed kon joins the history of the member's sessions, as its own kind of row.
  DailyHistoryEntry entry;
  entry.nick = ui_.club.user().Nick;
  entry.score = result_->score;
  entry.par = result_->par;
  entry.place = result_->place;
  const HistoryWrite write = WriteDailyHistory(ui_.programFolder, entry, CurrentHistoryStamp());
  if (write.status != HistoryWriteStatus::kOk) ui_.Message(WordText(kWordCantSaveHistory), true);
}

bool TFDaily::ReplayOffered() const {
  if (!table_) return false;
  const QDate day = QDate::fromString(QtText(table_->day), Qt::ISODate);
  return (clubToday_.isValid() && day < clubToday_) || table_->ownScore.has_value();
}

bool TFDaily::StartReplay() {
  if (!table_) return false;
  if (!ReplayOffered()) {
    ui_.Message(WordText(kWordDailyReplayAfterFiling));
    return false;
  }
  if (!table_->deck) {
    ui_.Message(WordText(kWordDailyNoDeck), true);
    return false;
  }
  if (reviewThread_.joinable()) reviewThread_.join();
  if (hintThread_.joinable()) hintThread_.join();
  hintPending_ = false;
  review_.reset();
  result_.reset();
  replayPlace_.reset();
  replaying_ = true;
  replayTable_ = table_;
  day_ = table_->day;
  play_ = std::make_unique<online::DailyKonPlay>(*table_->deck);
  heading_->setText(WordText(kWordDailyDeal) + QStringLiteral("  ") + QtText(day_) +
                    QStringLiteral("  \u2014  ") + WordText(kWordDailyReplaying));
  list_->hide();
  summary_->hide();
  ShowTableButtons(false);
  hintLabel_->clear();
  board_->SetHint(kEmptyCard);
  board_->show();
  board_->Show(play_.get());
  if (play_->Over()) KonOver();
  return true;
}

void TFDaily::ShowReplayEnd() {
  replayPlace_ = online::WouldPlace(*replayTable_, play_->Score());
  StartReview();
  ShowTableButtons(true);
  ShowTable(*replayTable_);
}

bool TFDaily::RequestHint() {
  if (!replaying_ || play_ == nullptr || play_->Over() || hintPending_) return false;
  if (hintThread_.joinable()) hintThread_.join();
  hintPending_ = true;
  hintLabel_->setText(WordText(kWordHintThinking));
  const KonState kon = play_->kon();
  const std::size_t movesAt = play_->moves().size();
  QPointer<TFDaily> self(this);
  // The seat 1 of a replay is the classic player, as on the day: the best card is the one
  // that keeps the day's par within reach, searched on a thread of its own.
  hintThread_ = std::thread([self, kon, movesAt] {
    ParResult par = ParFrom(kon);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self, par = std::move(par), movesAt] {
          if (self != nullptr) self->ShowHint(par, movesAt);
        },
        Qt::QueuedConnection);
  });
  return true;
}

void TFDaily::ShowHint(const ParResult& par, std::size_t movesAt) {
  hintPending_ = false;
  // A hint for a position that has gone by is not shown.
  if (!replaying_ || play_ == nullptr || play_->moves().size() != movesAt || !par.ok ||
      par.line.empty() || par.line.front().pass) {
    hintLabel_->clear();
    return;
  }
  const TCardCode card = par.line.front().card;
  board_->SetHint(card);
  hintLabel_->setText(WordText(kWordHintBest) + QStringLiteral(" ") + CardFaceText(card) +
                      QStringLiteral("  \u00b7  ") + WordText(kWordDailyParFromHere) +
                      QStringLiteral(" ") + QString::number(par.par));
}

void TFDaily::WaitForHint() {
  if (hintThread_.joinable()) hintThread_.join();
  QCoreApplication::processEvents();
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

void TFDaily::LeaveReplay() {
  replaying_ = false;
  replayTable_.reset();
  replayPlace_.reset();
}

void TFDaily::ShowDay(int daysBack) {
  online::OnlineClub& club = ui_.club;
  LeaveReplay();
  if (daysBack == 0 || !clubToday_.isValid()) {
    // The club's date, which the server names with today's table.
    const auto today = online::ReadDailyTable(club.frame(), club.addresses().records);
    if (!today) {
      table_.reset();
      replay_->setEnabled(false);
      list_->SetNoConnect(WordText(kWordNoConnect));
      ShowSummary();
      return;
    }
    clubToday_ = QDate::fromString(QtText(today->day), Qt::ISODate);
    if (daysBack == 0) {
      ShowTable(*today);
      return;
    }
  }
  ShowDate(clubToday_.addDays(daysBack));
}

void TFDaily::ShowDate(const QDate& day) {
  online::OnlineClub& club = ui_.club;
  LeaveReplay();
  const auto table = online::ReadDailyTable(club.frame(), club.addresses().records,
                                            day.toString(Qt::ISODate).toStdString());
  if (!table) {
    table_.reset();
    replay_->setEnabled(false);
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
  const QDate day = QDate::fromString(QtText(table.day), Qt::ISODate);
  if (day.isValid()) {
    const QSignalBlocker quiet(dateEdit_);
    if (clubToday_.isValid()) dateEdit_->setMaximumDate(clubToday_);
    dateEdit_->setDate(day);
  }
  replay_->setEnabled(ReplayOffered());
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
  if (replayTable_ && play_ != nullptr && play_->Over()) {
    // A replay's end: its score against the day's par, and where it would have stood.
    lines << WordText(kWordDailyReplaying);
    lines << line(kWordDailyYourScore, QString::number(play_->Score()));
    if (replayTable_->par) {
      lines << line(kWordDailyPar, QString::number(*replayTable_->par));
      lines << line(kWordDailyDistance, QString::number(*replayTable_->par - play_->Score()));
    }
    lines << line(kWordDailyWouldPlace,
                  replayPlace_ ? QString::number(*replayPlace_) + QStringLiteral(" / ") +
                                     QString::number(replayTable_->players + 1)
                               : WordText(kWordDailyBelowTopTen));
  } else if (result_) {
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

}  // namespace zendral
