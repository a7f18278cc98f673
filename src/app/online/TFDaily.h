#pragma once
// The deal of the day window: the member plays the day's deck on seat 2 against the classic
// computer player, the kon is filed with the club server, and the day's table follows: the
// top ten, the member's place, the number of players, the par and the distance from it, and
// the kon's review under perfect play beside the par. Opened on a day's table only, it shows
// that table (today's or yesterday's, whose deck is open to everybody).

#include <QDialog>
#include <QImage>
#include <memory>
#include <optional>
#include <thread>

#include "app/online/OnlineUi.h"
#include "game/KonReview.h"
#include "online/Daily.h"
#include "online/DailyPlay.h"

class QLabel;
class QPushButton;

namespace zendral {

class DailyBoard;
class TopTenList;

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

  OnlineUi ui_;
  QLabel* heading_;
  QLabel* summary_;
  DailyBoard* board_;
  TopTenList* list_;
  QPushButton *today_, *yesterday_, *close_;
  std::unique_ptr<online::DailyKonPlay> play_;
  std::string day_;
  std::optional<online::DailyResult> result_;
  std::optional<online::DailyTable> table_;
  std::optional<KonReview> review_;
  std::thread reviewThread_;
};

// The menu icon of the deal of the day: a calendar leaf with a card on it.
QImage PaintDailyPicture(int size = 48);

}  // namespace zendral
