#include "present/audio/WavInfo.h"

#include <gtest/gtest.h>

#include "AudioTestData.h"

namespace zendral::audio {
namespace {

using test::Bytes;
using test::MakeWav;

struct GoodWav {
  const char* label;
  int channels, rate, bits;
  std::uint32_t frames;
  std::int64_t micros;
};

class WavInfoGood : public testing::TestWithParam<GoodWav> {};

TEST_P(WavInfoGood, ReadsFormatAndLength) {
  const GoodWav& c = GetParam();
  const Bytes wav = MakeWav(c.channels, c.rate, c.bits, c.frames);
  std::string error;
  const auto info = ReadWavInfo(wav, &error);
  ASSERT_TRUE(info) << error;
  EXPECT_EQ(info->channels, c.channels);
  EXPECT_EQ(info->sampleRate, c.rate);
  EXPECT_EQ(info->bitsPerSample, c.bits);
  EXPECT_EQ(info->dataOffset, 44u);
  EXPECT_EQ(info->FrameCount(), c.frames);
  EXPECT_EQ(info->Length().count(), c.micros);
}

INSTANTIATE_TEST_SUITE_P(Formats, WavInfoGood,
                         testing::Values(GoodWav{"mono44k", 1, 44100, 16, 22050, 500'000},
                                         GoodWav{"mono22k", 1, 22050, 16, 22050, 1'000'000},
                                         GoodWav{"stereo", 2, 44100, 16, 4410, 100'000},
                                         GoodWav{"eightBit", 1, 8000, 8, 1, 125},
                                         GoodWav{"rounded", 1, 44100, 16, 1, 23},
                                         GoodWav{"empty", 1, 44100, 16, 0, 0}),
                         [](const auto& tested) { return tested.param.label; });

TEST(WavInfo, SkipsOtherChunksWithTheirPadding) {
  Bytes wav = MakeWav(1, 22050, 16, 100);
  // An odd-sized LIST chunk (padded to even) between "fmt " and "data".
  Bytes list;
  test::PutText(list, "LIST");
  test::Put(list, 3, 4);
  test::PutBytes(list, {'a', 'b', 'c', 0});
  wav.insert(wav.begin() + 36, list.begin(), list.end());
  const auto info = ReadWavInfo(wav);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->dataOffset, 44u + list.size());
  EXPECT_EQ(info->FrameCount(), 100u);
}

TEST(WavInfo, RefusesDamagedHeaders) {
  const Bytes good = MakeWav(1, 44100, 16, 10);
  struct Case {
    const char* label;
    std::size_t at;
    std::uint32_t value;
    int width;
  };
  const Case cases[] = {
      {"not RIFF", 0, 'X', 1},
      {"not WAVE", 8, 'X', 1},
      {"fmt too short", 16, 12, 4},
      {"compressed", 20, 2, 2},
      {"no channels", 22, 0, 2},
      {"zero rate", 24, 0, 4},
      {"odd sample size", 34, 12, 2},
      {"block size disagrees", 32, 4, 2},
      {"data longer than the file", 40, 21, 4},
      {"fmt chunk runs past the end", 16, 0x7FFFFFF0, 4},
  };
  for (const Case& c : cases) {
    Bytes wav = good;
    for (int i = 0; i < c.width; ++i) {
      wav[c.at + i] = static_cast<std::byte>((c.value >> (8 * i)) & 0xFFU);
    }
    std::string error;
    EXPECT_FALSE(ReadWavInfo(wav, &error)) << c.label;
    EXPECT_FALSE(error.empty()) << c.label;
  }
}

TEST(WavInfo, SurvivesEveryTruncationAndByteFlip) {
  const Bytes good = MakeWav(1, 44100, 16, 8);
  for (std::size_t n = 0; n < 44; ++n) {
    EXPECT_FALSE(ReadWavInfo(Bytes(good.begin(), good.begin() + n))) << "first " << n << " bytes";
  }
  // Whatever a single damaged header byte does, the reader answers without running past the
  // data and, when it accepts, only what the data can hold.
  for (std::size_t at = 0; at < 44; ++at) {
    for (int v : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      Bytes wav = good;
      wav[at] = static_cast<std::byte>(v);
      if (const auto info = ReadWavInfo(wav)) {
        EXPECT_LE(info->dataOffset + info->dataBytes, wav.size()) << at << " " << v;
      }
    }
  }
}

TEST(WavInfo, RefusesDataBeforeFormat) {
  Bytes wav;
  test::PutText(wav, "RIFF");
  test::Put(wav, 20, 4);
  test::PutText(wav, "WAVEdata");
  test::Put(wav, 0, 4);
  std::string error;
  EXPECT_FALSE(ReadWavInfo(wav, &error));
  EXPECT_EQ(error, "data before format");
}

}  // namespace
}  // namespace zendral::audio
