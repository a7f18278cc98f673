#include "app/main/KonRecorder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "app/main/AppText.h"
#include "game/GameState.h"
#include "present/record/RecordingWriter.h"
#include "present/record/WindowFrame.h"
#include "present/words/WordRows.h"
#include "store/Settings.h"

namespace zendral {

using appmain::Text;

namespace {

constexpr int kPanelWidth = 175;
constexpr int kPanelHeight = 40;

}  // namespace

KonRecorder::KonRecorder(QWidget& window, RecorderHost& host) : window_(window), host_(host) {
  timer_ = new QTimer(this);
  timer_->setObjectName("TimerGIF");
  timer_->setInterval(kCaptureIntervalMs);
  connect(timer_, &QTimer::timeout, this, [this] { CaptureFrame(); });

  writer_ = std::make_unique<RecordingWriter>([this](const RecordingWrite& result) {
    // Told on the writer's thread; the window hears it on its own.
    QMetaObject::invokeMethod(
        this, [this, result] { Written(result); }, Qt::QueuedConnection);
  });
}

KonRecorder::~KonRecorder() {
  // Whatever was handed in is still written; what the window would have been told is lost
  // with the window.
  writer_.reset();
}

bool KonRecorder::RecordingOpen() const {
  return timer_->isActive();
}

void KonRecorder::StartRecording() {
  // The kon before is written first: its panel must not stand in this kon's pictures.
  WaitForWrites();
  DropRecording();
  timer_->start();
  CaptureFrame();
}

void KonRecorder::CaptureFrame() {
  if (!host_.State().GifSave || !RecordingOpen()) return;
  if (frames_.count() >= kMaxRecordedFrames) return;
  if (!frames_.Capture(Shot(), host_.CurrentSettings().GifDelay)) return;
  if (!streaming_) {
    writer_->Begin(frames_.size());
    streaming_ = true;
  }
  writer_->Add(frames_.TakeSettled());
}

void KonRecorder::WriteRecording() {
  if (!RecordingOpen()) return;
  timer_->stop();
  KonRecording recording = frames_.Take();
  if (!streaming_) return;
  streaming_ = false;
  ++pending_;
  PlacePanel();
  writer_->End(std::move(recording.frames), host_.ProgramFolder(), QDateTime::currentDateTime());
}

void KonRecorder::DropRecording() {
  timer_->stop();
  frames_.Start();
  if (streaming_) writer_->Abort();
  streaming_ = false;
}

void KonRecorder::FinishWrites() {
  DropRecording();
  if (pending_ == 0) return;
  writer_->WaitUntilDone();
  // The answers of the writer are on their way to this thread; take them now.
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
  ReportFailures();
}

void KonRecorder::WaitForWrites() {
  // The window keeps painting; input waits until the writes are done.
  while (pending_ > 0) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::WaitForMoreEvents);
  }
}

void KonRecorder::Written(const RecordingWrite& result) {
  if (pending_ > 0) --pending_;
  if (pending_ == 0 && panel_ != nullptr) panel_->hide();
  if (!result.ok) {
    failures_.push_back(result);
    // A message box would stop the game in the middle of a move: it waits for a quiet moment.
    QTimer::singleShot(0, this, [this] { ReportFailures(); });
  }
}

void KonRecorder::ReportFailures() {
  if (failures_.empty()) return;
  if (host_.Busy()) {
    QTimer::singleShot(250, this, [this] { ReportFailures(); });
    return;
  }
  const std::vector<RecordingWrite> failures = std::move(failures_);
  failures_.clear();
  for (const RecordingWrite& failure : failures) {
    host_.ShowMessage(Text(kWordDiskWriteError) + "\n\"" + failure.path + "\"\n" + failure.error,
                      true);
  }
}

void KonRecorder::PlacePanel() {
  // Made at the first recording: its style sheet would bring the style sheet engine to every
  // start.
  if (panel_ == nullptr) {
    panel_ = new QLabel(&window_);
    panel_->setObjectName("PanelGIF");
    panel_->setAlignment(Qt::AlignCenter);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel_->setLineWidth(2);
    panel_->setAutoFillBackground(true);
    panel_->setStyleSheet(
        QStringLiteral("QLabel#PanelGIF { background: rgb(255, 250, 232); color: rgb(0, 0, 128);"
                       " border: 2px solid rgb(120, 80, 30); font-family: \"Comic Sans MS\";"
                       " font-weight: bold; font-size: 15px; }"));
  }
  panel_->setText(Text(kWordCreatingGif));
  panel_->setGeometry((window_.width() - kPanelWidth) / 2, (window_.height() - kPanelHeight) / 2,
                      kPanelWidth, kPanelHeight);
  panel_->show();
  panel_->raise();
}

bool KonRecorder::ScreenReadable() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform == QLatin1String("windows") ||
         platform == QLatin1String("cocoa");
}

const QImage& KonRecorder::Shot() {
  if (host_.CurrentSettings().GifSource == kCaptureWindowOnScreen) {
    shot_ = Grab();
    return shot_;
  }
  // The client area as grab() gives it, drawn into the picture of the capture before: ten
  // captures a second then take no new memory.
  const qreal dpr = window_.devicePixelRatio();
  const QSize device = (QSizeF(window_.size()) * dpr).toSize();
  if (shot_.size() != device || shot_.format() != QImage::Format_RGB32) {
    shot_ = QImage(device, QImage::Format_RGB32);
  }
  shot_.setDevicePixelRatio(dpr);
  shot_.fill(Qt::black);
  window_.render(&shot_, QPoint(), QRegion(),
                 QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
  return shot_;
}

QImage KonRecorder::Grab() const {
  if (host_.CurrentSettings().GifSource != kCaptureWindowOnScreen) {
    return window_.grab().toImage();
  }
  const QRect frame = window_.frameGeometry();
  if (QScreen* screen = window_.screen(); screen != nullptr && ScreenReadable()) {
    // The screen shows the table as it is now before it is read.
    window_.repaint();
    const QRect desk = screen->geometry();
    const QPixmap shot = screen->grabWindow(0, frame.x() - desk.x(), frame.y() - desk.y(),
                                            frame.width(), frame.height());
    if (!shot.isNull()) return shot.toImage();
  }
  const QRect client = window_.geometry();
  QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                   frame.right() - client.right(), frame.bottom() - client.bottom());
  if (margins.isNull()) margins = kDrawnFrame;
  return FramedPicture(window_.grab().toImage(), margins, window_.windowTitle());
}

}  // namespace zendral
