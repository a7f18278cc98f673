#include "app/main/TForm1Packs.h"

#include <QApplication>
#include <QDate>
#include <QProgressDialog>
#include <chrono>
#include <random>

#include "app/main/AppText.h"
#include "app/main/TForm1.h"
#include "app/radio/MediaPanel.h"
#include "online/ServiceAddresses.h"
#include "present/draw/TableArt.h"
#include "present/packs/PackDownload.h"
#include "present/packs/PackFile.h"
#include "present/packs/PackNames.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

using appmain::Text;

PictureLoader PackLoader(const std::shared_ptr<PackPictures>& packs) {
  if (!packs) return LoadArtPicture;
  return [packs](const QString& name) { return packs->Picture(name); };
}

int BackPictureOfKon(const Settings& settings) {
  // The generator is seeded from the clock at each choice.
  std::mt19937 random(
      static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  const int random1To10 = std::uniform_int_distribution<int>(1, 10)(random);
  return ChooseBackPicture(QDate::currentDate().dayOfWeek(), settings.BackAlwaysOne,
                           settings.BackDeck, random1To10);
}

void TForm1::LoadPacks() {
  if (!packs_) packs_ = std::make_shared<PackPictures>(programFolder_, LoadArtPicture);
  packs_->LoadAll(settings_);
  for (const std::string& pack : packs_->TakeMissing()) {
    ShowMessage(Text(kWordCantFindFile) + QLatin1Char(' ') + QString::fromStdString(pack), false);
  }
  // The table's pictures are made again from the new set.
  if (art_) {
    art_.reset();
    RebuildArt();
  }
}

bool TForm1::DownloadPack(int code) {
  const std::string_view file = PackForDownloadCode(code);
  if (file.empty()) return false;
  const QString name = QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
  // The download holds the program; the window keeps painting and shows how far it is.
  QProgressDialog progress(Text(kWordDownload) + QLatin1Char(' ') + name, QString(), 0, 100,
                           QApplication::activeWindow() ? QApplication::activeWindow() : this);
  progress.setObjectName(QStringLiteral("PackDownloadProgress"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ++busy_;
  const std::string url =
      online::AddressesUnder(online::ServiceBase()).downloads + std::string(file);
  const DownloadResult result =
      DownloadFile(url, ParentFolderOf(programFolder_) / std::string(file),
                   [&](long long done, long long total) {
                     progress.setValue(total > 0 ? static_cast<int>(done * 100 / total) : 0);
                     QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                     return true;
                   });
  --busy_;
  QApplication::restoreOverrideCursor();
  progress.close();
  PlaySound(result.ok ? "WToMenK" : "WWrongs", false);
  if (result.ok) TakeDownloadedPack(file);
  return result.ok;
}

void TForm1::TakeDownloadedPack(std::string_view file) {
  // What the start-up reads from a pack is read again now, so a pack works without a restart.
  // The voices are read anew for every card spoken and need nothing.
  if (file == kPackRadio || file == kRadioListFile) {
    media_->PrepareRadio(settings_.RadioListFromServer);
  } else if (file == kPackCalendar) {
    if (menuShown_) ShowMainMenuScreen();  // places the menu around the calendar's pages
  } else if (file != kPackVoice) {
    LoadPacks();  // decks, backs, backgrounds and the designs' pictures
    if (menuShown_) ShowMainMenuScreen();
  }
}

PackPictureLoader TForm1::HeaderPictures() {
  const bool needsPack =
      settings_.WindowLook == 1 || settings_.WindowLook == 3 || settings_.CustomDesign;
  if (needsPack && FindPack(programFolder_, kPackGraphics).empty()) {
    settings_.WindowLook = 2;
    settings_.CustomDesign = false;
    ShowMessage(Text(kWordCantFindFile) + QLatin1Char(' ') + QLatin1String(kPackGraphics.data()),
                false);
  }
  const std::filesystem::path folder = programFolder_;
  return [folder](const QString& name) {
    QImage image;
    LoadPackPng(name, kPackGraphics, image, folder);
    return image;
  };
}

void TForm1::FillPackEnvironment(OptionsEnvironment& environment) {
  const std::filesystem::path folder = programFolder_;
  environment.packPicture = HeaderPictures();
  environment.deckFace = [folder](int deck, TCardCode card) {
    const QString name = QString::fromStdString(FaceName(deck, card, false));
    if (PackForDeck(deck).empty()) return LoadArtPicture(name);
    QImage image;
    if (!LoadPackPng(name, PackForDeck(deck), image, folder)) {
      const std::string former = FormerFaceName(deck, card, false);
      if (!former.empty())
        LoadPackPng(QString::fromStdString(former), PackForDeck(deck), image, folder);
    }
    return image;
  };
  environment.backPicture = [folder](int back) {
    const QString name = QString::fromStdString(BackName(back, 1, BackSize::kSmall));
    if (PackForBack(back).empty()) return LoadArtPicture(name);
    QImage image;
    LoadPackPng(name, PackForBack(back), image, folder);
    return image;
  };
  environment.downloadPack = [this](int code) { return DownloadPack(code); };
  environment.message = [this](const QString& text) { ShowMessage(text, false); };
}

}  // namespace zendral
