// The program's own sounds and song, as the resource library holds them.

#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "game/Sounds.h"
#include "present/audio/EventSoundNames.h"
#include "present/audio/MidiFileInfo.h"
#include "present/audio/QtSoundOutput.h"
#include "present/audio/WavInfo.h"

namespace zendral::audio {
namespace {

using namespace std::chrono_literals;

struct Level {
  double peak = 0;      // of full scale
  double rms = 0;       // of full scale
  double edgePeak = 0;  // largest magnitude in the first and last tenth of a millisecond
};

Level Measure(const std::vector<std::byte>& wav, const WavInfo& info) {
  std::vector<std::int16_t> samples(info.dataBytes / 2);
  std::memcpy(samples.data(), wav.data() + info.dataOffset, samples.size() * 2);
  Level level;
  double sum = 0;
  for (std::int16_t s : samples) {
    level.peak = std::max(level.peak, std::abs(s) / 32768.0);
    sum += static_cast<double>(s) * s;
  }
  level.rms = samples.empty() ? 0 : std::sqrt(sum / samples.size()) / 32768.0;
  // A sound that starts or stops away from silence clicks; a fade keeps these samples low.
  const std::size_t edge = std::min<std::size_t>(samples.size(), info.sampleRate / 10000);
  for (std::size_t i = 0; i < edge; ++i) {
    level.edgePeak = std::max({level.edgePeak, std::abs(samples[i]) / 32768.0,
                               std::abs(samples[samples.size() - 1 - i]) / 32768.0});
  }
  return level;
}

double Decibels(double ratio) {
  return 20 * std::log10(ratio);
}

class EventSound : public testing::TestWithParam<std::string_view> {};

TEST_P(EventSound, IsAShortCleanWavAtAHearableLevel) {
  const std::string_view name = GetParam();
  const std::vector<std::byte> wav = LoadEventSoundResource(name);
  ASSERT_FALSE(wav.empty()) << "no resource " << EventSoundResourcePath(name);
  std::string error;
  const auto info = ReadWavInfo(wav, &error);
  ASSERT_TRUE(info) << error;
  // What the sound output plays from memory: 16-bit mono PCM at a standard rate.
  EXPECT_EQ(info->channels, 1);
  EXPECT_EQ(info->bitsPerSample, 16);
  EXPECT_TRUE(info->sampleRate == 44100 || info->sampleRate == 22050) << info->sampleRate;

  EXPECT_GE(info->Length(), 40ms);
  EXPECT_LE(info->Length(), 2500ms);
  // The game waits for these two on every card and every pass.
  if (name == sounds::kCardLaid || name == sounds::kPass) {
    EXPECT_LE(info->Length(), 600ms);
  }

  const Level level = Measure(wav, *info);
  EXPECT_LE(Decibels(level.peak), -1.0) << "too close to clipping";
  EXPECT_GE(Decibels(level.peak), -12.0) << "too quiet";
  EXPECT_GE(Decibels(level.rms), -35.0) << "mostly silence";
  EXPECT_LE(level.edgePeak, 0.01) << "starts or ends with a click";
}

INSTANTIATE_TEST_SUITE_P(AllSixteen, EventSound, testing::ValuesIn(kEventSoundNames),
                         [](const auto& tested) { return std::string(tested.param); });

TEST(EventSounds, TheResourcesAreExactlyTheNamedSoundsAndTheSong) {
  QStringList expected;
  for (std::string_view name : kEventSoundNames) {
    expected << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + ".wav";
  }
  expected << "MidiSong.mid";
  expected.sort();
  EXPECT_EQ(QDir(":/sounds").entryList(QDir::Files, QDir::Name), expected);
}

TEST(EventSounds, EverySoundTheRulesAskForExists) {
  for (std::string_view name :
       {sounds::kCardLaid, sounds::kPass, sounds::kWrongCard, sounds::kDeal, sounds::kSettle,
        sounds::kOpponentWonKon, sounds::kPlayerWonKon, sounds::kSessionGood, sounds::kSessionBad,
        sounds::kCycleBest, sounds::kCycleGood, sounds::kCycleBad}) {
    EXPECT_TRUE(IsEventSoundName(name)) << name;
  }
}

TEST(MidiSong, IsAWellFormedSongOfSeveralInstruments) {
  const std::vector<std::byte> bytes = LoadMidiSongResource();
  std::string error;
  const auto song = ReadMidiFileInfo(bytes, &error);
  ASSERT_TRUE(song) << error;
  EXPECT_EQ(song->format, 1);
  ASSERT_GE(song->tracks.size(), 3u);

  // The first track leads: tempo, no notes.
  const MidiTrackInfo& conductor = song->tracks[0];
  EXPECT_TRUE(conductor.channels.empty());
  ASSERT_FALSE(song->tempoChanges.empty());
  EXPECT_EQ(song->tempoChanges[0].tick, 0u);

  int notes = 0;
  std::vector<int> channels;
  for (std::size_t i = 1; i < song->tracks.size(); ++i) {
    const MidiTrackInfo& track = song->tracks[i];
    SCOPED_TRACE(i);
    ASSERT_EQ(track.channels.size(), 1u);  // one instrument per track
    channels.push_back(track.channels[0]);
    EXPECT_GE(track.programChangeCount, 1);  // each picks its General MIDI instrument
    EXPECT_GT(track.noteOnCount, 0);
    EXPECT_EQ(track.unfinishedNoteCount, 0);  // no note left hanging
    EXPECT_EQ(track.noteOffCount, track.noteOnCount);
    notes += track.noteOnCount;
  }
  std::sort(channels.begin(), channels.end());
  EXPECT_EQ(std::adjacent_find(channels.begin(), channels.end()), channels.end());
  EXPECT_EQ(std::count(channels.begin(), channels.end(), 9), 0);  // no drums
  EXPECT_GT(notes, 300);
  EXPECT_GT(song->DurationSeconds(), 60.0);
  EXPECT_LT(song->DurationSeconds(), 240.0);
}

}  // namespace
}  // namespace zendral::audio
