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
Q_LOGGING_CATEGORY(lcPulse, "zendral.audio.pulse", QtWarningMsg)

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

// Qt Multimedia's sound server backend says on the terminal when the server it was told of is
// not there ("PulseAudioService: pa_context_connect() failed"); the program plays on in silence
// and the sound options say so, so that goes to a category of its own as well
// (QT_LOGGING_RULES="zendral.audio.pulse.info=true"). Every other message goes on as before.
QtMessageHandler previousHandler = nullptr;

void RouteSoundServerComplaint(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
  if (message.startsWith(QLatin1String("PulseAudioService: "))) {
    if (lcPulse().isInfoEnabled()) qCInfo(lcPulse, "%s", qUtf8Printable(message));
    return;
  }
  if (previousHandler != nullptr) {
    previousHandler(type, context, message);
  } else {
    qt_message_output(type, context, message);
  }
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
    zendral::audio::previousHandler =
        qInstallMessageHandler(&zendral::audio::RouteSoundServerComplaint);
    return true;
  }();
  (void)routed;
  static const zendral::audio::Engines engines;
  return version == zendral::audio::kAudioEnginesVersion ? &engines : nullptr;
}
