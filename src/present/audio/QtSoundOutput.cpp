#include "present/audio/QtSoundOutput.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <algorithm>
#include <map>
#include <memory>

#include "present/audio/EventSoundNames.h"

namespace zendral::audio {

namespace {

std::vector<std::byte> ReadResource(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  const auto* first = reinterpret_cast<const std::byte*>(data.constData());
  return {first, first + data.size()};
}

QUrl ResourceUrl(std::string_view name) {
  // ":/sounds/X.wav" is reached as "qrc:/sounds/X.wav".
  return QUrl(QStringLiteral("qrc") + QString::fromStdString(EventSoundResourcePath(name)));
}

}  // namespace

// The effects and the one playing; touched only on the sound thread.
class QtSoundOutput::Effects : public QObject {
 public:
  explicit Effects(bool needsDevice) : needsDevice_(needsDevice) {}

  // Loads the effects once a device is there (the machine may gain one while the program
  // runs); until then every sound is silently skipped, without Qt's warning for each.
  void Load() {
    if (!effects_.empty()) return;
    if (needsDevice_ && QMediaDevices::defaultAudioOutput().isNull()) return;
    for (std::string_view name : kEventSoundNames) {
      auto effect = std::make_unique<QSoundEffect>();
      effect->setSource(ResourceUrl(name));  // loads in the background
      effects_.emplace(std::string(name), std::move(effect));
    }
  }
  void Start(const std::string& name) {
    Load();
    const auto found = effects_.find(name);
    if (found == effects_.end()) return;
    if (current_ != nullptr) current_->stop();  // one sound at a time; a repeat starts afresh
    current_ = found->second.get();
    current_->play();  // an effect still loading starts as soon as it is loaded
  }
  void StopAll() {
    if (current_ != nullptr) current_->stop();
    current_ = nullptr;
  }
  // Qt's sample cache hangs the process at exit when a sample is still loading then, so the
  // effects are let go only once their loads are over (or have had two seconds).
  void FinishLoading() {
    QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired() &&
           std::any_of(effects_.begin(), effects_.end(), [](const auto& entry) {
             return entry.second->status() == QSoundEffect::Loading;
           })) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(1);
    }
  }

  std::vector<std::string> PlayingNames() const {
    std::vector<std::string> names;
    for (const auto& [name, effect] : effects_) {
      if (effect->isPlaying()) names.push_back(name);
    }
    return names;
  }

 private:
  const bool needsDevice_;
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* current_ = nullptr;
};

QtSoundOutput::QtSoundOutput(bool needsDevice) : effects_(new Effects(needsDevice)) {
  thread_.setObjectName(QStringLiteral("event sounds"));
  effects_->moveToThread(&thread_);
  thread_.start();
  // Queued, so start-up does not wait for the sound thread.
  QMetaObject::invokeMethod(
      effects_, [e = effects_] { e->Load(); }, Qt::QueuedConnection);
}

QtSoundOutput::~QtSoundOutput() {
  QMetaObject::invokeMethod(
      effects_,
      [e = effects_] {
        e->FinishLoading();
        delete e;
      },
      Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
}

void QtSoundOutput::Start(std::string_view name) {
  QMetaObject::invokeMethod(
      effects_, [e = effects_, n = std::string(name)] { e->Start(n); }, Qt::QueuedConnection);
}

void QtSoundOutput::StopAll() {
  QMetaObject::invokeMethod(
      effects_, [e = effects_] { e->StopAll(); }, Qt::QueuedConnection);
}

std::vector<std::string> QtSoundOutput::PlayingNames() const {
  std::vector<std::string> names;
  QMetaObject::invokeMethod(
      effects_, [e = effects_, &names] { names = e->PlayingNames(); },
      Qt::BlockingQueuedConnection);
  return names;
}

std::vector<std::byte> LoadEventSoundResource(std::string_view name) {
  if (!IsEventSoundName(name)) return {};
  return ReadResource(EventSoundResourcePath(name));
}

std::vector<std::byte> LoadMidiSongResource() {
  return ReadResource(std::string(kMidiSongResourcePath));
}

}  // namespace zendral::audio
