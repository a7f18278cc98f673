#include "present/audio/Playlist.h"

#include <gtest/gtest.h>

namespace zendral::audio {
namespace {

TEST(Playlist, LinesGiveArtistTitleAndAddress) {
  struct Case {
    std::string_view line;
    PlaylistTrack want;
  };
  const Case cases[] = {
      {"Zendral_Folk_Band~Korobeiniki.mp3",
       {"/musik/Zendral_Folk_Band~Korobeiniki.mp3", "Zendral Folk Band", "Korobeiniki"}},
      // Only the first "~" parts the artist from the title.
      {"A~B~C.mp3", {"/musik/A~B~C.mp3", "A", "B~C"}},
      {"Trio~Ode_to_Joy.MP3", {"/musik/Trio~Ode_to_Joy.MP3", "Trio", "Ode to Joy"}},
      // No ".mp3" to take away, no artist, an empty title: kept as they are.
      {"Band~Live_take", {"/musik/Band~Live_take", "Band", "Live take"}},
      {"Greensleeves.mp3", {"/musik/Greensleeves.mp3", "", "Greensleeves"}},
      {"~.mp3", {"/musik/~.mp3", "", ""}},
      {"Хор~Калинка.mp3", {"/musik/Хор~Калинка.mp3", "Хор", "Калинка"}},
  };
  for (const Case& c : cases) {
    const auto tracks = ParsePlaylist(c.line);
    ASSERT_EQ(tracks.size(), 1u) << c.line;
    EXPECT_EQ(tracks[0], c.want) << c.line;
  }
  EXPECT_EQ(TrackHint({"", "Zendral Folk Band", "Korobeiniki"}),
            "Zendral Folk Band  :  Korobeiniki");
}

TEST(Playlist, LineEndsBlankLinesAndTheByteOrderMark) {
  const auto tracks = ParsePlaylist(
      "\xEF\xBB\xBF"
      "a~1.mp3\r\n\r\n  b~2.mp3  \nc~3.mp3\n\n");
  ASSERT_EQ(tracks.size(), 3u);
  EXPECT_EQ(tracks[0].artist, "a");
  EXPECT_EQ(tracks[1].path, "/musik/b~2.mp3");
  EXPECT_EQ(tracks[2].title, "3");
  EXPECT_TRUE(ParsePlaylist("").empty());
  EXPECT_TRUE(ParsePlaylist("\r\n\n \n").empty());
}

TEST(Playlist, PlayableOnlyWithMoreThanFourTracks) {
  EXPECT_FALSE(PlaylistIsPlayable(ParsePlaylist("a~1.mp3\nb~2.mp3\nc~3.mp3\nd~4.mp3\n")));
  EXPECT_TRUE(PlaylistIsPlayable(ParsePlaylist("a~1.mp3\nb~2.mp3\nc~3.mp3\nd~4.mp3\ne~5.mp3")));
  // Blank lines are no tracks.
  EXPECT_FALSE(PlaylistIsPlayable(ParsePlaylist("a~1.mp3\nb~2.mp3\n\nc~3.mp3\nd~4.mp3\n\n")));
}

TEST(Playlist, VolumeClickZonesAndLimits) {
  struct Case {
    int volume, x, want;
  };
  const Case cases[] = {
      {50, 35, 55},   {50, 60, 55},  {50, 25, 45}, {50, 0, 45},  // the two zones
      {50, 26, 50},   {50, 30, 50},  {50, 34, 50},               // between them: no change
      {100, 40, 100}, {95, 40, 100}, {0, 10, 0},   {5, 10, 0},   // the limits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MusicVolumeAfterClick(c.volume, c.x), c.want) << c.volume << " at " << c.x;
  }
}

TEST(Playlist, EndOfTrack) {
  struct Case {
    bool streamEnded;
    long long position, length;
    bool want;
  };
  const Case cases[] = {
      {false, 0, 0, false},     // length not known yet
      {false, 5000, 0, false},  // a stream of no known length never ends by position
      {false, 179000, 180000, false}, {false, 179700, 180000, true},  // within the slack
      {false, 181000, 180000, true},  {true, 0, 0, true},             // the stream said so
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrackHasEnded(c.streamEnded, c.position, c.length, 300), c.want)
        << c.position << "/" << c.length;
  }
}

}  // namespace
}  // namespace zendral::audio
