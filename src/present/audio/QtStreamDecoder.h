#pragma once
// The stream decoder on Qt Multimedia: one QMediaPlayer at a time, with an audio output when
// the machine has a sound device. Part of the audio module; StreamPlayer drives it on its
// stream thread.

#include <memory>

#include "present/audio/AudioEngines.h"

class QAudioOutput;
class QMediaPlayer;

namespace zendral::audio {

class QtStreamDecoder final : public StreamDecoder {
 public:
  explicit QtStreamDecoder(StreamReports reports);
  ~QtStreamDecoder() override;

  void Play(const QUrl& address, int volumePercent) override;
  void Pause() override;
  void Resume() override;
  void SetVolume(int volumePercent) override;
  void Release() override;

 private:
  void Tell(const QMediaPlayer* player, StreamStatus status);

  StreamReports reports_;
  bool failed_ = false;
  std::unique_ptr<QAudioOutput> output_;
  std::unique_ptr<QMediaPlayer> player_;
};

}  // namespace zendral::audio
