#include "present/audio/StreamPlayer.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QMutex>
#include <algorithm>
#include <memory>

#include "present/audio/SoundDevice.h"

namespace zendral::audio {

void ChooseMediaBackend() {
  if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

namespace {

// How long the end of the program waits for the stream thread to let go of its stream.
constexpr int kExitWaitMs = 2000;

}  // namespace

struct StreamPlayer::Shared {
  std::atomic<qint64> position{0};
  std::atomic<qint64> length{0};
  QMutex mutex;
  StreamPlayer* owner = nullptr;  // null once the player is gone
};

class StreamPlayer::Worker : public QObject {
 public:
  explicit Worker(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

  void Play(unsigned generation, const QUrl& address, int volume) {
    Release();
    generation_ = generation;
    failed_ = false;
    shared_->position = 0;
    shared_->length = 0;
    player_ = std::make_unique<QMediaPlayer>();
    // Without a sound device the stream is read and decoded but sent nowhere: Qt's FFmpeg
    // player writes into a device that is not there when given an output then, and crashes.
    if (HasSoundDevice(ThisMachinesSoundPlaces()) &&
        !QMediaDevices::defaultAudioOutput().isNull()) {
      output_ = std::make_unique<QAudioOutput>();
      output_->setVolume(float(std::clamp(volume, 0, 100)) / 100.0f);
      player_->setAudioOutput(output_.get());
    }
    QMediaPlayer* player = player_.get();
    QObject::connect(player, &QMediaPlayer::mediaStatusChanged, this,
                     [this, player](QMediaPlayer::MediaStatus status) {
                       if (player != player_.get()) return;
                       switch (status) {
                         case QMediaPlayer::InvalidMedia:
                           Tell(StreamStatus::kFailed);
                           break;
                         case QMediaPlayer::EndOfMedia:
                           Tell(player->error() == QMediaPlayer::NoError ? StreamStatus::kEnded
                                                                         : StreamStatus::kFailed);
                           break;
                         case QMediaPlayer::BufferingMedia:
                         case QMediaPlayer::BufferedMedia:
                           if (player->playbackState() == QMediaPlayer::PlayingState) {
                             Tell(StreamStatus::kPlaying);
                           }
                           break;
                         default:
                           break;
                       }
                     });
    QObject::connect(
        player, &QMediaPlayer::playbackStateChanged, this,
        [this, player](QMediaPlayer::PlaybackState state) {
          if (player != player_.get()) return;
          const auto media = player->mediaStatus();
          if (state == QMediaPlayer::PlayingState &&
              (media == QMediaPlayer::BufferedMedia || media == QMediaPlayer::BufferingMedia)) {
            Tell(StreamStatus::kPlaying);
          }
        });
    QObject::connect(player, &QMediaPlayer::errorOccurred, this,
                     [this, player](QMediaPlayer::Error error, const QString&) {
                       if (player == player_.get() && error != QMediaPlayer::NoError) {
                         Tell(StreamStatus::kFailed);
                         failed_ = true;
                       }
                     });
    QObject::connect(player, &QMediaPlayer::positionChanged, this, [this, player](qint64 at) {
      if (player == player_.get()) shared_->position = at;
    });
    QObject::connect(player, &QMediaPlayer::durationChanged, this, [this, player](qint64 length) {
      if (player == player_.get()) shared_->length = length;
    });
    player->setSource(address);
    player->play();
  }

  void Stop(unsigned generation) {
    generation_ = generation;
    Release();
  }

  void Pause(unsigned generation) {
    generation_ = generation;
    if (player_) player_->pause();
  }
  void Resume(unsigned generation) {
    generation_ = generation;
    if (player_) player_->play();
  }

  void SetVolume(int volume) {
    if (output_) output_->setVolume(float(std::clamp(volume, 0, 100)) / 100.0f);
  }

  // The player is let go without stop(): Qt's FFmpeg player seeks back to the start on a stop,
  // and on a live stream that seek reads on for as long as the station sends.
  void Release() {
    player_.reset();
    output_.reset();
    failed_ = false;
  }

 private:
  // After an error the backend may still claim to be playing (FFmpeg's reports a refused
  // connection as an error followed by the playing state): a failed stream stays failed.
  void Tell(StreamStatus status) {
    if (failed_) return;
    // Held while the report is posted, so the player cannot go meanwhile; a report posted
    // to a player that then goes is dropped with its receiver.
    QMutexLocker lock(&shared_->mutex);
    StreamPlayer* owner = shared_->owner;
    if (owner == nullptr) return;
    QMetaObject::invokeMethod(
        &owner->context_,
        [owner, generation = generation_, status] { owner->Take(generation, status); },
        Qt::QueuedConnection);
  }

  std::shared_ptr<Shared> shared_;
  unsigned generation_ = 0;
  bool failed_ = false;
  std::unique_ptr<QAudioOutput> output_;
  std::unique_ptr<QMediaPlayer> player_;
};

StreamPlayer::StreamPlayer()
    : shared_(std::make_shared<Shared>()), thread_(new QThread), worker_(new Worker(shared_)) {
  shared_->owner = this;
  thread_->setObjectName(QStringLiteral("streams"));
  worker_->moveToThread(thread_);
  thread_->start();
}

StreamPlayer::~StreamPlayer() {
  {
    QMutexLocker lock(&shared_->mutex);
    shared_->owner = nullptr;
  }
  // The stream thread lets go of its stream and ends. Opening a stream blocks that thread
  // until the station answers or the connection gives up, which can take minutes for a host
  // that never answers: the end of the program does not wait that long. The thread then
  // finishes on its own, telling nobody.
  QThread* thread = thread_;
  QMetaObject::invokeMethod(
      worker_,
      [w = worker_, thread] {
        w->Release();
        delete w;
        thread->quit();
      },
      Qt::QueuedConnection);
  if (thread->wait(QDeadlineTimer(kExitWaitMs))) delete thread;
}

qint64 StreamPlayer::PositionMs() const {
  return shared_->position.load();
}

qint64 StreamPlayer::LengthMs() const {
  return shared_->length.load();
}

void StreamPlayer::Play(const QUrl& address, int volumePercent) {
  const unsigned generation = ++generation_;
  address_ = address;
  status_ = StreamStatus::kConnecting;
  QMetaObject::invokeMethod(
      worker_,
      [w = worker_, generation, address, volumePercent] {
        w->Play(generation, address, volumePercent);
      },
      Qt::QueuedConnection);
  if (onStatus) onStatus(status_);
}

void StreamPlayer::Stop() {
  const unsigned generation = ++generation_;
  const bool changed = status_ != StreamStatus::kStopped;
  status_ = StreamStatus::kStopped;
  QMetaObject::invokeMethod(
      worker_, [w = worker_, generation] { w->Stop(generation); }, Qt::QueuedConnection);
  if (changed && onStatus) onStatus(status_);
}

void StreamPlayer::Pause() {
  if (status_ == StreamStatus::kStopped || status_ == StreamStatus::kFailed) return;
  const unsigned generation = ++generation_;
  status_ = StreamStatus::kPaused;
  QMetaObject::invokeMethod(
      worker_, [w = worker_, generation] { w->Pause(generation); }, Qt::QueuedConnection);
  if (onStatus) onStatus(status_);
}

void StreamPlayer::Resume() {
  if (status_ != StreamStatus::kPaused) return;
  const unsigned generation = ++generation_;
  status_ = StreamStatus::kConnecting;
  QMetaObject::invokeMethod(
      worker_, [w = worker_, generation] { w->Resume(generation); }, Qt::QueuedConnection);
  if (onStatus) onStatus(status_);
}

void StreamPlayer::SetVolume(int volumePercent) {
  QMetaObject::invokeMethod(
      worker_, [w = worker_, volumePercent] { w->SetVolume(volumePercent); }, Qt::QueuedConnection);
}

// On the making thread: a report of the stream thread is taken over only when no newer Play
// or Stop has come meanwhile.
void StreamPlayer::Take(unsigned generation, StreamStatus status) {
  if (generation != generation_ || status == status_) return;
  status_ = status;
  if (onStatus) onStatus(status_);
}

}  // namespace zendral::audio
