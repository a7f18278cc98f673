#pragma once
// The built-in MIDI song: its file in the system's temporary folder, and when it plays.
//
// At start-up the app calls PrepareMusic (and shows "Can`t create music file!" when it
// answers kCantCreateMusicFile), then PlayMusic(MusicOn). The Options "Music" box calls
// PlayMusic at once; Timer2 calls OnTimer2 every second; at exit the app calls CloseMusic,
// and DeleteMusicFile when it saves the settings.

#include <cstddef>
#include <filesystem>
#include <span>

namespace zendral::audio {

// "temp" + the game id 44 + "_25.mid".
inline constexpr char kMusicFileName[] = "temp44_25.mid";

// What renders the song: FluidSynth in the program, a recording fake in tests.
class MidiEngine {
 public:
  virtual ~MidiEngine() = default;
  // Takes the song file; false when it cannot be played.
  virtual bool Open(const std::filesystem::path& file) = 0;
  // Plays the opened song from its beginning.
  virtual bool Start() = 0;
  virtual void Stop() = 0;
  // True from Start until the song has played to its end or is stopped.
  virtual bool IsPlaying() const = 0;
  virtual void Close() = 0;
};

enum class MusicError {
  kNone,
  kCantCreateMusicFile,  // the window shows "Can`t create music file!"
};

// How PrepareMusic came by the file.
enum class MusicFileState { kNone, kWritten, kReused, kFailed };

class MusicPlayer {
 public:
  explicit MusicPlayer(MidiEngine& engine);

  // Makes `folder`/temp44_25.mid hold the song and opens it. A file left from an earlier run
  // is reused when it is a complete MIDI file; a damaged one is written afresh. The write goes
  // to a temporary name first and is renamed into place. After a failure the music stays off
  // for the run.
  MusicError PrepareMusic(std::span<const std::byte> song, const std::filesystem::path& folder);

  // Starts (from the beginning) or stops the song; does nothing when the file is missing or
  // the engine could not open it.
  void PlayMusic(bool on);
  void StopMusic() { PlayMusic(false); }

  // Timer2: in the intro and the menu a song that has ended starts again while MusicOn is set;
  // at the table it is left ended.
  void OnTimer2(bool introOrMenuShown, bool musicOn);

  // At exit: stops and closes the engine.
  void CloseMusic();
  // Removes the song file; true when it is gone (or was never there).
  bool DeleteMusicFile();

  MusicFileState FileState() const { return fileState_; }
  const std::filesystem::path& FilePath() const { return path_; }
  bool IsReady() const { return ready_; }
  bool IsPlaying() const { return wanted_ && engine_.IsPlaying(); }

 private:
  MidiEngine& engine_;
  std::filesystem::path path_;
  MusicFileState fileState_ = MusicFileState::kNone;
  bool ready_ = false;   // the file is in place and the engine has opened it
  bool wanted_ = false;  // the last PlayMusic said on
};

// True when `file` is a complete MIDI file (read wholly; files over 4 MB are refused).
bool IsUsableMidiFile(const std::filesystem::path& file);

// Writes `bytes` to `target` through a temporary file in the same folder and a rename, so
// the target is either the old file or the whole new one.
bool WriteFileAtomically(const std::filesystem::path& target, std::span<const std::byte> bytes);

}  // namespace zendral::audio
