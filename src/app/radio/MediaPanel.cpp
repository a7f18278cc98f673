#include "app/radio/MediaPanel.h"

#include <QDialog>
#include <QNetworkReply>
#include <QWidget>

#include "app/radio/MediaButtons.h"
#include "app/radio/RadioArt.h"
#include "app/radio/TFormRadio.h"
#include "present/audio/OnlinePlayer.h"
#include "present/audio/SoundDevice.h"
#include "present/audio/StreamPlayer.h"
#include "present/packs/PackFile.h"
#include "present/words/MediaWords.h"
#include "present/words/SoundDeviceWords.h"
#include "present/words/WordRows.h"
#include "store/Cp1251.h"
#include "store/FileIo.h"

namespace zendral::radioui {

namespace {

constexpr int kListTimeoutMs = 5000;
constexpr qint64 kLargestList = 1024 * 1024;

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
QString WordQ(const TWordRow& row) {
  return Q(Word(row));
}

}  // namespace

// The radio's stream on the stream player.
class MediaPanel::Stream : public radio::RadioStream {
 public:
  explicit Stream(audio::StreamPlayer& player) : player_(player) {}
  void Start(const std::string& address, int volume) override {
    player_.Play(QUrl(QString::fromStdString(address)), volume);
  }
  void Stop() override { player_.Stop(); }
  void SetVolume(int volume) override { player_.SetVolume(volume); }

