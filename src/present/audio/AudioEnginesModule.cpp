// The audio module's entry point: the engines on Qt Multimedia and FluidSynth.

#include <QtGlobal>

#include "present/audio/AudioEngines.h"
#include "present/audio/FluidSynthEngine.h"
#include "present/audio/QtSoundOutput.h"
#include "present/audio/QtStreamDecoder.h"

namespace zendral::audio {

namespace {

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
  static const zendral::audio::Engines engines;
  return version == zendral::audio::kAudioEnginesVersion ? &engines : nullptr;
}
