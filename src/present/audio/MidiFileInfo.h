#pragma once
// Reads a Standard MIDI File through to the end of every track: used to tell a usable song
// file from a damaged one (a music file left over from an earlier run) and to check the
// program's own song.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zendral::audio {

struct MidiTrackInfo {
  int eventCount = 0;  // every event, the closing end-of-track included
  int noteOnCount = 0;
  int noteOffCount = 0;         // note-off, or note-on with velocity 0
  int unfinishedNoteCount = 0;  // notes still sounding when the track ends
  int programChangeCount = 0;
  std::uint64_t endTick = 0;  // tick of the end-of-track event
  std::vector<int> channels;  // channels (0..15) the track's channel messages use, ascending
};

struct MidiTempoChange {
  std::uint64_t tick = 0;
  std::uint32_t microsecondsPerQuarter = 0;
};

struct MidiFileInfo {
  int format = 0;    // 0, 1 or 2
  int division = 0;  // ticks per quarter note (the SMPTE form is refused)
  std::vector<MidiTrackInfo> tracks;
  std::vector<MidiTempoChange> tempoChanges;  // from every track, in tick order

  // Playing time of the longest track, following the tempo changes (120 per minute until
  // the first one).
  double DurationSeconds() const;
};

// Accepts a file whose header and every track parse completely, each track closing with an
// end-of-track event at its very end and the number of tracks matching the header. Chunks of
// other types are skipped, as the format asks. Any other input gives std::nullopt and, when
// `error` is given, a short reason. Never throws.
std::optional<MidiFileInfo> ReadMidiFileInfo(std::span<const std::byte> bytes,
                                             std::string* error = nullptr);

}  // namespace zendral::audio
