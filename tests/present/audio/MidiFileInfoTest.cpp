#include "present/audio/MidiFileInfo.h"

#include <gtest/gtest.h>

#include "AudioTestData.h"

namespace zendral::audio {
namespace {

using test::Bytes;

TEST(MidiFileInfo, ReadsTracksNotesAndTempoMap) {
  std::string error;
  const auto info = ReadMidiFileInfo(test::MakeSmallSong(), &error);
  ASSERT_TRUE(info) << error;
  EXPECT_EQ(info->format, 1);
  EXPECT_EQ(info->division, 480);
  ASSERT_EQ(info->tracks.size(), 2u);

  const MidiTrackInfo& notes = info->tracks[1];
  EXPECT_EQ(notes.eventCount, 6);
  EXPECT_EQ(notes.noteOnCount, 2);
  EXPECT_EQ(notes.noteOffCount, 2);  // one of them a zero-velocity note-on under running status
  EXPECT_EQ(notes.unfinishedNoteCount, 0);
  EXPECT_EQ(notes.programChangeCount, 1);
  EXPECT_EQ(notes.endTick, 1920u);
  EXPECT_EQ(notes.channels, std::vector<int>{0});
  EXPECT_TRUE(info->tracks[0].channels.empty());

  ASSERT_EQ(info->tempoChanges.size(), 2u);
  EXPECT_EQ(info->tempoChanges[1].tick, 960u);
  EXPECT_EQ(info->tempoChanges[1].microsecondsPerQuarter, 300000u);
  // Two quarters at 0.6 s, then two at 0.3 s.
  EXPECT_DOUBLE_EQ(info->DurationSeconds(), 1.8);
}

TEST(MidiFileInfo, CountsNotesLeftSounding) {
  Bytes track;
  test::PutBytes(track, {0x00, 0x91, 0x40, 0x50, 0x00, 0x91, 0x43, 0x50});  // two notes on
  test::PutBytes(track, {0x60, 0x81, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00});  // one off
  Bytes file = test::MidiHeader(0, 1, 96);
  const Bytes chunk = test::MidiChunk("MTrk", track);
  file.insert(file.end(), chunk.begin(), chunk.end());
  const auto info = ReadMidiFileInfo(file);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->tracks[0].unfinishedNoteCount, 1);
  EXPECT_EQ(info->tracks[0].channels, std::vector<int>{1});
  EXPECT_DOUBLE_EQ(info->DurationSeconds(), 0.5);  // 96 ticks at the default 120 per minute
}

TEST(MidiFileInfo, SkipsUnknownChunks) {
  Bytes file = test::MakeSmallSong();
  Bytes extra;
  test::PutBytes(extra, {1, 2, 3});
  const Bytes chunk = test::MidiChunk("XFIH", extra);
  file.insert(file.begin() + 14, chunk.begin(), chunk.end());
  EXPECT_TRUE(ReadMidiFileInfo(file));
}

// Replaces bytes of the small song at `at` (an offset into the file).
Bytes Patched(std::size_t at, std::initializer_list<int> values) {
  Bytes file = test::MakeSmallSong();
  for (int v : values) file[at++] = static_cast<std::byte>(v);
  return file;
}

TEST(MidiFileInfo, RefusesDamagedFiles) {
  // The small song: header 0..13; tempo track chunk at 14, its events from 22; the note
  // track chunk at 42, its events from 50.
  const Bytes song = test::MakeSmallSong();
  Bytes trailing = song;
  trailing.push_back(std::byte{0});
  // The note track loses its end-of-track event, its length shrinking to match.
  Bytes noEnd = song;
  noEnd.resize(noEnd.size() - 5);
  noEnd[49] = static_cast<std::byte>(static_cast<int>(noEnd[49]) - 5);
  // The note track's last delta time, with no event after it.
  Bytes cutEvent = song;
  cutEvent.resize(cutEvent.size() - 4);
  cutEvent[49] = static_cast<std::byte>(static_cast<int>(cutEvent[49]) - 4);

  struct Case {
    const char* label;
    Bytes file;
  };
  const Case cases[] = {
      {"not a MIDI file", Patched(0, {'R', 'I', 'F', 'F'})},
      {"format 3", Patched(9, {3})},
      {"header says three tracks", Patched(11, {3})},
      {"header says no track", Patched(11, {0})},
      {"format 0 with two tracks", Patched(9, {0})},
      {"time-code division", Patched(12, {0xE7, 0x28})},
      {"zero division", Patched(12, {0, 0})},
      {"track length past the end", Patched(46, {0, 0, 1, 0})},
      {"delta time of five bytes", Patched(50, {0x81, 0x81, 0x81, 0x81, 0x01})},
      {"data byte without status", Patched(51, {0x40})},
      {"tempo of the wrong length", Patched(25, {0x02})},
      {"zero tempo", Patched(26, {0, 0, 0})},
      {"end of track with data", Patched(41, {0x01})},
      {"system message in a track", Patched(51, {0xF8})},
      {"stray byte after the last chunk", trailing},
      {"track without an end", noEnd},
      {"cut inside a delta time", cutEvent},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ReadMidiFileInfo(c.file, &error)) << c.label;
    EXPECT_FALSE(error.empty()) << c.label;
  }
}

TEST(MidiFileInfo, SurvivesEveryTruncationAndByteFlip) {
  const Bytes song = test::MakeSmallSong();
  for (std::size_t n = 0; n < song.size(); ++n) {
    EXPECT_FALSE(ReadMidiFileInfo(Bytes(song.begin(), song.begin() + n))) << n << " bytes";
  }
  for (std::size_t at = 0; at < song.size(); ++at) {
    for (int v : {0x00, 0x7F, 0x80, 0xF0, 0xFF}) {
      Bytes file = song;
      file[at] = static_cast<std::byte>(v);
      if (const auto info = ReadMidiFileInfo(file)) {
        EXPECT_EQ(info->tracks.size(), 2u) << at << " " << v;
      }
    }
  }
}

}  // namespace
}  // namespace zendral::audio
