#pragma once
// Stand-ins for the audio engines while the audio module is being opened on a worker thread.
// The program talks to these from its first sound on; they remember what was asked until the
// real engines are handed over (Attach), then pass everything through. Either side may call
// from any thread: the main thread asks, the worker attaches.
//
// While waiting, only the last event sound asked is kept: one sound plays at a time, so any
// earlier one would have been cut off by it at once. It starts once the output arrives, once,
// unless the sounds were stopped meanwhile. The song remembers its file and whether it should
// play, and starts on the synthesiser when it arrives.

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "present/audio/AudioEngines.h"

namespace zendral::audio {

class DeferredSoundOutput final : public EventSoundOutput {
 public:
  void Start(std::string_view name) override;
  void StopAll() override;
  void StartVoice(std::string_view name, const std::vector<std::byte>& wav) override;

  // Hands over the real output and starts the sound asked meanwhile. A null output (no module,
  // or it could not make one) leaves everything silent from now on.
  void Attach(std::unique_ptr<EventSoundOutput> output);
  // True once Attach was given no output: nothing will ever be heard.
  bool IsSilentForGood() const;

 private:
  struct Pending {
    std::string name;
    std::optional<std::vector<std::byte>> voice;  // a card voice rather than a named sound
  };
  mutable std::mutex mutex_;
  bool attached_ = false;
  std::unique_ptr<EventSoundOutput> output_;
  std::optional<Pending> pending_;
};

class DeferredSong final : public SongEngine {
 public:
  bool Open(const std::filesystem::path& file) override;
  bool Start() override;
  void Stop() override;
  // Before the synthesiser arrives the song counts as playing from Start to Stop, as the
  // synthesiser itself does until it is set up.
  bool IsPlaying() const override;
  void Close() override;
  // Silent once no synthesiser came; until the synthesiser is known, false.
  bool IsSilent() const override;

  // Hands over the synthesiser, opens the song's file on it and starts the song if it was
  // asked to play. Null leaves the song silent for good.
  void Attach(std::unique_ptr<SongEngine> engine);

 private:
  mutable std::mutex mutex_;
  std::unique_ptr<SongEngine> engine_;
  bool attached_ = false;
  std::filesystem::path file_;
  bool playing_ = false;
};

}  // namespace zendral::audio
