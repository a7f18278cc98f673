// The recording of kons in the main window: with "GIF" on, each kon played at the table comes
// out in "GIFGame" as an animation from the deal to the payout, drawn over the plain
// background; leaving or closing in the middle of a kon writes what was recorded; a folder
// that cannot be written is reported; the panel shows while the file is written.

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QTimer>

#include "AppFixture.h"
#include "RecordTestSupport.h"
#include "app/main/CoachOverlay.h"
#include "app/main/KonRecorder.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/TableCoach.h"
#include "app/main/TablePopup.h"
#include "present/record/GifBackground.h"
#include "present/record/WindowFrame.h"

namespace zendral {
namespace {

using testing::AppTest;

class Recording : public AppTest {
 protected:
  // The window with "GIF" ticked, as Options leaves it.
  void OpenRecording(int source = 1, int delay = 1000) {
    ASSERT_TRUE(Open());
    Settings& settings = form->CurrentSettings();
    settings.GifSave = true;
    settings.GifSource = source;
    settings.GifDelay = delay;
    // A waited sound holds the game while the capture timer goes on ticking.
    quickSound->onWait = [this] { GifTick(); };
  }
  KonRecorder& Recorder() { return *form->Recorder(); }
  // One tick of TimerGIF, as the event loop would deliver it.
  void GifTick() {
    QTimer* timer = Recorder().TimerGIF();
    if (!timer->isActive()) return;
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
  }
  void SitDownAsNewPlayer() {
    responders.push_back(Sign("Recorder", ""));
    QTest::mouseClick(form->Menu()->NewPlayerButton(), Qt::LeftButton);
    ASSERT_TRUE(State().GameActive);
  }
  void WaitForWrites() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return Recorder().PendingWrites() == 0; }, 20000));
    QCoreApplication::processEvents();
  }
  std::vector<std::string> Files() {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder.path() / "GIFGame", ec)) return {};
    return folder.Names("GIFGame");
  }
  testing::PlayedGif Played(const std::string& name) {
    QFile file(QString::fromStdString((folder.path() / "GIFGame" / name).string()));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return testing::PlayGif(file.readAll());
  }
};

TEST_F(Recording, AKonComesOutFromTheDealToThePayout) {
  OpenRecording();
  SitDownAsNewPlayer();
  EXPECT_TRUE(Recorder().TimerGIF()->isActive());
  EXPECT_EQ(Recorder().TimerGIF()->interval(), 100);
  EXPECT_EQ(Recorder().Frames().count(), 1) << "the dealt table is the first frame";
  // A table where nothing moves adds nothing.
  for (int k = 0; k < 50; ++k) GifTick();
  EXPECT_EQ(Recorder().Frames().count(), 1);

  PlayKonByClicks();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_FALSE(Recorder().TimerGIF()->isActive());
  QLabel* panel = Recorder().Panel();
  EXPECT_TRUE(panel->isVisible()) << "the panel shows while the file is written";
  EXPECT_EQ(panel->text(), "Creating a GIF...");
  EXPECT_EQ(panel->geometry(),
            QRect((form->width() - 175) / 2, (form->height() - 40) / 2, 175, 40));
  if (const char* dir = std::getenv("ZENDRAL_GIF_SHOTS")) {
    form->grab().save(QString(dir) + "/creating-a-gif.png");
  }
  WaitForWrites();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_FALSE(panel->isVisible());

  const std::vector<std::string> files = Files();
  ASSERT_EQ(files.size(), 1u);
  EXPECT_EQ(files[0].size(), std::string("2026.12.09-18.05.32.gif").size()) << files[0];
  const testing::PlayedGif gif = Played(files[0]);
  ASSERT_TRUE(gif.ok) << gif.error.toStdString();
  EXPECT_EQ(gif.version, "GIF89a");
  EXPECT_EQ(gif.screen, form->size());
  ASSERT_GT(gif.frames.size(), 20u) << "a frame for every move at least";
  for (std::size_t k = 0; k < gif.frames.size(); ++k) {
    EXPECT_EQ(gif.frames[k].delayUnits, k + 1 == gif.frames.size() ? 500 : 100) << k;
    if (k > 0) {
      EXPECT_NE(gif.frames[k].picture, gif.frames[k - 1].picture) << k;
    }
  }
  // The table stands on the plain background, and the last frame is the settled table.
  EXPECT_EQ(gif.frames[0].picture.pixel(2, form->height() / 2), GifBackgroundPicture().pixel(0, 0));
  // The court cards' shading has more colours than a GIF frame: nearly every pixel is exact,
  // the rest close.
  // The kon's summary line and its review button come once the review is computed, after the
  // settlement has closed the recording: the table as recorded stands without them.
  form->CoachPart().Overlay()->ShowSummary({});
  form->CoachPart().ReviewButton()->hide();
  const QImage settled = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage& last = gif.frames.back().picture;
  ASSERT_EQ(last.size(), settled.size());
  long exact = 0;
  double error = 0;
  for (int y = 0; y < last.height(); ++y) {
    for (int x = 0; x < last.width(); ++x) {
      const QRgb a = last.pixel(x, y), b = settled.pixel(x, y);
      exact += a == b ? 1 : 0;
      error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    }
  }
  const double pixels = static_cast<double>(last.width()) * last.height();
  EXPECT_GT(exact / pixels, 0.8);
  if (const char* dir = std::getenv("ZENDRAL_GIF_SHOTS")) {
    last.copy(380, 140, 200, 200).scaled(600, 600).save(QString(dir) + "/gif-last-zoom.png");
    settled.copy(380, 140, 200, 200).scaled(600, 600).save(QString(dir) + "/settled-zoom.png");
  }
  EXPECT_LT(error / pixels / 3, 1.0) << "mean error per channel";

  // The next kon starts a new recording; leaving to the menu after it writes the menu back.
  ClickMainButton();
  EXPECT_TRUE(Recorder().TimerGIF()->isActive());
}

