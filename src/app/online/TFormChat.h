#pragma once
// The chat window ("Kov Games Chat"): the ten newest messages of the family's chat with the
// sender's flag and sex, "new" on those of others the player had not seen, the message edit (80
// characters, Enter sends), refresh, the passport, and the chat file's two options. The list is
// read again on every tick of its 15-second timer; refreshing by hand and sending are possible
// once per tick (the refresh button stays in place, greyed until the tick).

#include <QDialog>
#include <QImage>
#include <QWidget>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

#include "app/online/OnlineUi.h"
#include "extras/menuinfo/ChatNewsFiles.h"
#include "online/ChatNews.h"
#include "online/Results.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zendral {

// The messages as the window draws them, two lines each.
struct ChatListRow {
  QString number;  // "7."
  QImage flag, sex;
  QString heading;  // city : time date program version : nick
  QString text;
  bool isNew = false;
};

class ChatList : public QWidget {
 public:
  explicit ChatList(QWidget* parent = nullptr);
  void SetRows(std::vector<ChatListRow> rows);
  void SetNoConnect(const QString& text);
  const std::vector<ChatListRow>& Rows() const { return rows_; }
  bool NoConnectShown() const { return !noConnect_.isEmpty(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<ChatListRow> rows_;
  QString noConnect_;
  QImage newMarker_;
};

class TFormChat : public QDialog {
 public:
  static constexpr int kClientWidth = 760;
  static constexpr int kClientHeight = 660;
  static constexpr int kTimerMs = 15000;

  // marksFolder: where the chat file lies (the parent folder of the program folder).
  TFormChat(const OnlineUi& ui, std::filesystem::path marksFolder, QWidget* parent = nullptr);

  // Reads the chat and draws it; "No Connect" when the read fails.
  void Refresh();
  // Sends the edit's text; false (and the message "Unable to send a message!") on failure.
  bool Send();
  // The 15-second tick: the list is read again, and refresh and sending become possible again.
  void Tick();

  ChatList* List() const { return list_; }
  QLineEdit* Edit() const { return edit_; }
  QTimer* Timer() const { return timer_; }
  // The newest number read, which closing the window makes the last one seen.
  int NewestRead() const { return newest_; }
  // The newest number read becomes the last one seen, in the chat file (as the window closes).
  void KeepNewestAsSeen();
  void done(int result) override;

 private:
  bool MayWrite() const;
  // Who the player writes as: the account when logged in, else the passport.
  online::ChatMessage Sender() const;
  // A line the player wrote: sent from this window, or under his name and city.
  bool IsOwn(const online::TKovRecord& message) const;
  void SaveMarks();
  void OptionChanged();

  OnlineUi ui_;
  std::filesystem::path marksFolder_;
  TChatMarks marks_;
  int seenAtOpen_ = 0;
  int newest_ = 0;
  std::set<int> sent_;  // the numbers of the messages sent from this window
  std::optional<std::vector<online::TKovRecord>> messages_;
  ChatList* list_;
  QLineEdit* edit_;
  QPushButton *send_, *refresh_, *passport_, *close_;
  QCheckBox *lastAtBottom_, *openOnNew_;
  QTimer* timer_;
};

}  // namespace zendral
