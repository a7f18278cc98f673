#include "app/online/TFormChat.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTime>
#include <QTimer>

#include "app/online/MenuArt.h"
#include "app/online/OnlineArt.h"
#include "app/online/OnlineText.h"
#include "app/online/TFPassport.h"
#include "app/windows/FontScale.h"
#include "online/Accounts.h"
#include "online/ChatNews.h"
#include "present/words/WordRows.h"

namespace zendral {

// ---- The list

ChatList::ChatList(QWidget* parent) : QWidget(parent), newMarker_(PaintNewMarker()) {}

void ChatList::SetRows(std::vector<ChatListRow> rows) {
  rows_ = std::move(rows);
  noConnect_.clear();
  update();
}

void ChatList::SetNoConnect(const QString& text) {
  rows_.clear();
  noConnect_ = text;
  update();
}

void ChatList::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(250, 246, 232));
  p.setPen(QColor(150, 130, 90));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  if (!noConnect_.isEmpty()) {
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(200, 0, 0));
    p.drawText(rect(), Qt::AlignCenter, noConnect_);
    return;
  }
  const QFontMetrics metrics(font());
  const int line = metrics.height() + 2;
  const int rowHeight = 2 * line + 8;
  const int w = width();
  const QFont small = ScaledFont(font(), 0.85);
  const QFontMetrics smallMetrics(small);
  int y = 4;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const ChatListRow& r = rows_[i];
    if (i % 2 == 1) p.fillRect(QRect(1, y - 2, w - 2, rowHeight), QColor(238, 230, 205));
    p.setFont(font());
    p.setPen(QColor(40, 30, 20));
    p.drawText(QRect(4, y, 52, line), Qt::AlignRight | Qt::AlignVCenter, r.number);
    const int mid = y + line / 2;
    if (!r.flag.isNull()) p.drawImage(62, mid - r.flag.height() / 2, r.flag);
    if (!r.sex.isNull()) p.drawImage(80, mid - r.sex.height() / 2, r.sex);
    if (r.isNew) p.drawImage(14, y + line + 2, newMarker_);
    p.setFont(small);
    p.setPen(QColor(110, 80, 50));
    const int left = 100;
    p.drawText(QRect(left, y, w - left - 8, line), Qt::AlignLeft | Qt::AlignVCenter,
               smallMetrics.elidedText(r.heading, Qt::ElideRight, w - left - 8));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(20, 20, 90));
    p.drawText(QRect(left, y + line, w - left - 8, line), Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(bold).elidedText(r.text, Qt::ElideRight, w - left - 8));
    y += rowHeight;
  }
}

// ---- The window

TFormChat::TFormChat(const OnlineUi& ui, std::filesystem::path marksFolder, QWidget* parent)
    : QDialog(parent), ui_(ui), marksFolder_(std::move(marksFolder)) {
  setObjectName(QStringLiteral("TFormChat"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 13));
  setWindowTitle(WordText(kWordKovGamesChat));
  marks_ = ReadChatFile(marksFolder_);
  seenAtOpen_ = marks_.lastSeen;
  newest_ = marks_.lastSeen;

  list_ = new ChatList(this);
  list_->setObjectName(QStringLiteral("ListChat"));
  list_->setFont(OnlineFont(ui_.settings, 12));
  list_->setGeometry(10, 10, kClientWidth - 20, 500);

  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("EditMessage"));
  edit_->setMaxLength(static_cast<int>(kChatMessageMaxChars));
  edit_->setGeometry(10, 522, kClientWidth - 20 - 150, 34);
  send_ = new QPushButton(WordText(kWordSend), this);
  send_->setObjectName(QStringLiteral("ButtonSend"));
  send_->setGeometry(kClientWidth - 150, 520, 140, 38);

  lastAtBottom_ = new QCheckBox(WordText(kWordLastMessageAtBottom), this);
  lastAtBottom_->setObjectName(QStringLiteral("CheckLastAtBottom"));
  lastAtBottom_->setGeometry(10, 566, 370, 28);
  lastAtBottom_->setChecked(marks_.lastAtBottom);
  openOnNew_ = new QCheckBox(WordText(kWordOpenOnNewMessage), this);
  openOnNew_->setObjectName(QStringLiteral("CheckOpenOnNew"));
  openOnNew_->setGeometry(380, 566, 370, 28);
  openOnNew_->setChecked(marks_.openOnNew);

  refresh_ = new QPushButton(WordText(kWordRefresh), this);
  refresh_->setObjectName(QStringLiteral("ButtonRefresh"));
  refresh_->setGeometry(10, 608, 160, 40);
  passport_ = new QPushButton(WordText(kWordPassport), this);
  passport_->setObjectName(QStringLiteral("ButtonPassport"));
  passport_->setGeometry(180, 608, 160, 40);
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(kClientWidth - 170, 608, 160, 40);

  timer_ = new QTimer(this);
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(kTimerMs);

  connect(send_, &QPushButton::clicked, this, [this] { Send(); });
  connect(edit_, &QLineEdit::returnPressed, this, [this] { Send(); });
  connect(refresh_, &QPushButton::clicked, this, [this] {
    Refresh();
    // Once a tick: the button stays where it is, greyed until the next tick.
    refresh_->setEnabled(false);
  });
  connect(passport_, &QPushButton::clicked, this, [this] {
    TFPassport passport(ui_.settings, this);
    ui_.Run(passport);
    edit_->setEnabled(MayWrite());
  });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  connect(lastAtBottom_, &QCheckBox::toggled, this, [this](bool on) {
    marks_.lastAtBottom = on;
    OptionChanged();
    lastAtBottom_->setEnabled(false);
    Refresh();
  });
  connect(openOnNew_, &QCheckBox::toggled, this, [this](bool on) {
    marks_.openOnNew = on;
    OptionChanged();
  });
  connect(timer_, &QTimer::timeout, this, &TFormChat::Tick);

  edit_->setEnabled(MayWrite());
  Refresh();
  timer_->start();
}

