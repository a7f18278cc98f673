// The audio module's entry point: the engines on Qt Multimedia and FluidSynth.

#include <alsa/asoundlib.h>

#include <QLoggingCategory>
#include <QtGlobal>
#include <cstdarg>
#include <cstdio>

#include "present/audio/AudioEngines.h"
#include "present/audio/FluidSynthEngine.h"
#include "present/audio/QtSoundOutput.h"
#include "present/audio/QtStreamDecoder.h"

namespace zendral::audio {

namespace {

Q_LOGGING_CATEGORY(lcAlsa, "zendral.audio.alsa", QtWarningMsg)

// The sound library writes its complaints straight to the terminal: on a machine whose sound
// server or card is missing, a dozen lines at the first sound. They go to a logging category
// instead, shown only when asked for (QT_LOGGING_RULES="zendral.audio.alsa.info=true").
void RouteAlsaComplaint(const char* file, int line, const char* function, int error,
                        const char* format, ...) {
  if (!lcAlsa().isInfoEnabled()) return;
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  qCInfo(lcAlsa, "%s:%d (%s) %s (error %d)", file, line, function, text, error);
}

class Engines final : public AudioEngines {
 public:
  std::unique_ptr<EventSoundOutput> MakeSoundOutput() const override {
    return std::make_unique<QtSoundOutput>();
  }
  std::unique_ptr<SongEngine> MakeSongEngine(bool noDevice) const override {
    FluidSynthOptions options;
    options.noDevice = noDevice;
    return std::make_unique<FluidSynthEngine>(options);
  }
  std::unique_ptr<StreamDecoder> MakeStreamDecoder(StreamReports reports) const override {
    return std::make_unique<QtStreamDecoder>(std::move(reports));
  }
};

}  // namespace

}  // namespace zendral::audio

extern "C" Q_DECL_EXPORT const zendral::audio::AudioEngines* ZendralAudioEngines(int version) {
  static const bool routed = [] {
    snd_lib_error_set_handler(&zendral::audio::RouteAlsaComplaint);
    return true;
  }();
  (void)routed;
  static const zendral::audio::Engines engines;
  return version == zendral::audio::kAudioEnginesVersion ? &engines : nullptr;
}
