#pragma once
// The audio engines as the rest of the program sees them: the event-sound output, the MIDI
// synthesiser and the stream decoder. Their libraries (Qt Multimedia with its decoders,
// FluidSynth with its drivers and soundfont loaders, the sound servers' clients) are many
// and large, so they are built into a module of their own that the program opens at the first
// sound, song or stream (AudioModule.h), never at start. This header is all the two sides
// share; it names no audio library.

#include <QUrl>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "present/audio/EventSoundPlayer.h"
#include "present/audio/MusicPlayer.h"

namespace zendral::audio {

// The event sounds' output, which can also play WAV bytes that are not one of the program's
// sounds (a card voice): the voice replaces the sound playing, the next sound replaces it.
class EventSoundOutput : public SoundOutput {
 public:
  virtual void StartVoice(std::string_view name, const std::vector<std::byte>& wav) = 0;
};

// The MIDI song's synthesiser.
class SongEngine : public MidiEngine {
 public:
  // True when no audio reaches a speaker (no driver, no soundfont).
  virtual bool IsSilent() const = 0;
};

enum class StreamStatus {
  kStopped,     // nothing asked, or stopped
  kConnecting,  // asked to play, not playing yet
  kPlaying,
  kPaused,
  kFailed,  // the stream could not be opened or broke off
  kEnded,   // a track has played to its end
};

// What a stream decoder tells, called on the thread it lives on.
struct StreamReports {
  std::function<void(StreamStatus)> status;
  std::function<void(long long ms)> position;
  std::function<void(long long ms)> length;
};

// One stream at a time, made and used on one thread (StreamPlayer's stream thread); each call
// returns without waiting for the stream, except that opening a stream may block that thread
// until the host answers.
class StreamDecoder {
 public:
  virtual ~StreamDecoder() = default;
  virtual void Play(const QUrl& address, int volumePercent) = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual void SetVolume(int volumePercent) = 0;
  // Lets go of the stream, whatever it is doing.
  virtual void Release() = 0;
};

// What the module makes. Each object lives as long as its owner wants; the module itself is
// never closed, so their code stays mapped.
class AudioEngines {
 public:
  virtual ~AudioEngines() = default;
  // The event-sound output; null when the module cannot open one.
  virtual std::unique_ptr<EventSoundOutput> MakeSoundOutput() const = 0;
  // The synthesiser; with `noDevice` it stays silent and opens no audio driver.
  virtual std::unique_ptr<SongEngine> MakeSongEngine(bool noDevice) const = 0;
  // A stream decoder for the calling thread.
  virtual std::unique_ptr<StreamDecoder> MakeStreamDecoder(StreamReports reports) const = 0;
};

// The module's one entry point, by this name and signature. It answers null when `version`
// is not the one it was built with: a module left over from another build is refused.
inline constexpr char kAudioEnginesEntry[] = "ZendralAudioEngines";
inline constexpr int kAudioEnginesVersion = 1;
using AudioEnginesEntry = const AudioEngines* (*)(int version);

}  // namespace zendral::audio
