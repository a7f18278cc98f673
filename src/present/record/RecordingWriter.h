#pragma once
// Writes recordings on a thread of its own, in the order they were handed in, so that
// encoding a kon never holds the window. A recording may be handed in whole (Write), or frame
// by frame while the kon is played (Begin, Add, End): each frame is encoded as it comes, so
// only the frames not yet encoded are kept, and at the end little is left to do.

#include <QDateTime>
#include <QSize>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "present/record/KonFrames.h"
#include "present/record/RecordingFile.h"

namespace zendral {

class GifEncoder;

class RecordingWriter {
 public:
  // done is called on the writer's thread after each recording, with what became of it.
  using Done = std::function<void(const RecordingWrite&)>;
  explicit RecordingWriter(Done done = {});
  // Finishes every recording handed in, then stops the thread.
  ~RecordingWriter();
  RecordingWriter(const RecordingWriter&) = delete;
  RecordingWriter& operator=(const RecordingWriter&) = delete;

  // A recording handed in whole, for programFolder/GIFGame, named after `when`.
  void Write(KonRecording recording, std::filesystem::path programFolder, QDateTime when);

  // A recording handed in as it is made: Begin with the picture size, Add the frames whose
  // display times are final, End with the last frames and where it goes. Abort drops it.
  void Begin(QSize size);
  void Add(std::vector<RecordedFrame> frames);
  void End(std::vector<RecordedFrame> frames, std::filesystem::path programFolder, QDateTime when);
  void Abort();

  // Recordings ended or written and not yet in their files.
  int Pending() const;
  // Waits until every recording ended or written is in its file.
  void WaitUntilDone();

 private:
  enum class Step { kBegin, kAdd, kEnd, kAbort };
  struct Job {
    Step step = Step::kAdd;
    QSize size;
    std::vector<RecordedFrame> frames;
    std::filesystem::path folder;
    QDateTime when;
  };
  void Push(Job job);
  void Run();
  void Do(Job& job);

  Done done_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<Job> jobs_;
  int pending_ = 0;
  bool stopping_ = false;
  // The recording being encoded; used on the writer's thread only.
  std::unique_ptr<GifEncoder> encoder_;
  int encoded_ = 0;
  std::thread thread_;
};

}  // namespace zendral
