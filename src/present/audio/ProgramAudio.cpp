#include "present/audio/ProgramAudio.h"

#include <QDir>

#include "present/audio/AudioModule.h"
#include "present/audio/CardVoice.h"
#include "present/audio/DeferredEngines.h"
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

std::unique_ptr<EventSoundOutput> MakeOutput(const AudioEngines* engines) {
  return engines != nullptr ? engines->MakeSoundOutput() : nullptr;
}

std::unique_ptr<SongEngine> MakeSong(const AudioEngines* engines) {
  std::unique_ptr<SongEngine> song = engines != nullptr ? engines->MakeSongEngine(false) : nullptr;
  if (!song) song = std::make_unique<SilentSong>();
  return song;
}

}  // namespace

ProgramAudio::ProgramAudio(bool deviceFound, AudioEnginesOpener open) {
  if (deviceFound) output_ = std::make_unique<DeferredSoundOutput>();
  if (!output_) silent_ = std::make_unique<NoSoundOutput>();
  clock_ = std::make_unique<GameHoldClock>();
  sounds_ = std::make_unique<EventSoundPlayer>(
      output_ ? static_cast<SoundOutput&>(*output_) : *silent_, *clock_, LoadEventSoundResource);
  if (deviceFound) {
    auto song = std::make_unique<DeferredSong>();
    DeferredSong* deferred = song.get();
    engine_ = std::move(song);
    music_ = std::make_unique<MusicPlayer>(*engine_);
    if (!open) open = LoadAudioEngines;
    opener_ = std::thread([output = output_.get(), deferred, open = std::move(open)] {
      const AudioEngines* engines = open();
      output->Attach(MakeOutput(engines));
      deferred->Attach(MakeSong(engines));
    });
  } else {
    engine_ = std::make_unique<SilentSong>();
    music_ = std::make_unique<MusicPlayer>(*engine_);
  }
}

ProgramAudio::~ProgramAudio() {
  WaitUntilEnginesReady();
  // The sound output before the song, the song's player before its engine.
  if (output_) output_->StopAll();
  music_.reset();
  engine_.reset();
}

void ProgramAudio::WaitUntilEnginesReady() {
  if (opener_.joinable()) opener_.join();
}

SoundResult ProgramAudio::PlayEventSound(std::string_view name, bool wait, bool soundOn) {
  return sounds_->PlayEventSound(name, wait, soundOn);
}

bool ProgramAudio::SayCard(TCardCode card, int language,
                           const std::filesystem::path& programFolder) {
  const std::vector<std::byte> wav = LoadCardVoice(programFolder, card, language);
  if (wav.empty() || !output_ || output_->IsSilentForGood()) return false;
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
