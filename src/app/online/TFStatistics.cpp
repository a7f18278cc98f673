#include "app/online/TFStatistics.h"

#include <QInputDialog>
#include <QLabel>
#include <QPushButton>

#include "app/online/OnlineText.h"
#include "online/Accounts.h"
#include "online/Results.h"
#include "present/words/WordRows.h"

namespace zendral {
namespace {

const TWordRow* const kRowLabels[TFStatistics::kRows] = {
    &kWordNumberOfStarts,    &kWordNumberOfUniqueStarts, &kWordLikes,      &kWordLastLike,
    &kWordGamesPlayedWithPc, &kWordCyclesPlayedWithPc,   &kWordPeopleWins, &kWordPeopleLosses,
    &kWordGamesPlayedNet,    &kWordGamesPlayedOnline};

std::optional<QString> AskNameWithDialog(QWidget* parent) {
  bool ok = false;
  const QString name = QInputDialog::getText(parent, WordText(kWordStatistics), WordText(kWordNick),
                                             QLineEdit::Normal, QString(), &ok);
  if (!ok) return std::nullopt;
  return name;
}

}  // namespace

TFStatistics::TFStatistics(const OnlineUi& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("TFStatistics"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(OnlineFont(ui_.settings, 13));
  setWindowTitle(WordText(kWordStatistics));
  askName = AskNameWithDialog;

  heading_ = new QLabel(WordText(kWordWorldStats), this);
  heading_->setObjectName(QStringLiteral("LabelHeading"));
  heading_->setFont(OnlineFont(ui_.settings, 20, true));
  heading_->setAlignment(Qt::AlignCenter);
  heading_->setGeometry(10, 10, kClientWidth - 20, 40);
  for (int i = 0; i < kRows; ++i) {
    const int y = 62 + i * 34;
    auto* label = new QLabel(WordText(*kRowLabels[i]), this);
    label->setObjectName(QStringLiteral("LabelStat%1").arg(i + 1));
    label->setGeometry(20, y, 340, 30);
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    auto* value = new QLabel(this);
    value->setObjectName(QStringLiteral("ValueStat%1").arg(i + 1));
    value->setFont(OnlineFont(ui_.settings, 14, true));
    value->setGeometry(370, y, 170, 30);
    value->setAlignment(Qt::AlignVCenter | Qt::AlignRight);
    value->setStyleSheet(QStringLiteral("color: #1a3f8f;"));
    labels_.push_back(label);
    values_.push_back(value);
  }
  since_ = new QLabel(WordText(kWordStatisticSince), this);
  since_->setObjectName(QStringLiteral("LabelSince"));
  since_->setFont(OnlineFont(ui_.settings, 11));
  since_->setAlignment(Qt::AlignCenter);
  since_->setGeometry(10, 408, kClientWidth - 20, 26);

  like_ = new QPushButton(WordText(kWordILikeThisGame), this);
  like_->setObjectName(QStringLiteral("ButtonLike"));
  like_->setGeometry(20, 456, 320, 44);
  like_->setEnabled(!ui_.settings.Liked);
  close_ = new QPushButton(WordText(kWordClose), this);
  close_->setObjectName(QStringLiteral("ButtonClose"));
  close_->setGeometry(kClientWidth - 180, 456, 160, 44);
  connect(like_, &QPushButton::clicked, this, [this] { Like(); });
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);
  ReadSums();
}

QString TFStatistics::RowLabel(int row) const {
  return row >= 1 && row <= kRows ? labels_[row - 1]->text() : QString();
}

QString TFStatistics::RowValue(int row) const {
  return row >= 1 && row <= kRows ? values_[row - 1]->text() : QString();
}

void TFStatistics::ReadSums() {
  stat_ =
      online::ReadStatistics(ui_.club.frame(), ui_.club.addresses().statistics, online::kGameId);
  if (!stat_) {
    values_[0]->setText(WordText(kWordNoConnect));
    for (int i = 1; i < kRows; ++i) values_[i]->clear();
    return;
  }
  Show(*stat_);
}

void TFStatistics::Show(const online::TKovStat& s) {
  const QString texts[kRows] = {QString::number(s.Stat1),    QString::number(s.Stat2),
                                QString::number(s.Stat3),    QtText(s.Stat4),
                                QString::number(s.StatX[0]), QString::number(s.StatX[1]),
                                QString::number(s.StatX[2]), QString::number(s.StatX[3]),
                                QString::number(s.StatX[4]), QString::number(s.StatX[5])};
  for (int i = 0; i < kRows; ++i) values_[i]->setText(texts[i]);
}

bool TFStatistics::Like() {
  if (ui_.settings.Liked) return false;
  // Without a name of its own ("Incognito", or none at all before the passport was ever
  // filled) the like asks for one, until a valid one or a cancel.
  if (ui_.settings.WttNick == kDefaultWttNick ||
      online::CheckPassportField(ui_.settings.WttNick, online::FieldKind::kNick) < 2) {
    for (;;) {
      const std::optional<QString> name = askName ? askName(this) : std::nullopt;
      if (!name) return false;
      const std::string text = name->trimmed().toStdString();
      if (online::CheckPassportField(text, online::FieldKind::kNick) >= 2) {
        ui_.settings.WttNick = text;
        break;
      }
    }
  }
  if (!online::SendLike(ui_.club.frame(), ui_.club.addresses().statistics, online::kGameId,
                        ui_.settings.WttNick)) {
    return false;
  }
  like_->setEnabled(false);
  online::TKovStat shown = stat_.value_or(online::TKovStat{});
  shown.Stat3 += 1;
  shown.Stat4 = ui_.settings.WttNick;
  if (stat_) {
    stat_ = shown;
    Show(shown);
  } else {
    values_[2]->setText(QString::number(shown.Stat3));
    values_[3]->setText(QtText(shown.Stat4));
  }
  ui_.settings.Liked = true;
  if (!SaveSettings(ui_.programFolder / kSettingsFileName, ui_.settings)) {
    ui_.Message(WordText(kWordCantSaveOptions), true);
  }
  return true;
}

}  // namespace zendral
