#include "app/main/ProgramPacks.h"

#include <QApplication>
#include <QDate>
#include <QProgressDialog>
#include <chrono>
#include <random>

#include "app/main/AppText.h"
#include "app/main/WindowServices.h"
#include "app/windows/TFormOptions.h"
#include "online/ServiceAddresses.h"
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

ProgramPacks::ProgramPacks(WindowServices& window, Settings& settings,
                           const std::filesystem::path& folder, Hooks hooks,
                           PictureLoader ownPictures)
    : window_(window),
      settings_(settings),
      folder_(folder),
      hooks_(std::move(hooks)),
      ownPictures_(ownPictures ? std::move(ownPictures) : PictureLoader(LoadArtPicture)) {}

void ProgramPacks::Load() {
  if (!packs_) packs_ = std::make_shared<PackPictures>(folder_, ownPictures_);
  packs_->LoadAll(settings_);
  for (const std::string& pack : packs_->TakeMissing()) {
    window_.ShowMessage(Text(kWordCantFindFile) + QLatin1Char(' ') + QString::fromStdString(pack),
                        false);
  }
  // The table's pictures are made again from the new set.
  hooks_.picturesChanged();
}

bool ProgramPacks::Download(int code) {
  const std::string_view file = PackForDownloadCode(code);
  if (file.empty()) return false;
  const QString name = QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
  // The download holds the program; the window keeps painting and shows how far it is.
  QProgressDialog progress(
      Text(kWordDownload) + QLatin1Char(' ') + name, QString(), 0, 100,
      QApplication::activeWindow() ? QApplication::activeWindow() : &window_.Window());
  progress.setObjectName(QStringLiteral("PackDownloadProgress"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setValue(0);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  DownloadResult result;
  window_.WhileBusy([&] {
    const std::string url =
        online::AddressesUnder(online::ServiceBase()).downloads + std::string(file);
    result = DownloadFile(url, ParentFolderOf(folder_) / std::string(file),
                          [&](long long done, long long total) {
                            progress.setValue(total > 0 ? static_cast<int>(done * 100 / total) : 0);
                            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                            return true;
                          });
  });
  QApplication::restoreOverrideCursor();
  progress.close();
  window_.PlaySound(result.ok ? "WToMenK" : "WWrongs", false);
  if (result.ok) TakeDownloaded(file);
  return result.ok;
}

void ProgramPacks::TakeDownloaded(std::string_view file) {
  // What the start-up reads from a pack is read again now, so a pack works without a restart.
  // The voices are read anew for every card spoken and need nothing.
  if (file == kPackRadio || file == kRadioListFile) {
    hooks_.radioPackArrived();
  } else if (file == kPackCalendar) {
    hooks_.menuAgain();  // places the menu around the calendar's pages
  } else if (file != kPackVoice) {
    Load();  // decks, backs, backgrounds and the designs' pictures
    hooks_.menuAgain();
  }
}

PackPictureLoader ProgramPacks::HeaderPictures() {
  const bool needsPack =
      settings_.WindowLook == 1 || settings_.WindowLook == 3 || settings_.CustomDesign;
  if (needsPack && FindPack(folder_, kPackGraphics).empty()) {
    settings_.WindowLook = 2;
    settings_.CustomDesign = false;
    window_.ShowMessage(
        Text(kWordCantFindFile) + QLatin1Char(' ') + QLatin1String(kPackGraphics.data()), false);
  }
  const std::filesystem::path folder = folder_;
  return [folder](const QString& name) {
    QImage image;
    LoadPackPng(name, kPackGraphics, image, folder);
    return image;
  };
}

void ProgramPacks::FillEnvironment(OptionsEnvironment& environment) {
  const std::filesystem::path folder = folder_;
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
  environment.downloadPack = [this](int code) { return Download(code); };
  environment.message = [this](const QString& text) { window_.ShowMessage(text, false); };
}

}  // namespace zendral
