#include "app/main/SoundPort.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <algorithm>
#include <thread>

#ifdef ZENDRAL_HAVE_AUDIO
#include "present/audio/AudioModule.h"
#include "present/audio/GameHold.h"
#include "present/audio/ProgramAudio.h"
#include "present/audio/SoundDevice.h"
#endif

namespace zendral {

namespace {

#ifdef ZENDRAL_HAVE_AUDIO

class ProgramSound final : public SoundPort {
 public:
  ProgramSound() : deviceFound_(audio::HasSoundDevice(audio::ThisMachinesSoundPlaces())) {}

  void PlayEventSound(std::string_view name, bool wait, bool soundOn) override {
    if (!soundOn) return;  // nothing plays and nothing waits: no need for the engines
    Audio().PlayEventSound(name, wait, soundOn);
  }
  bool PrepareMusic() override { return Audio().PrepareMusic() == audio::MusicError::kNone; }
  void PlayMusic(bool on) override {
    if (!on && !audio_) return;
    Audio().PlayMusic(on);
  }
  void OnTimer2(bool introOrMenuShown, bool musicOn) override {
    if (audio_) audio_->OnTimer2(introOrMenuShown, musicOn);
  }
  void CloseMusic() override {
    if (!audio_) return;
    audio_->CloseMusic();
    audio_->DeleteMusicFile();
  }
  bool SayCard(TCardCode card, int language, const std::filesystem::path& programFolder) override {
    return Audio().SayCard(card, language, programFolder);
  }
  // A machine whose audio module could not be opened is as silent as one without a device.
  bool DeviceFound() const override { return deviceFound_ && audio::AudioModuleProblem().empty(); }
  void Hold(std::chrono::milliseconds duration) override { HoldGame(duration); }

 private:
  audio::ProgramAudio& Audio() {
    if (!audio_) audio_ = std::make_unique<audio::ProgramAudio>(deviceFound_);
    return *audio_;
  }

  const bool deviceFound_;
  std::unique_ptr<audio::ProgramAudio> audio_;  // made at the first use
};

#else

// Without the audio library: silence, but the two waited sounds (a card laid, a pass) still
// hold the game for about their length, so play keeps its rhythm.
class SilentSound final : public SoundPort {
 public:
  void PlayEventSound(std::string_view name, bool wait, bool soundOn) override {
    if (!wait || !soundOn) return;
    HoldGame(std::chrono::milliseconds(name == "WHodBer" ? 450 : 300));
  }
  bool PrepareMusic() override { return true; }
  void PlayMusic(bool) override {}
  void OnTimer2(bool, bool) override {}
  void CloseMusic() override {}
  void Hold(std::chrono::milliseconds duration) override { HoldGame(duration); }
};

#endif

}  // namespace

std::unique_ptr<SoundPort> MakeProgramSound() {
#ifdef ZENDRAL_HAVE_AUDIO
  return std::make_unique<ProgramSound>();
#else
  return std::make_unique<SilentSound>();
#endif
}

void HoldGame(std::chrono::milliseconds duration) {
  const auto deadline = std::chrono::steady_clock::now() + duration;
#ifdef ZENDRAL_HAVE_AUDIO
  audio::HoldGameUntil(deadline);
#else
  // The same rule as the audio library's hold: sleep in short slices and deliver only the
  // pending repaints, so no click, key, tick or socket event reaches the game meanwhile.
  const bool paints = QCoreApplication::instance() != nullptr &&
                      QThread::currentThread() == QCoreApplication::instance()->thread();
  for (auto now = std::chrono::steady_clock::now(); now < deadline;
       now = std::chrono::steady_clock::now()) {
    if (paints) QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    std::this_thread::sleep_until(std::min(deadline, now + std::chrono::milliseconds(10)));
  }
#endif
}

}  // namespace zendral
