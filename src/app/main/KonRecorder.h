#pragma once
// The recording of each kon as an animated GIF in the main window: TimerGIF captures the
// window every 100 ms while a recording is open, the kon's life cycle opens and writes it
// (through the table's StartRecording, CaptureFrame and WriteRecording), and the writing runs
// on a thread of its own: each frame is encoded there as soon as its display time is known, so
// the window keeps no more than the last frame, and what is left at the end is written under
// the "Creating a GIF..." panel while play goes on.
//
// The game waits for a write in two places only: before the next recording starts (so a kon
// is never captured under the panel, and the files come out in the order of the kons) and
// when the program closes. A file that cannot be written is reported in the message window.

#include <QImage>
#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <vector>

#include "present/record/KonFrames.h"
#include "present/record/RecordingFile.h"

class QLabel;
class QTimer;
class QWidget;

namespace zendral {

class RecordingWriter;
struct GameState;
struct Settings;

// What the recorder asks of the program beside the window it captures.
class RecorderHost {
 public:
  virtual ~RecorderHost() = default;
  virtual GameState& State() = 0;           // GifSave: whether kons are recorded
  virtual Settings& CurrentSettings() = 0;  // GifDelay and GifSource
  virtual const std::filesystem::path& ProgramFolder() const = 0;  // where the files go
  virtual bool Busy() const = 0;  // a message must wait while the driver works
  virtual void ShowMessage(const QString& text, bool error) = 0;
};

// GifSource values.
inline constexpr int kCaptureClientArea = 1;
inline constexpr int kCaptureWindowOnScreen = 2;

class KonRecorder : public QObject {
 public:
  // Captures `window`, and shows its panel over it.
  KonRecorder(QWidget& window, RecorderHost& host);
  ~KonRecorder() override;

  // The kon's life cycle, as the kon driver asks for it.
  void StartRecording();  // at the deal
  void CaptureFrame();    // every tick of TimerGIF, and once more at the settlement
  void WriteRecording();  // at the settlement, and on leaving the table in the middle of a kon
  // Leaving the table: a recording still open was not asked to be written (a tournament kon
  // that ended without a settlement) and is dropped.
  void DropRecording();
  // Closing the program: every recording handed in is written before the window goes.
  void FinishWrites();

  bool RecordingOpen() const;
  int PendingWrites() const { return pending_; }
  const KonFrames& Frames() const { return frames_; }
  QTimer* TimerGIF() const { return timer_; }
  QLabel* Panel() const { return panel_; }  // null until the first recording is written

  // The picture a capture takes now, by GifSource.
  QImage Grab() const;
  // Whether this platform lets the program read the screen (GifSource 2); elsewhere the
  // client area is framed by a drawn frame.
  static bool ScreenReadable();

 private:
  // The picture a capture takes now, in a buffer kept from capture to capture.
  const QImage& Shot();
  void WaitForWrites();
  void Written(const RecordingWrite& result);
  void ReportFailures();
  void PlacePanel();

  QWidget& window_;
  RecorderHost& host_;
  QTimer* timer_;
  QLabel* panel_ = nullptr;  // made at the first recording
  KonFrames frames_;
  QImage shot_;
  bool streaming_ = false;  // the writer has this recording's start
  int pending_ = 0;
  std::vector<RecordingWrite> failures_;
  std::unique_ptr<RecordingWriter> writer_;
};

}  // namespace zendral
