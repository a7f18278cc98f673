#pragma once
// The deal of the day window: the member plays the day's deck on seat 2 against the classic
// computer player, the kon is filed with the club server, and the day's table follows: the
// top ten, the member's place, the number of players, the par and the distance from it, and
// the kon's review under perfect play beside the par. Opened on a day's table only, it shows
// that table (today's or any day before it, whose deck is open to everybody).
//
// A day whose deck is open may be replayed offline: the same kon on the board, with hints of
// the card that keeps par within reach, and at its end the score against the day's par and
// the place it would have taken. Nothing of a replay goes to the server. Today's deck is open
// only to who has filed today's kon, and the replay waits for that too.

#include <QDate>
#include <QDialog>
#include <QImage>
#include <memory>
#include <optional>
#include <thread>

#include "app/online/OnlineUi.h"
#include "game/KonReview.h"
#include "online/Daily.h"
#include "online/DailyPlay.h"

class QDateEdit;
class QLabel;
class QPushButton;

namespace zendral {

class DailyBoard;
class TopTenList;
struct ParResult;

class TFDaily : public QDialog {
 public:
  static constexpr int kClientWidth = 820;
  static constexpr int kClientHeight = 640;

  explicit TFDaily(const OnlineUi& ui, QWidget* parent = nullptr);
  ~TFDaily() override;

  // Starts the day's deal: the board when the server dealt it; the day's table with the
  // message when the member has played it already; false (and the message) when there is
  // nothing to show (not logged in, no connection).
  bool StartDeal();
  // The table of a day: 0 today, -1 yesterday.
  void ShowDay(int daysBack);
  // The table of the given day (the club's dates).
  void ShowDate(const QDate& day);

  // Replays the shown day's deck offline; false (and the message) when it may not be replayed
  // or the server sent no deck for it.
  bool StartReplay();
  bool Replaying() const { return replaying_; }
  // Asks for the best card of the replay's position; false when there is none to ask for now.
  bool RequestHint();
  // Waits until the hint's search is over and its answer shown (tests).
  void WaitForHint();
  // The place a finished replay would have taken (nothing: below the top ten).
  std::optional<int> ReplayPlace() const { return replayPlace_; }
  QPushButton* ReplayButton() const { return replay_; }
  QPushButton* HintButton() const { return hint_; }

  DailyBoard* Board() const { return board_; }
  TopTenList* List() const { return list_; }
  const online::DailyKonPlay* Play() const { return play_.get(); }
  const std::optional<online::DailyResult>& Result() const { return result_; }
  // The review's lines once the review has been computed (empty before).
  QStringList ReviewLines() const;
  // Waits until the review's search is over (tests).
  void WaitForReview();

 private:
  void CardClicked(TCardCode card);
  void KonOver();
  void ShowTable(const online::DailyTable& table);
  void StartReview();
  void ShowSummary();
  void ShowReplayEnd();
  // Another day's table is shown: the replay's end leaves the summary.
  void LeaveReplay();
  void ShowHint(const ParResult& par, std::size_t movesAt);
  void WriteHistoryRow();
  // The shown day's deck may be replayed: a day before today, or today once filed.
  bool ReplayOffered() const;
  void ShowTableButtons(bool shown);

  OnlineUi ui_;
  QLabel* heading_;
  QLabel* summary_;
  DailyBoard* board_;
  TopTenList* list_;
  QLabel* dayLabel_;
  QDateEdit* dateEdit_;
  QLabel* hintLabel_;
  QPushButton *today_, *yesterday_, *replay_, *hint_, *close_;
  std::unique_ptr<online::DailyKonPlay> play_;
  std::string day_;
  std::optional<online::DailyResult> result_;
  std::optional<online::DailyTable> table_;
  std::optional<KonReview> review_;
  std::thread reviewThread_;
  // The club's date, as today's table names it.
  QDate clubToday_;
  bool replaying_ = false;
  bool hintPending_ = false;
  std::optional<online::DailyTable> replayTable_;
  std::optional<int> replayPlace_;
  std::thread hintThread_;
};

}  // namespace zendral
