#include "present/audio/QtSoundOutput.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <map>
#include <memory>

#include "present/audio/EventSoundNames.h"

namespace zendral::audio {

namespace {

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
    StopAll();  // one sound at a time; a repeat starts afresh
    current_ = found->second.get();
    current_->play();  // an effect still loading starts as soon as it is loaded
  }
  void StopAll() {
    if (current_ != nullptr) current_->stop();
    current_ = nullptr;
    if (voice_) voice_->stop();
  }
  // QSoundEffect reads only files, so the voice goes to a temporary file of its own first; the
  // file lives as long as its effect.
  void StartVoice(const std::string& name, const QByteArray& wav) {
    if (needsDevice_ && QMediaDevices::defaultAudioOutput().isNull()) return;
    StopAll();
    voice_.reset();
    voiceFile_ = std::make_unique<QTemporaryFile>(QDir::tempPath() +
                                                  QStringLiteral("/zendral-voice-XXXXXX.wav"));
    if (!voiceFile_->open() || voiceFile_->write(wav) != wav.size() || !voiceFile_->flush()) {
      voiceFile_.reset();
      return;
    }
    voiceName_ = name;
    voice_ = std::make_unique<QSoundEffect>();
    voice_->setSource(QUrl::fromLocalFile(voiceFile_->fileName()));
    voice_->play();
  }
  // Qt's sample cache hangs the process at exit when a sample is still loading then, so the
  // effects are let go only once their loads are over (or have had two seconds).
  void FinishLoading() {
    QDeadlineTimer deadline(2000);
    while (!deadline.hasExpired() && (std::any_of(effects_.begin(), effects_.end(),
                                                  [](const auto& entry) {
                                                    return entry.second->status() ==
                                                           QSoundEffect::Loading;
                                                  }) ||
                                      (voice_ && voice_->status() == QSoundEffect::Loading))) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(1);
    }
  }

  std::vector<std::string> PlayingNames() const {
    std::vector<std::string> names;
    for (const auto& [name, effect] : effects_) {
      if (effect->isPlaying()) names.push_back(name);
    }
    if (voice_ && voice_->isPlaying()) names.push_back(voiceName_);
    return names;
  }

 private:
  const bool needsDevice_;
  std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
  QSoundEffect* current_ = nullptr;
  std::unique_ptr<QTemporaryFile> voiceFile_;
  std::unique_ptr<QSoundEffect> voice_;
  std::string voiceName_;
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

void QtSoundOutput::StartVoice(std::string_view name, const std::vector<std::byte>& wav) {
  QByteArray bytes(reinterpret_cast<const char*>(wav.data()), static_cast<qsizetype>(wav.size()));
  QMetaObject::invokeMethod(
      effects_,
      [e = effects_, n = std::string(name), b = std::move(bytes)] { e->StartVoice(n, b); },
      Qt::QueuedConnection);
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

}  // namespace zendral::audio
