#pragma once
// The event sounds on Qt Multimedia: one QSoundEffect per sound, loaded from the resource
// library as the output is made, so a sound starts without a load. The effects live on a
// thread of their own, so a sound goes on playing while the game is held (GameHold.h) and
// the main thread does not run its event loop. With no audio device the effects play
// nothing and the program runs on in silence.

#include <QThread>
#include <string>
#include <string_view>
#include <vector>

#include "present/audio/AudioEngines.h"
#include "present/audio/SoundResources.h"

namespace zendral::audio {

class QtSoundOutput : public EventSoundOutput {
 public:
  // With `needsDevice` off the effects are made even without an audio device (they then
  // play nothing); tests use it to watch the effects on a machine without sound.
  explicit QtSoundOutput(bool needsDevice = true);
  ~QtSoundOutput() override;
  QtSoundOutput(const QtSoundOutput&) = delete;
  QtSoundOutput& operator=(const QtSoundOutput&) = delete;

  // Both return at once; the sound thread carries them out in the order they were asked.
  void Start(std::string_view name) override;
  void StopAll() override;
  // Plays WAV bytes that are not one of the program's sounds (a card voice) the same way: it
  // replaces the sound playing, and the next sound replaces it. `name` is what PlayingNames
  // reports while it plays.
  void StartVoice(std::string_view name, const std::vector<std::byte>& wav) override;

  // The sounds playing now, by name (one at most), once every earlier request is carried
  // out. For tests and diagnostics: it waits for the sound thread.
  std::vector<std::string> PlayingNames() const;

 private:
  class Effects;  // lives on the sound thread
  QThread thread_;
  Effects* effects_;  // owned; deleted on the sound thread
};

}  // namespace zendral::audio
