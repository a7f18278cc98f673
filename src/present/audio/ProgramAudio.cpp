#include "present/audio/ProgramAudio.h"

#include <QDir>

#include "present/audio/CardVoice.h"
#include "present/audio/FluidSynthEngine.h"
#include "present/audio/GameHold.h"
#include "present/audio/QtSoundOutput.h"

namespace zendral::audio {

std::filesystem::path SystemTempFolder() {
  return std::filesystem::path(QDir::tempPath().toStdString());
}

namespace {

// The event sounds of a machine without a sound device: nothing to start or stop.
class NoSoundOutput final : public SoundOutput {
 public:
  void Start(std::string_view) override {}
  void StopAll() override {}
};

FluidSynthOptions SynthOptions(bool deviceFound) {
  FluidSynthOptions options;
  options.noDevice = !deviceFound;
  return options;
}

}  // namespace

ProgramAudio::ProgramAudio(bool deviceFound)
    : output_(deviceFound ? std::make_unique<QtSoundOutput>() : nullptr),
      silent_(deviceFound ? nullptr : std::make_unique<NoSoundOutput>()),
      clock_(std::make_unique<GameHoldClock>()),
      sounds_(std::make_unique<EventSoundPlayer>(
          output_ ? static_cast<SoundOutput&>(*output_) : *silent_, *clock_,
          LoadEventSoundResource)),
      engine_(std::make_unique<FluidSynthEngine>(SynthOptions(deviceFound))),
      music_(std::make_unique<MusicPlayer>(*engine_)) {}

ProgramAudio::~ProgramAudio() {
  // The sound output before the song, the song's player before its engine.
  if (output_) output_->StopAll();
  music_.reset();
  engine_.reset();
}

SoundResult ProgramAudio::PlayEventSound(std::string_view name, bool wait, bool soundOn) {
  return sounds_->PlayEventSound(name, wait, soundOn);
}

bool ProgramAudio::SayCard(TCardCode card, int language,
                           const std::filesystem::path& programFolder) {
  const std::vector<std::byte> wav = LoadCardVoice(programFolder, card, language);
  if (wav.empty() || !output_) return false;
  output_->StartVoice("voice", wav);
  return true;
}

MusicError ProgramAudio::PrepareMusic() {
  return music_->PrepareMusic(LoadMidiSongResource(), SystemTempFolder());
}

void ProgramAudio::PlayMusic(bool on) {
  music_->PlayMusic(on);
}
void ProgramAudio::StopMusic() {
  music_->StopMusic();
}
void ProgramAudio::OnTimer2(bool introOrMenuShown, bool musicOn) {
  music_->OnTimer2(introOrMenuShown, musicOn);
}
void ProgramAudio::CloseMusic() {
  music_->CloseMusic();
}
bool ProgramAudio::DeleteMusicFile() {
  return music_->DeleteMusicFile();
}
bool ProgramAudio::MusicIsSilent() const {
  return engine_->IsSilent();
}

}  // namespace zendral::audio
