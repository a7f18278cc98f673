// The Options window's pack controls: the "DLL" tab with a download button for every pack,
// the copies of some of them on the tabs that use their pack, RefreshPackButtons, and the
// check of the graphics pack before a design is taken.

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/windows/OptionsLists.h"
#include "app/windows/TFormOptions.h"
#include "app/windows/WindowHeader.h"
#include "app/windows/WindowTexts.h"
#include "present/packs/PackNames.h"
#include "present/words/PackDownloadWords.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

namespace {

struct PackButtonEntry {
  const char* name;
  int code;  // download code
};

// The "DLL" tab, in the order of the packs' uses.
constexpr PackButtonEntry kPackButtons[] = {
    {"ButtonDLLCardsA", 1}, {"ButtonDLLCardsB", 2}, {"ButtonDLLCardsC", 8},
    {"ButtonDLLBackG", 3},  {"ButtonDLLGraph", 9},  {"ButtonDLLCalendar", 4},
    {"ButtonRADRadio", 5},  {"ButtonDLLRadio", 6},  {"ButtonDLLVoice", 7}};

// The copies: the tab (by its place) and the packs its choices need.
struct PackCopies {
  int page;
  std::initializer_list<PackButtonEntry> buttons;
};
const PackCopies kPackCopies[] = {
    {1, {{"ButtonDLLVoice2", 7}, {"ButtonRADRadio2", 5}, {"ButtonDLLRadio2", 6}}},     // Multimedia
    {2, {{"ButtonDLLCardsA2", 1}, {"ButtonDLLCardsB3", 2}, {"ButtonDLLCardsC2", 8}}},  // Cards
    {3, {{"ButtonDLLCardsB2", 2}}},                                                    // Decks
    {5, {{"ButtonDLLBackG2", 3}}},                                                     // Background
    {6, {{"ButtonDLLGraph2", 9}}},                                                     // Design
};

QString FileText(int code) {
  const std::string_view file = PackForDownloadCode(code);
  return QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

}  // namespace

QPushButton* TFormOptions::MakePackButton(QWidget* parent, const char* name, int code) {
  auto* button = new QPushButton(FileText(code), parent);
  button->setObjectName(QString::fromLatin1(name));
  connect(button, &QPushButton::clicked, this, [this, code] { DownloadPack(code); });
  packButtons_.push_back({button, code});
  return button;
}

QWidget* TFormOptions::BuildPacksPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("TabSheetDLL"));
  auto* grid = new QGridLayout(page);
  int row = 0;
  for (const PackButtonEntry& entry : kPackButtons) {
    grid->addWidget(MakePackButton(page, entry.name, entry.code), row / 2, row % 2);
    ++row;
  }
  grid->setRowStretch(row / 2 + 1, 1);
  return page;
}

void TFormOptions::AddPackButtonCopies() {
  for (const PackCopies& copies : kPackCopies) {
    QWidget* page = pages_->widget(copies.page);
    if (page == nullptr || page->layout() == nullptr) continue;
    auto* row = new QHBoxLayout;
    for (const PackButtonEntry& entry : copies.buttons) {
      row->addWidget(MakePackButton(page, entry.name, entry.code));
    }
    row->addStretch(1);
    if (auto* box = qobject_cast<QBoxLayout*>(page->layout())) {
      box->addLayout(row);
    } else if (auto* grid = qobject_cast<QGridLayout*>(page->layout())) {
      grid->addLayout(row, grid->rowCount(), 0, 1, grid->columnCount());
    }
  }
}

void TFormOptions::RefreshPackButtons() {
  for (const auto& [button, code] : packButtons_) {
    const std::string_view file = PackForDownloadCode(code);
    // A button is there for a pack that is missing; without a download service it rests.
    const bool installed = PackInstalled(file);
    button->setEnabled(!installed && static_cast<bool>(env_.downloadPack));
    button->setToolTip(installed ? WordText(kWordPackInstalled).arg(FileText(code))
                                 : WordText(kWordDownload) + QLatin1Char(' ') + FileText(code));
  }
  // The salute needs the graphics pack: without it the boxes are cleared.
  if (!PackInstalled(kPackGraphics)) {
    settings_.SaluteButtons = false;
    settings_.SaluteCards = false;
    for (QCheckBox* box : {saluteButtons_, saluteCards_}) {
      const QSignalBlocker block(box);
      box->setChecked(false);
    }
  }
}

void TFormOptions::DownloadPack(int code) {
  if (!env_.downloadPack) return;
  // The download holds the program: the buttons of this pack rest meanwhile, and the line
  // and its bar say what is going on (the downloader keeps the window painting).
  for (const auto& [button, buttonCode] : packButtons_) {
    if (buttonCode == code) button->setEnabled(false);
  }
  packState_ = PackStatus::kDownloading;
  packStatusCode_ = code;
  ShowPackStatus();
  packStatus_->repaint();
  const bool arrived = env_.downloadPack(code);
  packState_ = arrived ? PackStatus::kInstalled : PackStatus::kFailed;
  ShowPackStatus();
  // Whatever arrived is offered at once.
  UpdateEnablement();
  ShowDeckPreview();
  ShowBackPreview();
  header_->Refresh();
}

void TFormOptions::ShowPackStatus() {
  const QString file = FileText(packStatusCode_);
  packProgress_->setVisible(packState_ == PackStatus::kDownloading);
  switch (packState_) {
    case PackStatus::kNone:
      packStatus_->clear();
      break;
    case PackStatus::kDownloading:
      packStatus_->setStyleSheet(QString());
      packStatus_->setText(WordText(kWordPackDownloading).arg(file));
      break;
    case PackStatus::kInstalled:
      packStatus_->setStyleSheet(QStringLiteral("color: rgb(0, 120, 0);"));
      packStatus_->setText(WordText(kWordPackInstalled).arg(file));
      break;
    case PackStatus::kFailed:
      packStatus_->setStyleSheet(QStringLiteral("color: rgb(190, 0, 0);"));
      packStatus_->setText(WordText(kWordPackDownloadFailed).arg(file));
      break;
  }
}

bool TFormOptions::DesignPackReady() {
  // A window given no pack reader takes the design as it is.
  if (!env_.packPicture || !env_.packPicture(QStringLiteral("GIcon48Opt")).isNull()) return true;
  // The three design lists go back to their first entries.
  settings_.MainMenuDesign = 0;
  settings_.TableDesign = 0;
  ApplyWindowDesignEntry(settings_, 0);
  LoadControls();
  if (env_.message) env_.message(MissingPackText(kPackGraphics));
  return false;
}

}  // namespace zendral
