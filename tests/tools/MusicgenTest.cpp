// The companion server's music: every tune's score adds up and arranges into a whole MIDI file
// of a track's length, and a score with a fault is refused with its reason.

#include <gtest/gtest.h>

#include <set>

#include "Arrangement.h"
#include "Tunes.h"
#include "present/audio/MidiFileInfo.h"

namespace zendral::musicgen {
namespace {

std::optional<audio::MidiFileInfo> Read(const std::vector<std::uint8_t>& midi) {
  const auto* first = reinterpret_cast<const std::byte*>(midi.data());
  return audio::ReadMidiFileInfo({first, midi.size()});
}

TEST(Musicgen, EveryTuneArrangesIntoATrack) {
  const auto& tunes = Tunes();
  ASSERT_GE(tunes.size(), 5u);  // the player needs more than four tracks
  std::set<std::string_view> files;
  for (const Tune& tune : tunes) {
    SCOPED_TRACE(std::string(tune.file));
    files.insert(tune.file);
    // artist "~" title, underscores for blanks, nothing an address would have to escape.
    EXPECT_NE(tune.file.find('~'), std::string_view::npos);
    EXPECT_EQ(tune.file.find(' '), std::string_view::npos);
    std::string error;
    const auto midi = ArrangeTune(tune, error);
    ASSERT_FALSE(midi.empty()) << error;
    const auto info = Read(midi);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->tracks.size(), tune.round ? 6u : 5u);
    EXPECT_GT(info->DurationSeconds(), 30.0);
    EXPECT_LT(info->DurationSeconds(), 150.0);
    for (const audio::MidiTrackInfo& track : info->tracks) {
      EXPECT_EQ(track.unfinishedNoteCount, 0);
    }
    EXPECT_GT(info->tracks[1].noteOnCount, 20);  // the melody
  }
  EXPECT_EQ(files.size(), tunes.size());
}

TEST(Musicgen, AFaultyScoreIsRefusedWithItsReason) {
  struct Case {
    std::string_view melody, chords, reason;
  };
  const Case cases[] = {
      {"C4:2 D4:2 E4:2 | C4:8 |", "C C", "bar 1 holds 6 eighths"},
      {"C4:8 | C4:8 |", "C", "1 chords for 2 bars"},
      {"C4:8 | H4:8 |", "C C", "bad note 'H4:8'"},
      {"C4:8 | C4:8 |", "C Xm", "unknown chord 'Xm'"},
      {"~:8 |", "C", "a hold with nothing to hold"},
      {"C4:8 | C4:4", "C C", "the last bar is not closed"},
  };
  for (const Case& c : cases) {
    Tune tune{"A~B", "B", 100, 8, 0, c.melody, c.chords, 0, 0, false};
    std::string error;
    EXPECT_TRUE(ArrangeTune(tune, error).empty()) << c.melody;
    EXPECT_EQ(error, c.reason) << c.melody;
  }
}

}  // namespace
}  // namespace zendral::musicgen
