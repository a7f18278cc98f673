#include "present/audio/FluidSynthEngine.h"

#include <fluidsynth.h>

#include <QLoggingCategory>
#include <algorithm>
#include <chrono>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace zendral::audio {

namespace fs = std::filesystem;

namespace {

Q_LOGGING_CATEGORY(lcMusic, "zendral.audio.music", QtWarningMsg)

// FluidSynth's own messages (a machine without sound says so several times) go to a logging
// category that is quiet unless asked for.
void LogFluidMessage(int level, const char* message, void*) {
  if (level <= FLUID_ERR) {
    qCInfo(lcMusic, "fluidsynth: %s", message);
  } else {
    qCDebug(lcMusic, "fluidsynth: %s", message);
  }
}

void RouteFluidLog() {
  static std::once_flag routed;
  std::call_once(routed, [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
      fluid_set_log_function(level, LogFluidMessage, nullptr);
    }
  });
}

// Loudness of the song against the event sounds: background music.
constexpr double kGain = 0.8;

}  // namespace

// Made by the set-up thread; everything below `mutex` is shared with it.
//
// FluidSynth (2.3) may crash when a MIDI player is deleted while its audio driver renders, so
// a player is never deleted while the driver runs: the song's one player is stopped and
// rewound instead, and every player goes only after the driver, at the end.
struct FluidSynthEngine::Synth {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_audio_driver_t* driver = nullptr;
  std::thread setUp;

  mutable std::mutex mutex;
  bool ready = false;         // the set-up thread is done
  bool silent = false;        // ... and found no driver or no soundfont
  bool startPending = false;  // asked to start before it was done
  bool silentPlaying = false;
  fluid_player_t* player = nullptr;      // the player of `file`, made at its first start
  std::vector<fluid_player_t*> retired;  // players of files opened before
  std::chrono::steady_clock::time_point startedAt;
  fs::path file;

  ~Synth() {
    if (setUp.joinable()) setUp.join();
    if (driver != nullptr) delete_fluid_audio_driver(driver);
    if (player != nullptr) retired.push_back(player);
    for (fluid_player_t* p : retired) delete_fluid_player(p);
    if (synth != nullptr) delete_fluid_synth(synth);
    if (settings != nullptr) delete_fluid_settings(settings);
  }

  // On the set-up thread.
  void SetUp(const FluidSynthOptions& options) {
    const bool playable = MakeSynth(options);
    std::lock_guard lock(mutex);
    ready = true;
    silent = !playable;
    if (silent) {
      silentPlaying = startPending;
    } else if (startPending) {
      StartPlayerLocked();
    }
    startPending = false;
  }

  bool MakeSynth(const FluidSynthOptions& options) {
    if (options.noDevice) {
      qCInfo(lcMusic) << "no sound device; the music is silent";
      return false;
    }
    const fs::path soundfont = FindGeneralMidiSoundfont(options.soundfontFolder);
    if (soundfont.empty()) {
      qCInfo(lcMusic) << "no General MIDI soundfont; the music is silent";
      return false;
    }
    settings = new_fluid_settings();
    if (settings == nullptr) return false;
    fluid_settings_setnum(settings, "synth.gain", kGain);
    if (!options.audioDriver.empty()) {
      fluid_settings_setstr(settings, "audio.driver", options.audioDriver.c_str());
    }
    if (!options.audioFile.empty()) {
      fluid_settings_setstr(settings, "audio.file.name", options.audioFile.c_str());
    }
    synth = new_fluid_synth(settings);
    if (synth == nullptr) return false;
    // The driver first: without one there is nothing to load the soundfont for.
    driver = new_fluid_audio_driver(settings, synth);
    if (driver == nullptr) {
      qCInfo(lcMusic) << "no audio driver; the music is silent";
      return false;
    }
    if (fluid_synth_sfload(synth, soundfont.c_str(), 1) == FLUID_FAILED) {
      qCInfo(lcMusic) << "the soundfont did not load; the music is silent";
      return false;
    }
    return true;
  }

  // Plays `file` from its beginning.
  bool StartPlayerLocked() {
    if (player == nullptr) {
      player = new_fluid_player(synth);
      if (player == nullptr) return false;
      if (fluid_player_add(player, file.c_str()) != FLUID_OK) {
        retired.push_back(player);
        player = nullptr;
        return false;
      }
    }
    StopPlayerLocked();
    fluid_player_seek(player, 0);
    if (fluid_player_play(player) != FLUID_OK) return false;
    startedAt = std::chrono::steady_clock::now();
    return true;
  }

  void StopPlayerLocked() {
    if (player == nullptr) return;
    fluid_player_stop(player);
    fluid_synth_all_sounds_off(synth, -1);
  }

  bool PlayerPlayingLocked() const {
    if (player == nullptr) return false;
    if (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) return true;
    // A rewound player reports its old state until its first tick; give it that moment.
    return startedAt != std::chrono::steady_clock::time_point{} &&
           std::chrono::steady_clock::now() - startedAt < std::chrono::milliseconds(300);
  }
};

fs::path FindGeneralMidiSoundfont(const fs::path& folder) {
  std::error_code ec;
  for (const char* preferred : {"TimGM6mb.sf2", "default-GM.sf2"}) {
    const fs::path candidate = folder / preferred;
    if (fs::is_regular_file(candidate, ec)) return candidate;  // follows the symlink
  }
  std::vector<fs::path> others;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".sf2" && fs::is_regular_file(it->path(), ec)) {
      others.push_back(it->path());
    }
  }
  if (others.empty()) return {};
  return *std::min_element(others.begin(), others.end());
}

FluidSynthEngine::FluidSynthEngine(FluidSynthOptions options) : synth_(std::make_unique<Synth>()) {
  RouteFluidLog();
  synth_->setUp =
      std::thread([s = synth_.get(), options = std::move(options)] { s->SetUp(options); });
}

FluidSynthEngine::~FluidSynthEngine() = default;

bool FluidSynthEngine::IsSilent() const {
  std::lock_guard lock(synth_->mutex);
  return synth_->ready && synth_->silent;
}

void FluidSynthEngine::WaitUntilReady() {
  if (synth_->setUp.joinable()) synth_->setUp.join();
}

bool FluidSynthEngine::Open(const fs::path& file) {
  Close();
  if (fluid_is_midifile(file.c_str()) == 0) return false;
  file_ = file;
  return true;
}

bool FluidSynthEngine::Start() {
  if (file_.empty()) return false;
  Synth& s = *synth_;
  std::lock_guard lock(s.mutex);
  if (s.file != file_ && s.player != nullptr) {
    s.StopPlayerLocked();
    s.retired.push_back(s.player);
    s.player = nullptr;
  }
  s.file = file_;
  if (!s.ready) {
    s.startPending = true;
    return true;
  }
  if (s.silent) {
    s.silentPlaying = true;
    return true;
  }
  return s.StartPlayerLocked();
}

void FluidSynthEngine::Stop() {
  Synth& s = *synth_;
  std::lock_guard lock(s.mutex);
  s.silentPlaying = false;
  s.startPending = false;
  s.startedAt = {};
  s.StopPlayerLocked();
}

bool FluidSynthEngine::IsPlaying() const {
  const Synth& s = *synth_;
  std::lock_guard lock(s.mutex);
  if (!s.ready) return s.startPending;
  if (s.silent) return s.silentPlaying;
  return s.PlayerPlayingLocked();
}

void FluidSynthEngine::Close() {
  Stop();
  file_.clear();
}

}  // namespace zendral::audio
