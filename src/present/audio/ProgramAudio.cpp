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

ProgramAudio::ProgramAudio()
    : output_(std::make_unique<QtSoundOutput>()),
      clock_(std::make_unique<GameHoldClock>()),
      sounds_(std::make_unique<EventSoundPlayer>(*output_, *clock_, LoadEventSoundResource)),
      engine_(std::make_unique<FluidSynthEngine>()),
      music_(std::make_unique<MusicPlayer>(*engine_)) {}

ProgramAudio::~ProgramAudio() {
  // The sound output before the song, the song's player before its engine.
  output_->StopAll();
  music_.reset();
  engine_.reset();
}

SoundResult ProgramAudio::PlayEventSound(std::string_view name, bool wait, bool soundOn) {
  return sounds_->PlayEventSound(name, wait, soundOn);
}

bool ProgramAudio::SayCard(TCardCode card, int language,
                           const std::filesystem::path& programFolder) {
  const std::vector<std::byte> wav = LoadCardVoice(programFolder, card, language);
  if (wav.empty()) return false;
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
