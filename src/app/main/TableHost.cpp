#include "app/main/TableHost.h"

#include <QCursor>

#include "app/main/EndOfCycleDialog.h"
#include "app/main/SaluteEffect.h"
#include "app/main/ScoreDialog.h"
#include "app/main/SoundPort.h"
#include "app/main/WindowServices.h"
#include "game/KonDriver.h"
#include "present/words/Words.h"
#include "store/Settings.h"

namespace zendral {

TableHost::TableHost(GameState& state, Settings& settings,
                     const std::filesystem::path& programFolder, WindowServices& window,
                     SoundPort& sound, Hooks hooks)
    : state_(state),
      settings_(settings),
      programFolder_(programFolder),
      window_(window),
      sound_(sound),
      hooks_(std::move(hooks)) {}

void TableHost::CardClick(int slot, std::optional<QPoint> pointer) {
  if (settings_.SaluteCards && MayLay(slot)) {
    hooks_.salute().PlaySalute(pointer.value_or(QCursor::pos()));
  }
  hooks_.driverCall([slot](KonDriver& driver) { return driver.CardClick(slot); });
}

void TableHost::MainButtonClick() {
  hooks_.driverCall([](KonDriver& driver) { return driver.MainButtonClick(); });
  hooks_.afterMainButton();
}

void TableHost::ExitButtonClick() {
  hooks_.driverCall([](KonDriver& driver) { return driver.ExitButtonClick(); });
}

void TableHost::SpeakCard(CardPlace place) {
  hooks_.driverCall([place](KonDriver& driver) { return driver.SpeakCardRequest(place); });
}

void TableHost::SayCard(TCardCode card) {
  sound_.SayCard(card, Language(), programFolder_);
}

bool TableHost::MayLay(int slot) const {
  return hooks_.mayLay(slot);
}

bool TableHost::SendChat(const QString& text) {
  return hooks_.sendChat(text);
}

bool TableHost::Busy() const {
  return window_.Busy();
}

void TableHost::ShowPopup(QPoint globalPos) {
  hooks_.showPopup(globalPos);
}

void TableHost::RequestHint() {
  hooks_.requestHint();
}

void TableHost::OpenReview() {
  hooks_.openReview();
}

void TableHost::ShowTableScreen() {
  hooks_.showTable();
}

void TableHost::HideTableScreen() {
  hooks_.hideTable();
}

void TableHost::ShowMainMenuScreen() {
  hooks_.showMenu();
}

void TableHost::SetMenuMusic(bool playing) {
  hooks_.setMenuMusic(playing);
}

void TableHost::SetTablePopupEntries(bool scoreAndExit, bool changeName) {
  hooks_.setPopupEntries(scoreAndExit, changeName);
}

void TableHost::SetGameTimer(int intervalMs, bool running) {
  hooks_.setGameTimer(intervalMs, running);
}

void TableHost::ShowWaitingBar(bool shown) {
  hooks_.showWaitingBar(shown);
}

void TableHost::PlaySound(std::string_view name, bool wait) {
  window_.PlaySound(name, wait);
}

void TableHost::Hold(int milliseconds) {
  window_.Hold(milliseconds);
}

void TableHost::ShowMessage(const QString& text, bool error) {
  window_.ShowMessage(text, error);
}

void TableHost::ShowScoreWindow(const QString& playerName, const TCount& count) {
  ScoreDialog dialog(playerName, count, &window_.Window(), hooks_.hintsUsed());
  window_.RunModal(dialog);
}

void TableHost::ShowEndOfCycleWindow(const EndOfCycleWindow& window) {
  window_.PlaySound(window.sound, false);
  EndOfCycleDialog dialog(window, &window_.Window());
  window_.RunModal(dialog);
}

}  // namespace zendral
