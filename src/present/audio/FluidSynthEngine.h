#pragma once
// The MIDI song through FluidSynth with a General MIDI soundfont.
//
// Start-up stays quick: the synthesiser, its audio driver and the soundfont (together tens of
// milliseconds) are set up on a thread of the engine's own, and a song started before they
// are ready begins as soon as they are. When the machine has no audio driver, or no
// soundfont, the engine runs silently: the song "plays" and never ends, so Timer2 does not
// restart it over and over and nobody sees an error.

#include <filesystem>
#include <memory>
#include <string>

#include "present/audio/AudioEngines.h"

namespace zendral::audio {

// The folder where Debian's soundfont packages put their files.
inline constexpr char kSystemSoundfontFolder[] = "/usr/share/sounds/sf2";

// The General MIDI soundfont in `folder`: "TimGM6mb.sf2", else "default-GM.sf2", else the
// first "*.sf2" by name; empty when there is none.
std::filesystem::path FindGeneralMidiSoundfont(const std::filesystem::path& folder);

struct FluidSynthOptions {
  std::filesystem::path soundfontFolder = kSystemSoundfontFolder;
  // FluidSynth's audio driver by name; empty for its default. Tests use "file" (with
  // `audioFile`) to run a real driver on a machine without sound.
  std::string audioDriver;
  std::string audioFile;
  // The machine has no sound device: the engine is silent from the start and opens nothing.
  bool noDevice = false;
};

class FluidSynthEngine : public SongEngine {
 public:
  explicit FluidSynthEngine(FluidSynthOptions options = {});
  ~FluidSynthEngine() override;
  FluidSynthEngine(const FluidSynthEngine&) = delete;
  FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

  bool Open(const std::filesystem::path& file) override;
  bool Start() override;
  void Stop() override;
  bool IsPlaying() const override;
  void Close() override;

  // True when no audio reaches a speaker: no driver, no soundfont, or it failed to load.
  // Known once the set-up thread is done; until then false.
  bool IsSilent() const override;
  // Blocks until the set-up thread is done (tests and measurements).
  void WaitUntilReady();

 private:
  struct Synth;  // the FluidSynth objects and the loader thread, kept out of this header
  std::unique_ptr<Synth> synth_;
  std::filesystem::path file_;
};

}  // namespace zendral::audio
