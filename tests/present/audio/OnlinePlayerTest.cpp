#include "present/audio/OnlinePlayer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>

#include "LoopbackMusicServer.h"
#include "QtTestApp.h"
#include "support/TempFolder.h"

namespace zendral::audio {
namespace {

// Runs the event loop until the page has been answered (or for the time given).
void RunFor(int ms) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(OnlinePlayer, ThePageDecidesWhetherThereIsAPlayer) {
  test::EnsureQtApp();
  struct Case {
    QByteArray page;
    bool available;
  };
  const Case cases[] = {
      {"a~1.mp3\nb~2.mp3\nc~3.mp3\nd~4.mp3\n", false},
      {"a~1.mp3\nb~2.mp3\nc~3.mp3\nd~4.mp3\ne~5.mp3\n", true},
      {"", false},
  };
  for (const Case& c : cases) {
    test::LoopbackMusicThread server({}, c.page);
    OnlinePlayer player(server.Base(), [](int count) { return count - 1; });
    int changes = 0;
    player.onChange = [&] { ++changes; };
    player.LoadPlaylist();
    RunFor(500);
    EXPECT_EQ(player.Available(), c.available) << c.page.toStdString();
    if (!c.available) continue;
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(player.CurrentIndex(), 4);  // the random choice
    EXPECT_FALSE(player.Playing());
    EXPECT_EQ(player.Volume(), 50);
    EXPECT_EQ(player.AddressOf(*player.Current()).toString(),
              server.Base().toString() + "/musik/e~5.mp3");
  }
}

TEST(OnlinePlayer, AnUnreachableServerLeavesThePlayerOff) {
  test::EnsureQtApp();
  OnlinePlayer player(QUrl(QStringLiteral("http://127.0.0.1:1")), [](int) { return 0; });
  player.LoadPlaylist();
  RunFor(500);
  EXPECT_FALSE(player.Available());
  player.PlayPause();  // nothing to play: nothing happens
  player.Next();
  EXPECT_FALSE(player.Playing());
  EXPECT_EQ(player.Stream().Status(), StreamStatus::kStopped);
}

TEST(OnlinePlayer, NextTakesANewRandomTrackAndPlaysIt) {
  test::EnsureQtApp();
  int next = 0;
  OnlinePlayer player(QUrl(QStringLiteral("http://127.0.0.1:1")), [&](int) { return next; });
  ASSERT_TRUE(player.TakePlaylist("A~1.mp3\nB~2.mp3\nC~3.mp3\nD~4.mp3\nE_F~5.mp3\n"));
  next = 4;
  player.VolumeClick(40);
  player.Next();
  EXPECT_TRUE(player.Playing());
  EXPECT_EQ(player.Current()->artist, "E F");
  EXPECT_EQ(player.Stream().Address().path(), "/musik/E_F~5.mp3");
  EXPECT_EQ(player.Volume(), 55);
  player.PlayPause();
  EXPECT_FALSE(player.Playing());
}

}  // namespace
}  // namespace zendral::audio
