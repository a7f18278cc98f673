#pragma once
// Plays the event sounds by name, one at a time, and holds the game for a waited sound.
//
// The sound device and the passing of time come in through two small interfaces, so the
// rules of waiting hold the same with a real device, with none, and in tests:
//   - with SoundOn off nothing plays and nothing waits;
//   - a waited sound holds the caller until the sound's length (read from its WAV header)
//     has passed since it was started, whether or not a device played it;
//   - an unwaited sound returns at once.

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zendral::audio {

// Where the sounds come out. Start returns at once; a sound still playing stops first, so
// only one event sound is ever heard. An output without a device simply plays nothing.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void Start(std::string_view name) = 0;
  virtual void StopAll() = 0;
};

// The steady time, and the primitive that holds the game until a moment has come.
class WaitClock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  virtual ~WaitClock() = default;
  virtual TimePoint Now() = 0;
  virtual void HoldUntil(TimePoint deadline) = 0;
};

// The WAV bytes of a named sound; empty when the program has no sound of that name.
using SoundLoader = std::function<std::vector<std::byte>(std::string_view name)>;

enum class SoundResult {
  kPlayed,        // started (and, when waited, held for its length)
  kSwitchedOff,   // SoundOn is off: nothing played, nothing waited
  kUnknownSound,  // no sound of that name
  kDamagedSound,  // the data is not a WAV the program can play
};

class EventSoundPlayer {
 public:
  EventSoundPlayer(SoundOutput& output, WaitClock& clock, SoundLoader loader);

  // Plays the named sound unless `soundOn` is off. With `wait`, returns once the sound's
  // length has passed since it started. A missing or damaged sound plays nothing and waits
  // for nothing.
  SoundResult PlayEventSound(std::string_view name, bool wait, bool soundOn);

  // The playing time of the named sound, or nothing when it is missing or damaged.
  std::optional<std::chrono::microseconds> SoundLength(std::string_view name);

 private:
  struct Entry {
    bool known = false;
    std::optional<std::chrono::microseconds> length;
  };
  const Entry& Lookup(std::string_view name);

  SoundOutput& output_;
  WaitClock& clock_;
  SoundLoader loader_;
  std::map<std::string, Entry, std::less<>> entries_;  // each sound's header is read once
};

}  // namespace zendral::audio
