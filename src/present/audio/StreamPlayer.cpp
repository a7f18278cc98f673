#include "present/audio/StreamPlayer.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <memory>

#include "present/audio/AudioModule.h"

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

// Lives on the stream thread: the decoder, made there at the first stream, and the reports
// it sends back to the player's thread.
class StreamPlayer::Worker : public QObject {
 public:
  explicit Worker(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

  void Play(unsigned generation, const QUrl& address, int volume) {
    generation_ = generation;
    if (!decoder_) {
      const AudioEngines* engines = LoadAudioEngines();
      if (engines != nullptr) {
        StreamReports reports;
        reports.status = [this](StreamStatus status) { Tell(status); };
        reports.position = [shared = shared_](long long ms) { shared->position = ms; };
        reports.length = [shared = shared_](long long ms) { shared->length = ms; };
        decoder_ = engines->MakeStreamDecoder(std::move(reports));
      }
    }
    if (!decoder_) {
      Tell(StreamStatus::kFailed);  // no audio module: nothing can play a stream
      return;
    }
    decoder_->Play(address, volume);
  }
  void Stop(unsigned generation) {
    generation_ = generation;
    Release();
  }
  void Pause(unsigned generation) {
    generation_ = generation;
    if (decoder_) decoder_->Pause();
  }
  void Resume(unsigned generation) {
    generation_ = generation;
    if (decoder_) decoder_->Resume();
  }
  void SetVolume(int volume) {
    if (decoder_) decoder_->SetVolume(volume);
  }
  void Release() {
    if (decoder_) decoder_->Release();
  }

 private:
  void Tell(StreamStatus status) {
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
  std::unique_ptr<StreamDecoder> decoder_;
};

StreamPlayer::StreamPlayer() : shared_(std::make_shared<Shared>()) {
  shared_->owner = this;
}

void StreamPlayer::StartThread() {
  if (thread_ != nullptr) return;
  thread_ = new QThread;
  worker_ = new Worker(shared_);
  thread_->setObjectName(QStringLiteral("streams"));
  worker_->moveToThread(thread_);
  thread_->start();
}

template <typename Call>
void StreamPlayer::Post(Call call) {
  if (worker_ == nullptr) return;  // nothing was ever played: nothing to tell the thread
  QMetaObject::invokeMethod(
      worker_, [w = worker_, call = std::move(call)] { call(*w); }, Qt::QueuedConnection);
}

StreamPlayer::~StreamPlayer() {
  {
    QMutexLocker lock(&shared_->mutex);
    shared_->owner = nullptr;
  }
  if (thread_ == nullptr) return;
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
  StartThread();
  Post([generation, address, volumePercent](Worker& w) {
    w.Play(generation, address, volumePercent);
  });
  if (onStatus) onStatus(status_);
}

void StreamPlayer::Stop() {
  const unsigned generation = ++generation_;
  const bool changed = status_ != StreamStatus::kStopped;
  status_ = StreamStatus::kStopped;
  Post([generation](Worker& w) { w.Stop(generation); });
  if (changed && onStatus) onStatus(status_);
}

void StreamPlayer::Pause() {
  if (status_ == StreamStatus::kStopped || status_ == StreamStatus::kFailed) return;
  const unsigned generation = ++generation_;
  status_ = StreamStatus::kPaused;
  Post([generation](Worker& w) { w.Pause(generation); });
  if (onStatus) onStatus(status_);
}

void StreamPlayer::Resume() {
  if (status_ != StreamStatus::kPaused) return;
  const unsigned generation = ++generation_;
  status_ = StreamStatus::kConnecting;
  Post([generation](Worker& w) { w.Resume(generation); });
  if (onStatus) onStatus(status_);
}

void StreamPlayer::SetVolume(int volumePercent) {
  Post([volumePercent](Worker& w) { w.SetVolume(volumePercent); });
}

// On the making thread: a report of the stream thread is taken over only when no newer Play
// or Stop has come meanwhile.
void StreamPlayer::Take(unsigned generation, StreamStatus status) {
  if (generation != generation_ || status == status_) return;
  status_ = status;
  if (onStatus) onStatus(status_);
}

}  // namespace zendral::audio
