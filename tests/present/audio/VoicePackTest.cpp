#include "VoicePack.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cmath>
#include <set>

#include "QtTestApp.h"
#include "present/audio/CardVoice.h"
#include "present/audio/VoiceNames.h"
#include "present/audio/WavInfo.h"
#include "present/words/Words.h"
#include "support/TempFolder.h"

namespace zendral::packs {
namespace {

TEST(VoicePack, EveryLanguageHasAVoiceOfItsOwn) {
  std::set<std::string_view> voices;
  for (int language = 0; language < kLanguageCount; ++language) {
    voices.insert(EspeakVoice(language));
  }
  EXPECT_EQ(voices.size(), 10u);
  EXPECT_EQ(EspeakVoice(kJapanese), "ja");
  EXPECT_EQ(EspeakVoice(kKorean), "ko");
  EXPECT_EQ(EspeakVoice(10), "");
}

TEST(VoicePack, TrimKeepsTheSoundWithItsMarginsAndScalesItsPeak) {
  Speech raw;
  raw.sampleRate = 10000;
  raw.samples.assign(5000, 0);      // half a second of silence
  for (int i = 0; i < 2000; ++i) {  // a fifth of a second of sound
    raw.samples.push_back(static_cast<std::int16_t>(i % 2 == 0 ? 8000 : -4000));
  }
  raw.samples.insert(raw.samples.end(), 3000, 100);  // hiss below the threshold
  const Speech trimmed = TrimAndNormalise(raw);
  EXPECT_EQ(trimmed.sampleRate, 10000);
  EXPECT_EQ(trimmed.samples.size(), 2000u + 2 * 300u);  // 30 ms either side
  int peak = 0;
  for (std::int16_t s : trimmed.samples) peak = std::max(peak, std::abs(int(s)));
  EXPECT_NEAR(peak, 0.9 * 32767, 1);

  raw.samples.assign(10000, 200);
  EXPECT_TRUE(TrimAndNormalise(raw).samples.empty());

  // Written and read back unchanged.
  const auto again = ReadSpeechWav(WriteSpeechWav(trimmed));
  ASSERT_TRUE(again);
  EXPECT_EQ(again->samples, trimmed.samples);
  EXPECT_FALSE(ReadSpeechWav({'R', 'I', 'F', 'F'}));
}

// The whole pack, spoken by espeak-ng: each of the 360 voices is a valid WAV of a plausible
// length for a card's name that holds speech, not silence.
TEST(VoicePack, EveryVoiceOfTheBuiltPackIsSpeech) {
  audio::test::EnsureQtApp();
  TempFolder folder;
  const QString out = QString::fromStdString(folder.path().string());
  ASSERT_TRUE(BuildVoicePack(out, QStringLiteral(ZENDRAL_RCC)));
  EXPECT_TRUE(QDir(out).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty())
      << "the work folder is left behind";

  double shortest = 1e9, longest = 0;
  for (int language = 0; language < kLanguageCount; ++language) {
    for (int k = 1; k <= kDeckSize; ++k) {
      const std::string name = audio::VoiceResourceName(CardFromNumber(k), language);
      SCOPED_TRACE(name);
      const std::vector<std::byte> wav = audio::LoadVoiceResource(folder.path(), name);
      const auto info = audio::ReadWavInfo(wav);
      ASSERT_TRUE(info);
      EXPECT_EQ(info->channels, 1);
      EXPECT_EQ(info->bitsPerSample, 16);
      const double seconds = std::chrono::duration<double>(info->Length()).count();
      shortest = std::min(shortest, seconds);
      longest = std::max(longest, seconds);
      EXPECT_GT(seconds, 0.3);
      EXPECT_LT(seconds, 3.0);
      // Loud enough all through to be speech: the root mean square of the samples.
      double sum = 0;
      const std::size_t count = info->dataBytes / 2;
      for (std::size_t i = 0; i < count; ++i) {
        const auto* p =
            reinterpret_cast<const unsigned char*>(wav.data() + info->dataOffset + 2 * i);
        const double s = static_cast<std::int16_t>(p[0] | p[1] << 8);
        sum += s * s;
      }
      EXPECT_GT(std::sqrt(sum / double(count)), 2000.0);
    }
  }
  std::printf("voices from %.2f s to %.2f s\n", shortest, longest);
  // Different languages say different things.
  EXPECT_NE(audio::LoadVoiceResource(folder.path(), "Ch3QVoiceRus"),
            audio::LoadVoiceResource(folder.path(), "Ch3QVoiceKor"));
}

}  // namespace
}  // namespace zendral::packs
