#pragma once
// The tracks of the companion server's music: melodies long out of copyright (folk tunes and
// classical themes), written down here note by note with a chord for each bar (or half bar).
//
// A melody is a list of bars: "E5:2" is an E5 two eighths long, "R:2" a rest, "~:2" holds the
// note before; "|" closes a bar, which must hold `eighthsPerBar` eighths. Chords are names
// ("C", "Am", "G7", "F#m", "Bb") one per bar, "X/Y" splitting a bar in halves.

#include <string_view>
#include <vector>

namespace zendral::musicgen {

struct Tune {
  std::string_view file;  // the track's file name without ".mp3": artist "~" title
  std::string_view title;
  int quartersPerMinute;
  int eighthsPerBar;  // 8 for 4/4, 6 for 3/4
  int transpose;      // semitones added to the written melody
  std::string_view melody;
  std::string_view chords;
  int leadFirst, leadSecond;  // General MIDI programs of the two passes
  bool round;                 // the second pass adds a voice two bars behind (a canon)
};

const std::vector<Tune>& Tunes();

}  // namespace zendral::musicgen
