#pragma once
// Everything the program hears, made at the first sound or song: the event sounds and the
// MIDI song on the engines of the audio module (AudioModule.h). Needs a Qt application on the
// calling thread. On a machine without a sound device, or without the module, everything runs
// in silence, waited sounds still holding the game for their length.
//
// Opening the module maps a large set of libraries and takes tens of milliseconds, so it is
// done on a worker thread: the calling thread never waits for it. What is asked meanwhile is
// kept by stand-ins (DeferredEngines.h) and carried out once the engines are there: the last
// sound asked plays then, and the song starts if it was asked to.

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <thread>

#include "game/Card.h"

#include "present/audio/EventSoundPlayer.h"
#include "present/audio/MusicPlayer.h"

namespace zendral::audio {

class AudioEngines;
class DeferredSong;
class DeferredSoundOutput;
class GameHoldClock;
class SongEngine;

// Opens the audio module: LoadAudioEngines in the program; tests hand in their own engines.
using AudioEnginesOpener = std::function<const AudioEngines*()>;

class ProgramAudio {
 public:
  // Without a sound device (`deviceFound` off) no audio engine is opened at all: the sounds
  // and the song run in silence, waited sounds still holding the game for their length. With
  // one, `open` is called on a worker thread started here; without a module everything is
  // silent in the same way.
  explicit ProgramAudio(bool deviceFound = true, AudioEnginesOpener open = {});
  // Waits for the worker when the module is still being opened (tens of milliseconds).
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
  // Blocks until the module has been tried and the engines are in use (tests, measurements).
  void WaitUntilEnginesReady();
  EventSoundPlayer& Sounds() { return *sounds_; }
  MusicPlayer& Music() { return *music_; }

 private:
  std::unique_ptr<DeferredSoundOutput> output_;  // null without a sound device
  std::unique_ptr<SoundOutput> silent_;
  std::unique_ptr<GameHoldClock> clock_;
  std::unique_ptr<EventSoundPlayer> sounds_;
  std::unique_ptr<SongEngine> engine_;
  std::unique_ptr<MusicPlayer> music_;
  std::thread opener_;  // opens the module and hands the engines over; joined at the end
};

// The system's temporary folder (TMPDIR, else /tmp).
std::filesystem::path SystemTempFolder();

}  // namespace zendral::audio
