#pragma once
// Everything the program hears, made at the first sound or song: the event sounds and the
// MIDI song on the engines of the audio module (AudioModule.h). Needs a Qt application on the
// calling thread. On a machine without a sound device, or without the module, everything runs
// in silence, waited sounds still holding the game for their length.

#include <filesystem>

#include <memory>
#include <string_view>
#include "game/Card.h"

#include "present/audio/EventSoundPlayer.h"
#include "present/audio/MusicPlayer.h"

namespace zendral::audio {

class EventSoundOutput;
class GameHoldClock;
class SongEngine;

class ProgramAudio {
 public:
  // Without a sound device (`deviceFound` off) no audio engine is opened at all: the sounds
  // and the song run in silence, waited sounds still holding the game for their length. With
  // one, the audio module is opened here; without it everything is silent in the same way.
  explicit ProgramAudio(bool deviceFound = true);
  ~ProgramAudio();
  ProgramAudio(const ProgramAudio&) = delete;
  ProgramAudio& operator=(const ProgramAudio&) = delete;

  // See EventSoundPlayer. A waited sound holds the game through HoldGameUntil (GameHold.h).
  SoundResult PlayEventSound(std::string_view name, bool wait, bool soundOn);

  // Speaks the card's name in the language through the event-sound output, without waiting
  // (it replaces the sound playing). The voice pack is looked for beside the program folder
  // for every call. False, and silence, when the pack or the voice is missing.
  bool SayCard(TCardCode card, int language, const std::filesystem::path& programFolder);

  // Writes the song resource to temp44_25.mid in the system's temporary folder (or reuses a
  // file left there) and opens it; see MusicPlayer.
  MusicError PrepareMusic();
  void PlayMusic(bool on);
  void StopMusic();
  void OnTimer2(bool introOrMenuShown, bool musicOn);
  void CloseMusic();
  bool DeleteMusicFile();

  bool MusicIsSilent() const;
  EventSoundPlayer& Sounds() { return *sounds_; }
  MusicPlayer& Music() { return *music_; }

 private:
  std::unique_ptr<EventSoundOutput> output_;  // null without a sound device or the module
  std::unique_ptr<SoundOutput> silent_;
  std::unique_ptr<GameHoldClock> clock_;
  std::unique_ptr<EventSoundPlayer> sounds_;
  std::unique_ptr<SongEngine> engine_;
  std::unique_ptr<MusicPlayer> music_;
};

// The system's temporary folder (TMPDIR, else /tmp).
std::filesystem::path SystemTempFolder();

}  // namespace zendral::audio
