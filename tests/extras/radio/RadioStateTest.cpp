#include "extras/radio/RadioState.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace zendral::radio {
namespace {

TEST(RadioState, FileRoundTripInCp1251WithCrLf) {
  TempFolder folder;
  RadioState state;
  state.stationName = "Радио Зендрал";
  state.address = "http://127.0.0.1:8044/radio/classic";
  state.countryName = "Russian Federation";
  state.logo = "RRADIO_LOGO_CLASSIC";
  state.playing = true;
  state.volume = 70;
  state.countryPosition = 12;
  const auto file = folder.path() / kRadioStateFile;
  ASSERT_TRUE(WriteRadioState(file, state));
  const std::string bytes = folder.Read(kRadioStateFile);
  EXPECT_EQ(bytes,
            "\xD0\xE0\xE4\xE8\xEE \xC7\xE5\xED\xE4\xF0\xE0\xEB\r\n"
            "http://127.0.0.1:8044/radio/classic\r\nRussian Federation\r\nRRADIO_LOGO_CLASSIC\r\n"
            "1\r\n70\r\n12\r\n");
  EXPECT_EQ(ReadRadioState(file, DefaultRadioState("http://x")), state);
}

TEST(RadioState, MissingOrDamagedFilesGiveTheFallback) {
  TempFolder folder;
  const RadioState fallback = DefaultRadioState("http://127.0.0.1:8044/");
  EXPECT_EQ(fallback.address, "http://127.0.0.1:8044/radio/zendral");
  EXPECT_FALSE(fallback.playing);
  EXPECT_EQ(fallback.volume, 30);
  EXPECT_EQ(fallback.countryName, "Russian Federation");

  EXPECT_EQ(ReadRadioState(folder.path() / "none.ini", fallback), fallback);
  const std::string damaged[] = {
      "",
      "a\r\nb\r\nc\r\nd\r\n1\r\n50\r\n",         // six lines
      "a\r\nb\r\nc\r\nd\r\n1\r\nloud\r\n0\r\n",  // no number
      "a\r\nb\r\nc\r\nd\r\n1\r\n50\r\n2x\r\n",
  };
  for (const std::string& bytes : damaged) {
    folder.Write("KovRadio.ini", bytes);
    EXPECT_EQ(ReadRadioState(folder.path() / "KovRadio.ini", fallback), fallback) << bytes;
  }
  std::filesystem::create_directory(folder.path() / "folder.ini");
  EXPECT_EQ(ReadRadioState(folder.path() / "folder.ini", fallback), fallback);
}

TEST(RadioState, NumbersOutOfRangeAreBroughtIn) {
  struct Case {
    std::string volume, position;
    int wantVolume, wantPosition;
  };
  const Case cases[] = {
      {"150", "99", 100, 27}, {"-5", "-1", 0, 0},     {"44", "3", 40, 3},
      {"45", "0", 50, 0},     {" 60 ", "27", 60, 27},
  };
  for (const Case& c : cases) {
    const auto state =
        ParseRadioState("n\r\na\r\nc\r\nl\r\n0\r\n" + c.volume + "\r\n" + c.position + "\n");
    ASSERT_TRUE(state) << c.volume;
    EXPECT_EQ(state->volume, c.wantVolume) << c.volume;
    EXPECT_EQ(state->countryPosition, c.wantPosition) << c.position;
  }
}

TEST(RadioState, VolumeStepsLimitsAndPictures) {
  EXPECT_EQ(RadioVolumeUp(100), 100);
  EXPECT_EQ(RadioVolumeUp(90), 100);
  EXPECT_EQ(RadioVolumeDown(0), 0);
  EXPECT_EQ(RadioVolumeDown(10), 0);
  EXPECT_EQ(RadioVolumeUp(30), 40);
  struct Case {
    int volume;
    const char* picture;
  };
  for (const Case c :
       {Case{0, "RRADIO_VOLUME00"}, Case{1, "RRADIO_VOLUME01"}, Case{10, "RRADIO_VOLUME01"},
        Case{11, "RRADIO_VOLUME02"}, Case{90, "RRADIO_VOLUME09"}, Case{91, "RRADIO_VOLUME10"},
        Case{100, "RRADIO_VOLUME10"}}) {
    EXPECT_EQ(RadioVolumePicture(c.volume), c.picture) << c.volume;
  }
}

}  // namespace
}  // namespace zendral::radio
