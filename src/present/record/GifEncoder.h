#pragma once
// The GIF89a writer of the recordings, on giflib: an animation that loops, one image per
// frame covering only the rectangle that changed, each with its own colour table and display
// time. Pixels of that rectangle that the frame marks as unchanged are left transparent, so
// the frame before shows through and the compressed rows stay short; the writer itself keeps
// no picture of the animation.

#include <QByteArray>
#include <QImage>
#include <QString>

#include "present/record/KonFrames.h"

struct GifFileType;

namespace zendral {

// GIF display times are in hundredths of a second, at most 655.35 s.
int GifDelayUnits(int delayMs);

class GifEncoder {
 public:
  // Starts the stream of an animation of the given size.
  explicit GifEncoder(QSize size);
  ~GifEncoder();
  GifEncoder(const GifEncoder&) = delete;
  GifEncoder& operator=(const GifEncoder&) = delete;

  // Appends a frame (the first must cover the whole picture). False when giflib failed.
  bool Add(const RecordedFrame& frame);
  // Ends the stream: the whole file, or empty with error() set.
  QByteArray Finish();
  const QString& error() const { return error_; }

 private:
  bool Fail(const char* what);

  GifFileType* gif_ = nullptr;
  QByteArray bytes_;
  QRect screen_;
  bool first_ = true;
  QString error_;
};

// The whole recording as a GIF file; empty with *error set when it cannot be encoded.
QByteArray EncodeGif(const KonRecording& recording, QString* error = nullptr);

}  // namespace zendral