 private:
  audio::StreamPlayer& player_;
};

MediaPanel::MediaPanel(QWidget& window, std::string serviceBase, Hooks hooks)
    : window_host_(window),
      base_(std::move(serviceBase)),
      hooks_(std::move(hooks)),
      music_(std::make_unique<audio::OnlinePlayer>(QUrl(QString::fromStdString(base_)),
                                                   hooks_.random)),
      radioPlayer_(std::make_unique<audio::StreamPlayer>()),
      stream_(std::make_unique<Stream>(*radioPlayer_)),
      radio_(std::make_unique<radio::RadioController>(*stream_)) {
  play_ = new PictureButton("MP_Play", &window);
  next_ = new PictureButton("MP_Next", &window);
  volume_ = new PictureButton("MP_Volume", &window);
  next_->SetPicture(MediaPicture(QStringLiteral("MP_Next")));
  volume_->SetPicture(MediaPicture(QStringLiteral("MP_Volume")));
  for (PictureButton* b : {play_, next_, volume_}) b->hide();
  play_->onRelease = [this](int) { music_->PlayPause(); };
  next_->onRelease = [this](int) { music_->Next(); };
  volume_->onRelease = [this](int x) { music_->VolumeClick(x); };
  play_->onEnter = [this] { RefreshMusic(); };
  music_->onChange = [this] { RefreshMusic(); };

  icon_ = new RadioIconWidget(&window);
  icon_->hide();
  icon_->onLeftClick = [this] {
    radio_->Toggle();
    RefreshRadio();
  };
  icon_->onRightClick = [this] { OpenRadioWindow(); };
  radioPlayer_->onStatus = [this](audio::StreamStatus status) {
    if (status == audio::StreamStatus::kPlaying) radio_->StreamPlaying();
    // An internet station never ends: a stream that does has broken off.
    if (status == audio::StreamStatus::kFailed || status == audio::StreamStatus::kEnded) {
      radio_->StreamFailed();
    }
    RefreshRadio();
  };
  RefreshMusic();
  RefreshRadio();
}

MediaPanel::~MediaPanel() {
  // The controller's last words go to a stream that still exists.
  radioPlayer_->onStatus = nullptr;
  music_->onChange = nullptr;
}

std::filesystem::path MediaPanel::StateFile() const {
  return ParentFolderOf(programFolder_) / std::string(radio::kRadioStateFile);
}

std::filesystem::path MediaPanel::ListFile() const {
  if (listFromServer_)
    return ParentFolderOf(programFolder_) / std::string(radio::kRadioServerListFile);
  return FindPack(programFolder_, radio::kRadioListFile);
}

void MediaPanel::StartUp(const std::filesystem::path& programFolder, bool radioListFromServer,
                         const QString& largeFont) {
  programFolder_ = programFolder;
  volumeFont_ = QFont(largeFont);
  volumeFont_.setPointSize(14);
  listFromServer_ = radioListFromServer;
  const bool packFound = !FindPack(programFolder_, radio::kRadioPackFile).empty();
  TakeStoredState(packFound, !radioListFromServer && !ListFile().empty());
}

void MediaPanel::StartDownloads() {
  if (listFromServer_) PrepareRadio(true);
  music_->LoadPlaylist();
}

void MediaPanel::TakeStoredState(bool packFound, bool listFound) {
  const radio::RadioState builtIn = radio::DefaultRadioState(base_);
  const bool available = packFound && listFound;
  radio_->Prepare(packFound, listFound,
                  available ? radio::ReadRadioState(StateFile(), builtIn) : builtIn);
  RefreshRadio();
}

void MediaPanel::PrepareRadio(bool listFromServer) {
  listFromServer_ = listFromServer;
  if (listDownload_) listDownload_->deleteLater();
  listDownload_ = nullptr;
  const bool packFound = !FindPack(programFolder_, radio::kRadioPackFile).empty();
  if (!listFromServer) {
    TakeStoredState(packFound, !ListFile().empty());
    return;
  }
  // Until the list has come the radio cannot play.
  TakeStoredState(packFound, false);
  QUrl address(QString::fromStdString(base_));
  QString path = address.path();
  while (path.endsWith(QLatin1Char('/'))) path.chop(1);
  address.setPath(path + Q(radio::kRadioListPath));
  QNetworkRequest request(address);
  request.setTransferTimeout(kListTimeoutMs);
  // Made at the first download: most starts read the list from the radio pack.
  if (!network_) network_ = std::make_unique<QNetworkAccessManager>();
  QNetworkReply* reply = network_->get(request);
  listDownload_ = reply;
  QObject::connect(reply, &QNetworkReply::finished, reply, [this, reply, packFound] {
    reply->deleteLater();
    if (listDownload_ != reply) return;  // a newer preparation took over
    listDownload_ = nullptr;
    const int code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    bool stored = false;
    if (reply->error() == QNetworkReply::NoError && code == 200) {
      const QByteArray bytes = reply->read(kLargestList);
      stored = WriteFileAtomic(
          ListFile(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    // A failed download means no radio in this run; the local list is not used then.
    TakeStoredState(packFound, stored);
    if (introOver_) StartStoredRadio();
  });
}

void MediaPanel::StartStoredRadio() {
  if (radio_->StartAfterIntro() && hooks_.musicOff) hooks_.musicOff();
  RefreshRadio();
}

void MediaPanel::IntroEnded() {
  if (introOver_) return;
  introOver_ = true;
  StartStoredRadio();
}

void MediaPanel::Place(bool introShown, bool menuShown, const MediaRooms& rooms) {
  // On the main menu only: at the table that corner holds the player's score tab.
  const bool onMenu = !introShown && menuShown;
  musicShown_ = onMenu && rooms.music.has_value();
  if (rooms.music) {
    const std::array<PictureButton*, 3> buttons{play_, next_, volume_};
    for (std::size_t k = 0; k < buttons.size(); ++k) buttons[k]->setGeometry((*rooms.music)[k]);
  }
  RefreshMusic();

  const bool iconShown = onMenu && rooms.radio.has_value();
  if (rooms.radio) icon_->setGeometry(*rooms.radio);
  icon_->setVisible(iconShown);
  if (iconShown) icon_->raise();
}

void MediaPanel::RefreshMusic() {
  const bool shown = musicShown_ && music_->Available();
  for (PictureButton* b : {play_, next_, volume_}) {
    b->setVisible(shown);
    if (shown) b->raise();
  }
  play_->SetPicture(
      MediaPicture(music_->Playing() ? QStringLiteral("MP_Pause") : QStringLiteral("MP_Play")));
  if (const audio::PlaylistTrack* track = music_->Current()) {
    play_->setToolTip(QString::fromStdString(audio::TrackHint(*track)));
  }
  next_->setToolTip(WordQ(kWordNextTrack));
  volume_->setToolTip(WordQ(kWordVolume) + QStringLiteral(": %1").arg(music_->Volume()));
  volume_->SetCaption(QString::number(music_->Volume()), volumeFont_, QColor(255, 255, 0));
}

bool MediaPanel::SoundDevice() const {
  return hooks_.soundDevice ? hooks_.soundDevice()
                            : audio::HasSoundDevice(audio::ThisMachinesSoundPlaces());
}

QString MediaPanel::RadioHint() const {
  if (!radio_->Available()) {
    return WordQ(kWordCantFind) + Q(radio::kRadioListFile) + QStringLiteral(" + ") +
           Q(radio::kRadioPackFile);
  }
  QString hint =
      WordQ(kWordKovInternetRadio) + QStringLiteral(": ") + Q(radio_->State().stationName);
  if (radio_->Lamp() == radio::RadioLamp::kStationDown) {
    hint += QStringLiteral(" — ") + WordQ(kWordStationUnavailable);
  } else if (!SoundDevice()) {
    hint += QStringLiteral(" — ") + WordQ(kWordNoSoundDevice);
  }
  return hint;
}

QString MediaPanel::LampShown() const {
  if (radio_->Available() && !SoundDevice()) {
    return Q(radio::LampPicture(radio::RadioLamp::kUnavailable));
  }
  return Q(radio::LampPicture(radio_->Lamp()));
}

void MediaPanel::RefreshRadio() {
  icon_->SetLamp(LampShown());
  icon_->setToolTip(RadioHint());
  if (window_ != nullptr) window_->Refresh();
}

void MediaPanel::OpenRadioWindow() {
  if (!radio_->Available() || window_ != nullptr) return;
  const FileBytes list = ReadFileBytes(ListFile(), kLargestList);
  const std::filesystem::path folder = programFolder_;
  TFormRadio window(
      *radio_, Cp1251ToUtf8(list.bytes),
      [folder](const QString& name) {
        QImage image;
        LoadPackPng(name, radio::kRadioPackFile, image, folder);
        return image;
      },
      [this] { RefreshRadio(); }, &window_host_);
  window_ = &window;
  if (hooks_.modal) {
    hooks_.modal(window);
  } else {
    window.exec();
  }
  window_ = nullptr;
  RefreshRadio();
}

bool MediaPanel::SaveRadioState() {
  // A radio that could not play this run never read the file: what it holds stays.
  if (programFolder_.empty() || !radio_->Available()) return false;
  return radio::WriteRadioState(StateFile(), radio_->State());
}

}  // namespace zendral::radioui
