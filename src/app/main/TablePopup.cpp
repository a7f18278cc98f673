#include "app/main/TablePopup.h"

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "app/main/AppText.h"
#include "app/main/ProgramVersion.h"
#include "app/main/StartDialog.h"
#include "app/main/TourSession.h"
#include "app/main/WindowServices.h"
#include "app/radio/MediaPanel.h"
#include "app/windows/TFormSpeed.h"
#include "game/GameState.h"
#include "game/KonDriver.h"
#include "game/Scores.h"
#include "present/words/SolverWords.h"
#include "present/words/WordRows.h"
#include "store/ProgramFolders.h"
#include "store/Settings.h"

namespace zendral {

using appmain::QtText;
using appmain::Text;

namespace {

constexpr std::string_view kOpenWindowSound = "WOpenFo";

// The pop-up entries by their names, with their rows.
struct PopupEntry {
  const char* name;
  const TWordRow* row;
};
constexpr PopupEntry kPopupEntries[] = {{"GenCount", &kWordGeneralScore},
                                        {"Quit", &kWordExitToMenu},
                                        {"ChangeName", &kWordChangeName},
                                        {"MSpeed", &kWordSpeed},
                                        {"MHint", &kWordHint},
                                        {"MReview", &kWordReview},
                                        {"MTour", &kWordOnlineTournament},
                                        {nullptr, nullptr},
                                        {"Help", &kWordHelp},
                                        {"About", &kWordAbout},
                                        {nullptr, nullptr},
                                        {"MRadio", &kWordRadio},
                                        {"MChat", &kWordChat}};

}  // namespace

TablePopup::TablePopup(QWidget& window, GameState& state, Settings& settings,
                       WindowServices& services, const std::filesystem::path& executableFolder,
                       const std::filesystem::path& programFolder, Hooks hooks)
    : state_(state),
      settings_(settings),
      window_(services),
      executableFolder_(executableFolder),
      programFolder_(programFolder),
      hooks_(std::move(hooks)) {
  popup_ = new QMenu(&window);
  popup_->setObjectName("PopupMenu1");
  for (const PopupEntry& entry : kPopupEntries) {
    if (entry.name == nullptr) {
      popup_->addSeparator();
      continue;
    }
    QAction* action = popup_->addAction(QString());
    action->setObjectName(entry.name);
  }
  QObject::connect(Action("GenCount"), &QAction::triggered, popup_, [this] { ShowGeneralScore(); });
  QObject::connect(Action("Quit"), &QAction::triggered, popup_, [this] { AskExitToMenu(); });
  QObject::connect(Action("ChangeName"), &QAction::triggered, popup_, [this] { AskChangeName(); });
  QObject::connect(Action("MSpeed"), &QAction::triggered, popup_, [this] { OpenSpeed(); });
  QObject::connect(Action("MHint"), &QAction::triggered, popup_, [this] { hooks_.requestHint(); });
  QObject::connect(Action("MReview"), &QAction::triggered, popup_, [this] { hooks_.openReview(); });
  QObject::connect(Action("Help"), &QAction::triggered, popup_, [this] { OpenHelp(); });
  QObject::connect(Action("About"), &QAction::triggered, popup_, [this] { OpenAbout(); });
  QObject::connect(Action("MTour"), &QAction::triggered, popup_, [this] { hooks_.tour().Open(); });
  QObject::connect(Action("MRadio"), &QAction::triggered, popup_, [this] {
    if (window_.Busy()) return;
    radioui::MediaPanel& media = hooks_.media();
    if (media.Radio().Available()) {
      media.OpenRadioWindow();
    } else {
      window_.ShowMessage(media.RadioHint(), false);
    }
  });
  // The chat comes with its own window; until then its entry stays off.
  Action("MChat")->setEnabled(false);
  SetTableEntries(false, false);
}

QAction* TablePopup::Action(const char* objectName) const {
  return popup_->findChild<QAction*>(objectName);
}

void TablePopup::SetTableEntries(bool scoreAndExit, bool changeName) {
  Action("GenCount")->setEnabled(scoreAndExit);
  Action("Quit")->setEnabled(scoreAndExit);
  Action("ChangeName")->setEnabled(changeName);
}

void TablePopup::Show(QPoint globalPos) {
  if (window_.Busy() || hooks_.introShown()) return;
  popup_->popup(globalPos);
}

void TablePopup::Caption() {
  for (const PopupEntry& entry : kPopupEntries) {
    if (entry.name != nullptr) Action(entry.name)->setText(Text(*entry.row));
  }
}

void TablePopup::ShowGeneralScore() {
  hooks_.driverCall([](KonDriver& driver) { return driver.OpenScoreWindow(); });
}

void TablePopup::AskExitToMenu() {
  if (window_.Busy() || !hooks_.driverReady() || !state_.GameActive || state_.MenuShown) return;
  window_.PlaySound(kOpenWindowSound, false);
  if (!window_.AskQuestion(Text(kWordLeaveToMenuQuestion) + "\n" + Text(kWordDataWillBeLost)))
    return;
  hooks_.driverCall([](KonDriver& driver) { return driver.AbandonSession(); });
}

void TablePopup::AskChangeName() {
  if (window_.Busy() || !hooks_.driverReady() || !state_.GameActive || state_.MenuShown ||
      !state_.IsLocalGame() || state_.IsRatedGame()) {
    return;
  }
  // The dialog as for a new player: a name and a password typed twice.
  StartDialog dialog(StartPlayer{}, QtText(settings_.PlayerName), &window_.Window());
  dialog.SetMessageShower([this](const QString& message) { window_.ShowMessage(message, true); });
  if (window_.RunModal(dialog) != QDialog::Accepted) return;
  const StartEntry entry = dialog.Entry();
  const std::string name = entry.name.toStdString();
  if (!hooks_.driverCall([&](KonDriver& driver) {
        return driver.ChangeName(name, entry.password.toStdString());
      })) {
    return;
  }
  settings_.PlayerName = name;
  window_.ShowMessage(Text(kWordNameChanged) + QtText(TrimRight(name)), false);
}

void TablePopup::OpenSpeed() {
  if (window_.Busy()) return;
  window_.PlaySound(kOpenWindowSound, false);
  // The speed changes while the slider moves.
  TFormSpeed dialog(settings_, nullptr, hooks_.headerPictures(), &window_.Window());
  window_.RunModal(dialog);
}

void TablePopup::OpenHelp() {
  if (window_.Busy()) return;
  window_.PlaySound(kOpenWindowSound, false);
  if (Language() == kEnglish) window_.ShowMessage(Text(kWordHelpNotTranslated), false);
  // Beside the program, with the shipped files of a system install, or in the program folder.
  std::filesystem::path page = ShippedFilesFolder(executableFolder_) / kHelpFileName;
  std::error_code error;
  if (!std::filesystem::exists(page, error)) page = programFolder_ / kHelpFileName;
  const QString path = QString::fromStdString(page.string());
  if (!std::filesystem::exists(page, error)) {
    window_.ShowMessage(Text(kWordCantFindFile) + " \"" + path + "\"!", true);
    return;
  }
  const QUrl url = QUrl::fromLocalFile(path);
  window_.OpenUrl(url);
}

void TablePopup::OpenAbout() {
  if (window_.Busy()) return;
  window_.PlaySound(kOpenWindowSound, false);
  QMessageBox box(QMessageBox::Information, Text(kWordAbout),
                  Text(kWordTitle) + " " + kVersionText + "\n\n" + Text(kWordAboutCredits) +
                      "\n\n" + Text(kWordMoreInHelp),
                  QMessageBox::Ok, &window_.Window());
  box.setObjectName("FormAbout");
  box.button(QMessageBox::Ok)->setText(Text(kWordOk));
  window_.RunModal(box);
}

}  // namespace zendral
