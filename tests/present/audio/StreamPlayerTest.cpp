#include "present/audio/StreamPlayer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include "LoopbackMusicServer.h"
#include "QtTestApp.h"
#include "support/TempFolder.h"

namespace zendral::audio {
namespace {

bool WaitFor(const std::function<bool()>& done, int ms = 15000) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

class StreamPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApp();
    mp3_ = test::MakeToneMp3(folder_.path());
    if (mp3_.isEmpty()) GTEST_SKIP() << "lame is needed to make the test's MP3";
    server_ = std::make_unique<test::LoopbackMusicThread>(mp3_);
  }
  TempFolder folder_;
  QByteArray mp3_;
  std::unique_ptr<test::LoopbackMusicThread> server_;
};

TEST_F(StreamPlayerTest, AnEndlessStationOnLoopbackReachesPlaying) {
  StreamPlayer player;
  std::vector<StreamStatus> seen;
  player.onStatus = [&](StreamStatus s) { seen.push_back(s); };
  QUrl station = server_->Base();
  station.setPath(QStringLiteral("/radio/test"));
  player.Play(station, 30);
  EXPECT_EQ(player.Status(), StreamStatus::kConnecting);
  ASSERT_TRUE(WaitFor([&] { return player.Status() == StreamStatus::kPlaying; }))
      << "status " << int(player.Status());
  EXPECT_EQ(seen.front(), StreamStatus::kConnecting);
  player.SetVolume(80);
  player.Stop();
  EXPECT_EQ(player.Status(), StreamStatus::kStopped);
  // A report of the stopped stream that was already under way changes nothing.
  WaitFor([] { return false; }, 300);
  EXPECT_EQ(player.Status(), StreamStatus::kStopped);
}

TEST_F(StreamPlayerTest, ADeadStationFailsWithoutHoldingTheCaller) {
  StreamPlayer player;
  QUrl dead = server_->Base();
  dead.setPath(QStringLiteral("/dead"));
  QElapsedTimer clock;
  clock.start();
  player.Play(dead, 30);
  // An address where nothing listens: the connection is refused.
  StreamPlayer nowhere;
  nowhere.Play(QUrl(QStringLiteral("http://127.0.0.1:1/radio/none")), 30);
  EXPECT_LT(clock.elapsed(), 1000);  // Play only asks the stream thread
  EXPECT_TRUE(WaitFor([&] { return player.Status() == StreamStatus::kFailed; }))
      << "status " << int(player.Status());
  EXPECT_TRUE(WaitFor([&] { return nowhere.Status() == StreamStatus::kFailed; }))
      << "status " << int(nowhere.Status());
}

// A station that takes the connection and never answers holds only the stream thread: the
// caller goes on, and a player let go at the end of the program does not wait for it.
TEST_F(StreamPlayerTest, AStationThatNeverAnswersHoldsNobody) {
  QElapsedTimer clock;
  clock.start();
  auto player = std::make_unique<StreamPlayer>();
  QUrl silent = server_->Base();
  silent.setPath(QStringLiteral("/silent"));
  player->Play(silent, 30);
  WaitFor([] { return false; }, 500);
  EXPECT_EQ(player->Status(), StreamStatus::kConnecting);
  player->Stop();  // queued behind the open, and still at once
  player->Play(silent, 40);
  EXPECT_EQ(player->Status(), StreamStatus::kConnecting);
  clock.restart();
  player.reset();
  EXPECT_LT(clock.elapsed(), 5000);
}

// Without a sound device the track is not played out in time (nothing drives its clock), so
// its end is the end-of-track rule's test (Playlist); here it plays, tells its length and
// pauses and goes on.
TEST_F(StreamPlayerTest, ATrackPlaysTellsItsLengthAndPauses) {
  StreamPlayer player;
  QUrl track = server_->Base();
  track.setPath(QStringLiteral("/musik/Band~Tone.mp3"));
  player.Play(track, 50);
  ASSERT_TRUE(WaitFor([&] { return player.Status() == StreamStatus::kPlaying; }));
  EXPECT_TRUE(WaitFor([&] { return player.LengthMs() > 0; }));
  EXPECT_NEAR(player.LengthMs(), 1000, 300);
  player.Pause();
  EXPECT_EQ(player.Status(), StreamStatus::kPaused);
  player.Resume();
  EXPECT_EQ(player.Status(), StreamStatus::kConnecting);
  EXPECT_TRUE(WaitFor([&] { return player.Status() == StreamStatus::kPlaying; }));
}

}  // namespace
}  // namespace zendral::audio
