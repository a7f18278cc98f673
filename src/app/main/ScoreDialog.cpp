#include "app/main/ScoreDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/main/AppText.h"
#include "app/windows/FontScale.h"
#include "present/words/SolverWords.h"
#include "present/words/WordRows.h"

namespace zendral {

using appmain::QtText;
using appmain::Text;

ScoreDialog::ScoreDialog(const QString& playerName, const TCount& count, QWidget* parent,
                         std::optional<int> hintsUsed)
    : QDialog(parent) {
  setObjectName("FormCount");
  setWindowTitle(Text(kWordPlayer) + ":  " + playerName);
  auto* grid = new QGridLayout(this);
  grid->setHorizontalSpacing(24);

  auto* heading = new QLabel(Text(kWordGameInformation), this);
  heading->setObjectName("Heading");
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont = ScaledFont(headingFont, 1.3);
  heading->setFont(headingFont);
  heading->setAlignment(Qt::AlignCenter);
  heading->setStyleSheet("color: rgb(128, 0, 0);");
  grid->addWidget(heading, 0, 0, 1, 2);

  const struct {
    const TWordRow& label;
    const std::string& value;
  } rows[] = {
      {kWordKonNumberTotal, count.Count_KonAll}, {kWordKonNumberInCycle, count.Count_KonCur},
      {kWordInitialScore, count.Count_ScoBeg},   {kWordCurrentScore, count.Count_ScoCur},
      {kWordTotalScore, count.Count_ScoAll},     {kWordInitialRating, count.Count_ReiBeg},
      {kWordCurrentRating, count.Count_ReiCur}};
  QFont valueFont("Courier New");
  valueFont.setStyleHint(QFont::Monospace);
  valueFont.setBold(true);
  for (int i = 0; i < 7; ++i) {
    grid->addWidget(new QLabel(Text(rows[i].label), this), i + 1, 0);
    values_[i] = new QLabel(QtText(rows[i].value), this);
    values_[i]->setObjectName(QString("Value%1").arg(i + 1));
    values_[i]->setFont(valueFont);
    values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    values_[i]->setStyleSheet("color: navy;");
    grid->addWidget(values_[i], i + 1, 1);
  }
  int nextRow = 8;
  if (hintsUsed) {
    grid->addWidget(new QLabel(Text(kWordHintsUsed), this), nextRow, 0);
    auto* hints = new QLabel(QString::number(*hintsUsed), this);
    hints->setObjectName("ValueHints");
    hints->setFont(valueFont);
    hints->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hints->setStyleSheet("color: navy;");
    grid->addWidget(hints, nextRow++, 1);
  }
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Text(kWordOk), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  grid->addWidget(buttons, nextRow, 0, 1, 2);
}

QString ScoreDialog::Value(int row) const {
  return row >= 1 && row <= 7 ? values_[row - 1]->text() : QString();
}

}  // namespace zendral