bool TFormChat::MayWrite() const {
  // A member logged in to his account chats under the account, which the server checked.
  if (ui_.club.LoggedIn()) return true;
  return online::CheckPassportField(ui_.settings.WttNick, online::FieldKind::kNick) >= 2 &&
         online::CheckPassportField(ui_.settings.WttCity, online::FieldKind::kCity) >= 2;
}

void TFormChat::Refresh() {
  messages_ = online::ReadChat(ui_.club.frame(), ui_.club.addresses().records);
  if (!messages_) {
    list_->SetNoConnect(WordText(kWordNoConnect));
    return;
  }
  if (!messages_->empty()) newest_ = std::max(newest_, messages_->front().Score);
  std::vector<ChatListRow> rows;
  for (const online::TKovRecord& m : *messages_) {
    ChatListRow row;
    row.number = QString::number(m.Score) + QStringLiteral(".");
    row.flag = PaintFlag(m.Country);
    row.sex = PaintSexIcon(m.R07 == "W" ? 'W' : 'M');
    row.heading = QtText(m.City) + QStringLiteral(" : ") + QtText(DecodeChatText(m.R09)) +
                  QStringLiteral(" ") + QtText(m.R08) + QStringLiteral(" : ") + QtText(m.Nick);
    row.text = QtText(DecodeChatText(m.R10));
    // The player's own lines are never news to him, whether sent from this window or earlier.
    row.isNew = m.Score > seenAtOpen_ && !IsOwn(m);
    rows.push_back(std::move(row));
  }
  if (marks_.lastAtBottom) std::reverse(rows.begin(), rows.end());
  list_->SetRows(std::move(rows));
}

online::ChatMessage TFormChat::Sender() const {
  online::ChatMessage message;
  // A member logged in to his account writes as the account; other players as their passport.
  const bool member = ui_.club.LoggedIn();
  const online::TKovUser& account = ui_.club.user();
  message.nick = member ? account.Nick : ui_.settings.WttNick;
  message.city = member ? account.City : ui_.settings.WttCity;
  message.country = member ? account.Country2 : ui_.settings.WttCountry;
  const std::string& sex = member ? account.Sex : ui_.settings.WttSex;
  message.sex.assign(1, sex == "W" ? 'W' : 'M');
  return message;
}

bool TFormChat::IsOwn(const online::TKovRecord& message) const {
  if (sent_.count(message.Score) != 0) return true;
  const online::ChatMessage self = Sender();
  return !self.nick.empty() && message.Nick == self.nick && message.City == self.city;
}

bool TFormChat::Send() {
  if (edit_->text().isEmpty() || !edit_->isEnabled()) return false;
  online::ChatMessage message = Sender();
  message.text = edit_->text().toStdString();
  message.timeField =
      ChatTimeField(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")).toStdString(),
                    TodayShortDate().toStdString(), WordText(kWordTitle).toStdString());
  const std::optional<int> number =
      online::SendChatMessage(ui_.club.frame(), ui_.club.addresses().records, message);
  if (!number) {
    ui_.Message(WordText(kWordCantSendMessage), true);
    return false;
  }
  sent_.insert(*number);
  edit_->clear();
  edit_->setEnabled(false);
  // The list is read again here; the refresh button stays for the player's own refresh.
  Refresh();
  newest_ = std::max(newest_, *number);
  marks_.lastSeen = newest_;
  SaveMarks();
  return true;
}

void TFormChat::Tick() {
  // The open window follows the chat by itself; the button stays for a refresh in between.
  Refresh();
  refresh_->setEnabled(true);
  edit_->setEnabled(MayWrite());
  lastAtBottom_->setEnabled(true);
}

void TFormChat::SaveMarks() {
  WriteChatFile(marksFolder_, marks_);
}

void TFormChat::OptionChanged() {
  SaveMarks();
}

void TFormChat::KeepNewestAsSeen() {
  marks_.lastSeen = std::max(marks_.lastSeen, newest_);
  SaveMarks();
}

void TFormChat::done(int result) {
  timer_->stop();
  KeepNewestAsSeen();
  QDialog::done(result);
}

}  // namespace zendral
