#include "present/audio/QtStreamDecoder.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <algorithm>

#include "present/audio/SoundDevice.h"

namespace zendral::audio {

QtStreamDecoder::QtStreamDecoder(StreamReports reports) : reports_(std::move(reports)) {}

QtStreamDecoder::~QtStreamDecoder() {
  Release();
}

void QtStreamDecoder::Play(const QUrl& address, int volume) {
  Release();
  if (reports_.position) reports_.position(0);
  if (reports_.length) reports_.length(0);
  player_ = std::make_unique<QMediaPlayer>();
  // Without a sound device the stream is read and decoded but sent nowhere: Qt's FFmpeg
  // player writes into a device that is not there when given an output then, and crashes.
  if (HasSoundDevice(ThisMachinesSoundPlaces()) && !QMediaDevices::defaultAudioOutput().isNull()) {
    output_ = std::make_unique<QAudioOutput>();
    output_->setVolume(float(std::clamp(volume, 0, 100)) / 100.0f);
    player_->setAudioOutput(output_.get());
  }
  QMediaPlayer* player = player_.get();
  QObject::connect(player, &QMediaPlayer::mediaStatusChanged, player,
                   [this, player](QMediaPlayer::MediaStatus status) {
                     switch (status) {
                       case QMediaPlayer::InvalidMedia:
                         Tell(player, StreamStatus::kFailed);
                         break;
                       case QMediaPlayer::EndOfMedia:
                         Tell(player, player->error() == QMediaPlayer::NoError
                                          ? StreamStatus::kEnded
                                          : StreamStatus::kFailed);
                         break;
                       case QMediaPlayer::BufferingMedia:
                       case QMediaPlayer::BufferedMedia:
                         if (player->playbackState() == QMediaPlayer::PlayingState) {
                           Tell(player, StreamStatus::kPlaying);
                         }
                         break;
                       default:
                         break;
                     }
                   });
  QObject::connect(
      player, &QMediaPlayer::playbackStateChanged, player,
      [this, player](QMediaPlayer::PlaybackState state) {
        const auto media = player->mediaStatus();
        if (state == QMediaPlayer::PlayingState &&
            (media == QMediaPlayer::BufferedMedia || media == QMediaPlayer::BufferingMedia)) {
          Tell(player, StreamStatus::kPlaying);
        }
      });
  QObject::connect(player, &QMediaPlayer::errorOccurred, player,
                   [this, player](QMediaPlayer::Error error, const QString&) {
                     if (error != QMediaPlayer::NoError) {
                       Tell(player, StreamStatus::kFailed);
                       if (player == player_.get()) failed_ = true;
                     }
                   });
  QObject::connect(player, &QMediaPlayer::positionChanged, player, [this, player](qint64 at) {
    if (player == player_.get() && reports_.position) reports_.position(at);
  });
  QObject::connect(player, &QMediaPlayer::durationChanged, player, [this, player](qint64 length) {
    if (player == player_.get() && reports_.length) reports_.length(length);
  });
  player->setSource(address);
  player->play();
}

void QtStreamDecoder::Pause() {
  if (player_) player_->pause();
}

void QtStreamDecoder::Resume() {
  if (player_) player_->play();
}

void QtStreamDecoder::SetVolume(int volume) {
  if (output_) output_->setVolume(float(std::clamp(volume, 0, 100)) / 100.0f);
}

// The player is let go without stop(): Qt's FFmpeg player seeks back to the start on a stop,
// and on a live stream that seek reads on for as long as the station sends.
void QtStreamDecoder::Release() {
  player_.reset();  // its connections go with it, so an old player reports nothing more
  output_.reset();
  failed_ = false;
}

// After an error the backend may still claim to be playing (FFmpeg's reports a refused
// connection as an error followed by the playing state): a failed stream stays failed.
// A player being let go reports nothing more.
void QtStreamDecoder::Tell(const QMediaPlayer* player, StreamStatus status) {
  if (failed_ || player != player_.get()) return;
  if (reports_.status) reports_.status(status);
}

}  // namespace zendral::audio
