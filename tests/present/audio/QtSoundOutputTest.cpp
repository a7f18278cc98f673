#include "present/audio/QtSoundOutput.h"

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QMediaDevices>

#include "QtTestApp.h"

namespace zendral::audio {
namespace {

TEST(QtSoundOutput, OneSoundAtATime) {
  test::EnsureQtApp();
  QtSoundOutput output(false);  // effects even without a device, which then play nothing
  output.Start("WKoGutX");
  EXPECT_EQ(output.PlayingNames(), std::vector<std::string>{"WKoGutX"});
  output.Start("WHodsDo");  // replaces the fanfare
  EXPECT_EQ(output.PlayingNames(), std::vector<std::string>{"WHodsDo"});
  output.Start("WHodsDo");  // a repeat starts afresh, still one sound
  EXPECT_EQ(output.PlayingNames(), std::vector<std::string>{"WHodsDo"});
  output.Start("WNoSuch");  // not a sound of the program: the one playing goes on
  EXPECT_EQ(output.PlayingNames(), std::vector<std::string>{"WHodsDo"});
  output.StopAll();
  EXPECT_TRUE(output.PlayingNames().empty());
}

TEST(QtSoundOutput, WithoutADeviceStaysSilent) {
  test::EnsureQtApp();
  if (!QMediaDevices::defaultAudioOutput().isNull()) GTEST_SKIP() << "this machine has sound";
  QtSoundOutput output;
  output.Start("WHodsDo");
  EXPECT_TRUE(output.PlayingNames().empty());
}

}  // namespace
}  // namespace zendral::audio
