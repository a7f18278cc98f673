#include "present/audio/ProgramAudio.h"

#include <QDir>

#include "present/audio/AudioModule.h"
#include "present/audio/CardVoice.h"
#include "present/audio/GameHold.h"
#include "present/audio/SoundResources.h"

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

// The song of a machine without a sound device or the audio module: it "plays" and never
// ends, so Timer2 does not start it over and over.
class SilentSong final : public SongEngine {
 public:
  bool Open(const std::filesystem::path&) override { return true; }
  bool Start() override {
    playing_ = true;
    return true;
  }
  void Stop() override { playing_ = false; }
  bool IsPlaying() const override { return playing_; }
  void Close() override { playing_ = false; }
  bool IsSilent() const override { return true; }

 private:
  bool playing_ = false;
};

const AudioEngines* EnginesFor(bool deviceFound) {
  return deviceFound ? LoadAudioEngines() : nullptr;
}

std::unique_ptr<EventSoundOutput> MakeOutput(const AudioEngines* engines) {
  return engines != nullptr ? engines->MakeSoundOutput() : nullptr;
}

std::unique_ptr<SongEngine> MakeSong(const AudioEngines* engines) {
  std::unique_ptr<SongEngine> song = engines != nullptr ? engines->MakeSongEngine(false) : nullptr;
  if (!song) song = std::make_unique<SilentSong>();
  return song;
}

}  // namespace

ProgramAudio::ProgramAudio(bool deviceFound) {
  const AudioEngines* engines = EnginesFor(deviceFound);
  output_ = MakeOutput(engines);
  if (!output_) silent_ = std::make_unique<NoSoundOutput>();
  clock_ = std::make_unique<GameHoldClock>();
  sounds_ = std::make_unique<EventSoundPlayer>(
      output_ ? static_cast<SoundOutput&>(*output_) : *silent_, *clock_, LoadEventSoundResource);
  engine_ = MakeSong(engines);
  music_ = std::make_unique<MusicPlayer>(*engine_);
}

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