TEST_F(Recording, EachCaptureIsTheWindowAsItShowsNow) {
  OpenRecording();
  SitDownAsNewPlayer();
  const auto window = [this] {
    return form->grab().toImage().convertToFormat(QImage::Format_RGB32);
  };
  EXPECT_EQ(Recorder().Frames().previous(), window()) << "the dealt table";
  ClickMainButton();  // the ante
  GifTick();
  EXPECT_EQ(Recorder().Frames().previous(), window()) << "after the ante";
  EXPECT_GE(Recorder().Frames().count(), 2);
}

TEST_F(Recording, LeavingOrClosingInTheMiddleOfAKonWritesWhatWasRecorded) {
  OpenRecording();
  SitDownAsNewPlayer();
  ClickMainButton();  // the ante
  GifTick();
  const std::size_t recorded = static_cast<std::size_t>(Recorder().Frames().count());
  EXPECT_GE(recorded, 2u);
  responders.push_back(Reply(QMessageBox::Yes));
  form->PopupPart().Action("Quit")->trigger();
  ASSERT_TRUE(form->MenuShown());
  WaitForWrites();
  ASSERT_EQ(Files().size(), 1u);
  EXPECT_EQ(Played(Files()[0]).frames.size(), recorded);
  EXPECT_EQ(Played(Files()[0]).frames.back().delayUnits, 500);

  // Closing the program: the file is complete when the window has gone.
  SitDownAsNewPlayer();
  responders.push_back(Reply(QMessageBox::Yes));
  EXPECT_TRUE(form->close());
  EXPECT_EQ(Recorder().PendingWrites(), 0);
  const std::vector<std::string> files = Files();
  ASSERT_EQ(files.size(), 2u) << "a second recording in the same second gets its own name";
  for (const std::string& name : files) EXPECT_TRUE(Played(name).ok) << name;
}

TEST_F(Recording, AKonEndedWithoutASettlementIsNotWritten) {
  OpenRecording();
  SitDownAsNewPlayer();
  ClickMainButton();
  GifTick();
  // As at a tournament table whose peer has left: the kon is over, nobody settles it.
  form->State().TurnState = ksKonSettled;
  responders.push_back(Reply(QMessageBox::Yes));
  form->PopupPart().Action("Quit")->trigger();
  ASSERT_TRUE(form->MenuShown());
  EXPECT_FALSE(Recorder().TimerGIF()->isActive());
  EXPECT_EQ(Recorder().Frames().count(), 0) << "its frames are dropped";
  WaitForWrites();
  EXPECT_TRUE(Files().empty());
}

TEST_F(Recording, AFolderThatCannotBeWrittenIsReported) {
  folder.Write("GIFGame", "a file in the way");
  OpenRecording();
  SitDownAsNewPlayer();
  PlayKonByClicks();
  ASSERT_FALSE(HasFatalFailure());
  WaitForWrites();
  ASSERT_FALSE(messages.empty());
  EXPECT_TRUE(messages.back().startsWith("Error of disk writing!"))
      << messages.back().toStdString();
  EXPECT_TRUE(messages.back().contains("GIFGame/")) << messages.back().toStdString();
  // Play goes on.
  ClickMainButton();
  EXPECT_EQ(State().KonPhase, kpDealt);
}

TEST_F(Recording, WithoutGifNothingIsRecordedAndTheFeltIsTheChosenOne) {
  ASSERT_TRUE(Open());
  SitDownAsNewPlayer();
  EXPECT_FALSE(Recorder().TimerGIF()->isActive());
  PlayKonByClicks();
  ASSERT_FALSE(HasFatalFailure());
  EXPECT_TRUE(Files().empty());
  EXPECT_NE(Table().BackBuffer().pixel(2, Table().height() / 2),
            GifBackgroundPicture().pixel(0, 0));
}

TEST_F(Recording, TheWindowOnScreenComesWithItsFrame) {
  OpenRecording(kCaptureWindowOnScreen, 300);
  // On a real screen the window must be there before the screen shows it.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  SitDownAsNewPlayer();
  QTest::qWait(50);
  const QImage picture = Recorder().Grab().convertToFormat(QImage::Format_RGB32);
  const QImage client = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
  // The client area stands inside the frame as the window shows it.
  const QRect frame = form->frameGeometry();
  QPoint inside = form->geometry().topLeft() - frame.topLeft();
  if (KonRecorder::ScreenReadable()) {
    EXPECT_EQ(picture.size(), frame.size());
  } else if (inside.isNull()) {
    // No frame is known here: the program draws one.
    inside = QPoint(kDrawnFrame.left(), kDrawnFrame.top());
    EXPECT_EQ(picture.size(), form->size().grownBy(kDrawnFrame));
  }
  EXPECT_EQ(picture.copy(QRect(inside, client.size())), client);
  if (const char* dir = std::getenv("ZENDRAL_GIF_SHOTS")) {
    picture.save(QString(dir) + "/window-on-screen.png");
  }
  ClickMainButton();
  responders.push_back(Reply(QMessageBox::Yes));
  form->PopupPart().Action("Quit")->trigger();
  WaitForWrites();
  ASSERT_EQ(Files().size(), 1u);
  const testing::PlayedGif gif = Played(Files()[0]);
  ASSERT_TRUE(gif.ok);
  EXPECT_EQ(gif.screen, picture.size());
  EXPECT_EQ(gif.frames.front().delayUnits, 30);
}

}  // namespace
}  // namespace zendral
