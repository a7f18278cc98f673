#pragma once
// One stream at a time from an address (an MP3 track of the online playlist, an internet radio
// station), played by the audio module's decoder on a thread of its own: a stream that is slow
// to answer, or never answers, holds that thread and never the program. Every call returns at
// once; the player reports what became of the stream through onStatus on the thread that made
// it. The thread and the module are opened at the first Play; without the module every stream
// fails.

#include <QObject>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>

#include "present/audio/AudioEngines.h"

namespace zendral::audio {

// Qt Multimedia's FFmpeg backend plays MP3 over HTTP with the libraries the program already
// has; the GStreamer one would need plug-ins that a plain system lacks. The backend is chosen
// once, at its first use, so this is called before any sound is made (a choice made in the
// environment is kept).
void ChooseMediaBackend();

class StreamPlayer {
 public:
  StreamPlayer();
  ~StreamPlayer();
  StreamPlayer(const StreamPlayer&) = delete;
  StreamPlayer& operator=(const StreamPlayer&) = delete;

  // Stops what plays and starts the stream at the volume (per cent).
  void Play(const QUrl& address, int volumePercent);
  void Stop();
  // Holds a playing stream where it is, and goes on from there.
  void Pause();
  void Resume();
  void SetVolume(int volumePercent);

  // The last status reported, and the address it belongs to.
  StreamStatus Status() const { return status_; }
  const QUrl& Address() const { return address_; }
  // The playing position and the stream's length in milliseconds (0 when not known).
  qint64 PositionMs() const;
  qint64 LengthMs() const;

  // Called on the making thread whenever the status changes.
  std::function<void(StreamStatus)> onStatus;

 private:
  class Worker;   // lives on the stream thread
  struct Shared;  // what the stream thread tells, kept as long as either side needs it
  void Take(unsigned generation, StreamStatus status);
  // Starts the stream thread at the first use.
  void StartThread();
  template <typename Call>
  void Post(Call call);

  std::shared_ptr<Shared> shared_;
  QThread* thread_ = nullptr;  // let go at the end if a stream that does not answer holds it
  Worker* worker_ = nullptr;
  QObject context_;          // receives the reports on the making thread
  unsigned generation_ = 0;  // each Play and Stop starts a new one; older reports are dropped
  StreamStatus status_ = StreamStatus::kStopped;
  QUrl address_;
};

}  // namespace zendral::audio
