#include "present/audio/OnlinePlayer.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace zendral::audio {

namespace {

constexpr int kPageTimeoutMs = 5000;
constexpr int kLargestPage = 1024 * 1024;
constexpr int kEndCheckMs = 1000;
// A track counts as played out this close to its end (the last position reported lags).
constexpr qint64 kEndSlackMs = 300;

}  // namespace

OnlinePlayer::OnlinePlayer(QUrl serviceBase, Random random)
    : base_(std::move(serviceBase)),
      random_(std::move(random)),
      stream_(std::make_unique<StreamPlayer>()) {
  endTimer_.setInterval(kEndCheckMs);
  QObject::connect(&endTimer_, &QTimer::timeout, [this] { CheckEnd(); });
  stream_->onStatus = [this](StreamStatus status) {
    if (status == StreamStatus::kEnded) CheckEnd();
  };
}

OnlinePlayer::~OnlinePlayer() = default;

void OnlinePlayer::LoadPlaylist() {
  // Made at the first fetch, after the menu's first picture: the network access brings its
  // own thread and set-up that the picture does not need.
  if (!network_) network_ = std::make_unique<QNetworkAccessManager>();
  QNetworkRequest request(AddressOf({std::string(kPlaylistPath), {}, {}}));
  request.setTransferTimeout(kPageTimeoutMs);
  QNetworkReply* reply = network_->get(request);
  QObject::connect(reply, &QNetworkReply::finished, [this, reply] {
    reply->deleteLater();
    const int code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || code != 200) return;
    const QByteArray page = reply->read(kLargestPage);
    TakePlaylist(std::string_view(page.constData(), static_cast<std::size_t>(page.size())));
  });
}

bool OnlinePlayer::TakePlaylist(std::string_view page) {
  std::vector<PlaylistTrack> tracks = ParsePlaylist(page);
  if (!PlaylistIsPlayable(tracks)) return false;
  stream_->Stop();
  tracks_ = std::move(tracks);
  playing_ = false;
  volume_ = kMusicStartVolume;
  ChooseTrack();
  endTimer_.start();
  Changed();
  return true;
}

const PlaylistTrack* OnlinePlayer::Current() const {
  if (current_ < 0 || current_ >= static_cast<int>(tracks_.size())) return nullptr;
  return &tracks_[static_cast<std::size_t>(current_)];
}

QUrl OnlinePlayer::AddressOf(const PlaylistTrack& track) const {
  // The line is a file name as it stands on the server; QUrl escapes what an address cannot
  // hold (blanks, letters outside ASCII).
  QUrl address = base_;
  QString path = address.path();
  while (path.endsWith(QLatin1Char('/'))) path.chop(1);
  address.setPath(path + QString::fromStdString(track.path));
  return address;
}

void OnlinePlayer::ChooseTrack() {
  const int count = static_cast<int>(tracks_.size());
  current_ = count == 0 ? -1 : std::clamp(random_ ? random_(count) : 0, 0, count - 1);
  started_ = false;
}

void OnlinePlayer::PlayPause() {
  const PlaylistTrack* track = Current();
  if (track == nullptr) return;
  if (playing_) {
    stream_->Pause();
    playing_ = false;
  } else {
    if (started_ && stream_->Status() == StreamStatus::kPaused) {
      stream_->Resume();
    } else {
      stream_->Play(AddressOf(*track), volume_);
      started_ = true;
    }
    playing_ = true;
  }
  Changed();
}

void OnlinePlayer::Next() {
  if (!Available()) return;
  stream_->Stop();
  ChooseTrack();
  stream_->Play(AddressOf(*Current()), volume_);
  started_ = true;
  playing_ = true;
  Changed();
}

void OnlinePlayer::VolumeClick(int x) {
  const int volume = MusicVolumeAfterClick(volume_, x);
  if (volume == volume_) return;
  volume_ = volume;
  stream_->SetVolume(volume_);
  Changed();
}

void OnlinePlayer::CheckEnd() {
  if (!playing_ || !started_) return;
  const StreamStatus status = stream_->Status();
  if (status != StreamStatus::kEnded && status != StreamStatus::kPlaying) return;
  if (TrackHasEnded(status == StreamStatus::kEnded, stream_->PositionMs(), stream_->LengthMs(),
                    kEndSlackMs)) {
    Next();
  }
}

void OnlinePlayer::Changed() {
  if (onChange) onChange();
}

}  // namespace zendral::audio
