#include "present/record/RecordingWriter.h"

#include <QDir>

#include "present/record/GifEncoder.h"

namespace zendral {

RecordingWriter::RecordingWriter(Done done) : done_(std::move(done)) {
  thread_ = std::thread([this] { Run(); });
}

RecordingWriter::~RecordingWriter() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void RecordingWriter::Push(Job job) {
  {
    std::lock_guard lock(mutex_);
    if (job.step == Step::kEnd) ++pending_;
    jobs_.push_back(std::move(job));
  }
  wake_.notify_all();
}

void RecordingWriter::Write(KonRecording recording, std::filesystem::path programFolder,
                            QDateTime when) {
  Begin(recording.size);
  End(std::move(recording.frames), std::move(programFolder), std::move(when));
}

void RecordingWriter::Begin(QSize size) {
  Job job;
  job.step = Step::kBegin;
  job.size = size;
  Push(std::move(job));
}

void RecordingWriter::Add(std::vector<RecordedFrame> frames) {
  if (frames.empty()) return;
  Job job;
  job.step = Step::kAdd;
  job.frames = std::move(frames);
  Push(std::move(job));
}

void RecordingWriter::End(std::vector<RecordedFrame> frames, std::filesystem::path programFolder,
                          QDateTime when) {
  Job job;
  job.step = Step::kEnd;
  job.frames = std::move(frames);
  job.folder = std::move(programFolder);
  job.when = std::move(when);
  Push(std::move(job));
}

void RecordingWriter::Abort() {
  Job job;
  job.step = Step::kAbort;
  Push(std::move(job));
}

int RecordingWriter::Pending() const {
  std::lock_guard lock(mutex_);
  return pending_;
}

void RecordingWriter::WaitUntilDone() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return pending_ == 0; });
}

void RecordingWriter::Run() {
  for (;;) {
    Job job;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
      // Recordings handed in before the end are still written.
      if (jobs_.empty()) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
    }
    Do(job);
  }
}

void RecordingWriter::Do(Job& job) {
  switch (job.step) {
    case Step::kBegin:
      encoder_ = std::make_unique<GifEncoder>(job.size);
      encoded_ = 0;
      return;
    case Step::kAbort:
      encoder_.reset();
      return;
    case Step::kAdd:
    case Step::kEnd:
      break;
  }
  for (const RecordedFrame& frame : job.frames) {
    if (!encoder_ || !encoder_->Add(frame)) break;
    ++encoded_;
  }
  job.frames.clear();
  if (job.step != Step::kEnd) return;

  const std::filesystem::path folder = job.folder / kRecordingFolder;
  RecordingWrite result;
  if (!encoder_ || encoded_ == 0) {
    result.path =
        QDir(QString::fromStdString(folder.string())).filePath(RecordingFileName(job.when));
    result.error = QStringLiteral("no frames");
  } else {
    const QByteArray bytes = encoder_->Finish();
    if (bytes.isEmpty()) {
      result.path =
          QDir(QString::fromStdString(folder.string())).filePath(RecordingFileName(job.when));
      result.error = encoder_->error();
    } else {
      result = StoreRecordingFile(bytes, folder, job.when);
    }
  }
  encoder_.reset();
  if (done_) done_(result);
  {
    std::lock_guard lock(mutex_);
    --pending_;
  }
  idle_.notify_all();
}

}  // namespace zendral
