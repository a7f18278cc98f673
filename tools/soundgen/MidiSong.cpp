#include "MidiSong.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <string_view>

#include "SmfWriter.h"

namespace zendral::soundgen {

namespace {

constexpr int kTicksPerQuarter = 480;
constexpr int kEighth = kTicksPerQuarter / 2;
constexpr int kBar = 6 * kEighth;  // 3/4

// General MIDI programs (counted from 0) and the channels they play on.
constexpr int kFlute = 73, kViolin = 40, kNylonGuitar = 24, kAcousticBass = 32, kStrings = 48;
constexpr int kMelodyChannel = 0, kGuitarChannel = 1, kBassChannel = 2, kStringsChannel = 3;

// The air, bar by bar, in eighth notes: "C5:4" is a C5 of four eighths, "~:6" holds the
// note before for six more, "R:2" is a rest. Every bar adds up to six eighths.
constexpr std::string_view kVerse =
    "C5:4 D5:2 | E5:3 F5:1 E5:2 | D5:4 B4:2 | G4:3 A4:1 B4:2 | C5:4 A4:2 | A4:3 G#4:1 A4:2 |"
    " B4:4 G#4:2 | E4:4 A4:2 | C5:4 D5:2 | E5:3 F5:1 E5:2 | D5:4 B4:2 | G4:3 A4:1 B4:2 |"
    " C5:3 B4:1 A4:2 | G#4:3 F#4:1 G#4:2 | A4:6 | ~:6";
constexpr std::string_view kChorus =
    "G5:6 | G5:3 F#5:1 E5:2 | D5:4 B4:2 | G4:3 A4:1 B4:2 | C5:4 A4:2 | A4:3 G#4:1 A4:2 |"
    " B4:4 G#4:2 | E4:6 | G5:6 | G5:3 F#5:1 E5:2 | D5:4 B4:2 | G4:3 A4:1 B4:2 |"
    " C5:3 B4:1 A4:2 | G#4:3 F#4:1 G#4:2 | A4:6 |";
// The last bar of the chorus: held the first time with the pick-up to the repeat, held
// to the end the second time.
constexpr std::string_view kChorusEndRepeat = " ~:4 A4:2";
constexpr std::string_view kChorusEndFinal = " ~:6";

// One chord per bar of verse and chorus.
constexpr std::string_view kVerseChords = "Am C G Em Am Am E E Am C G Em F E Am Am";
constexpr std::string_view kChorusChords = "C C G Em Am Am E E C C G Em F E Am Am";

struct Chord {
  int root;               // pitch class, C = 0
  std::array<int, 3> pc;  // root, third, fifth
};

std::optional<Chord> ParseChord(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, Chord>, 6> kChords = {{
      {"Am", {9, {9, 0, 4}}},
      {"C", {0, {0, 4, 7}}},
      {"G", {7, {7, 11, 2}}},
      {"Em", {4, {4, 7, 11}}},
      {"F", {5, {5, 9, 0}}},
      {"E", {4, {4, 8, 11}}},
  }};
  for (const auto& [n, chord] : kChords) {
    if (n == name) return chord;
  }
  return std::nullopt;
}

// "G#4" -> 68; nothing for a malformed name.
std::optional<int> ParseKey(std::string_view name) {
  static constexpr std::array<int, 7> kPitch = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return std::nullopt;
  int pc = kPitch[name[0] - 'A'];
  std::size_t at = 1;
  if (name[at] == '#') {
    ++pc;
    ++at;
  } else if (name[at] == 'b') {
    --pc;
    ++at;
  }
  if (at + 1 != name.size() || name[at] < '0' || name[at] > '8') return std::nullopt;
  return (name[at] - '0' + 1) * 12 + pc;
}

// The lowest key of pitch class `pc` at or above `floor`.
int KeyAtOrAbove(int pc, int floor) {
  int key = floor - floor % 12 + pc;
  if (key < floor) key += 12;
  return key;
}

struct ScoreNote {
  int key;  // -1 for a rest
  int eighths;
};

// Parses bars of the air; every bar but a partial last one must hold six eighths.
bool ParseBars(std::string_view text, std::vector<ScoreNote>& out, std::string& error) {
  std::istringstream words{std::string(text)};
  std::string word;
  int inBar = 0;
  while (words >> word) {
    if (word == "|") {
      if (inBar != 6) {
        error = "a bar of " + std::to_string(inBar) + " eighths before '" + word + "'";
        return false;
      }
      inBar = 0;
      continue;
    }
    const auto colon = word.find(':');
    if (colon == std::string::npos) {
      error = "no length in '" + word + "'";
      return false;
    }
    const int eighths = std::stoi(word.substr(colon + 1));
    const std::string pitch = word.substr(0, colon);
    if (pitch == "~") {
      if (out.empty() || out.back().key < 0) {
        error = "a hold with nothing to hold";
        return false;
      }
      out.back().eighths += eighths;
    } else if (pitch == "R") {
      out.push_back({-1, eighths});
    } else if (auto key = ParseKey(pitch)) {
      out.push_back({*key, eighths});
    } else {
      error = "bad note '" + word + "'";
      return false;
    }
    inBar += eighths;
  }
  if (inBar != 0 && inBar != 6) {
    error = "a last bar of " + std::to_string(inBar) + " eighths";
    return false;
  }
  return true;
}

bool ParseChords(std::string_view text, std::vector<Chord>& out, std::string& error) {
  std::istringstream words{std::string(text)};
  std::string word;
  while (words >> word) {
    auto chord = ParseChord(word);
    if (!chord) {
      error = "unknown chord '" + word + "'";
      return false;
    }
    out.push_back(*chord);
  }
  return true;
}

// Writes the melody from `tick`; returns the tick after it.
std::uint32_t PlayMelody(SmfTrack& track, const std::vector<ScoreNote>& notes, std::uint32_t tick,
                         int baseVelocity) {
  for (const ScoreNote& n : notes) {
    const std::uint32_t length = static_cast<std::uint32_t>(n.eighths * kEighth);
    if (n.key >= 0) {
      const bool onBeatOne = tick % kBar == 0;
      const int velocity = baseVelocity + (onBeatOne ? 8 : 0) - (n.eighths == 1 ? 6 : 0);
      track.Note(tick, kMelodyChannel, n.key, velocity, length * 96 / 100);  // legato
    }
    tick += length;
  }
  return tick;
}

// One bar of accompaniment: bass on beats one and three, the guitar rolling through the
// chord in eighths, and (when `strings`) the chord held by the string section.
void PlayBar(SmfTrack& guitar, SmfTrack& bass, SmfTrack* strings, const Chord& chord,
             std::uint32_t tick) {
  const int root = KeyAtOrAbove(chord.root, 40);  // E2..D#3
  const int fifth = KeyAtOrAbove(chord.pc[2], 43);
  bass.Note(tick, kBassChannel, root, 74, 2 * kTicksPerQuarter * 95 / 100);
  bass.Note(tick + 2 * kTicksPerQuarter, kBassChannel, fifth, 64, kTicksPerQuarter * 9 / 10);

  std::array<int, 3> voicing{};
  for (int i = 0; i < 3; ++i) voicing[i] = KeyAtOrAbove(chord.pc[i], 55);
  std::sort(voicing.begin(), voicing.end());
  static constexpr std::array<int, 6> kRoll = {0, 1, 2, 1, 2, 1};
  for (int e = 0; e < 6; ++e) {
    guitar.Note(tick + e * kEighth, kGuitarChannel, voicing[kRoll[e]], e == 0 ? 62 : 54,
                kEighth * 18 / 10);
  }
  if (strings != nullptr) {
    for (int key : voicing) strings->Note(tick, kStringsChannel, key + 12, 40, kBar - 10);
  }
}

void SetUpChannel(SmfTrack& track, std::string_view name, int channel, int program, int volume,
                  int pan) {
  track.Name(name);
  track.ProgramChange(0, channel, program);
  track.ControlChange(0, channel, 7, volume);
  track.ControlChange(0, channel, 10, pan);
  track.ControlChange(0, channel, 91, 48);  // reverb
}

}  // namespace

std::vector<std::uint8_t> ComposeMidiSong(std::string& error) {
  std::vector<ScoreNote> firstPass, secondPass;
  std::vector<Chord> chords;
  const std::string first =
      std::string(kVerse) + " | " + std::string(kChorus) + std::string(kChorusEndRepeat);
  const std::string second =
      std::string(kVerse) + " | " + std::string(kChorus) + std::string(kChorusEndFinal);
  if (!ParseBars(first, firstPass, error) || !ParseBars(second, secondPass, error) ||
      !ParseChords(std::string(kVerseChords) + " " + std::string(kChorusChords), chords, error)) {
    return {};
  }
  if (chords.size() != 32) {
    error = "the chords do not cover the 32 bars";
    return {};
  }
  // The pick-up to the repeat opens the second pass, on its own instrument.
  const ScoreNote repeatPickUp = firstPass.back();
  firstPass.pop_back();

  SmfTrack conductor, melody, guitar, bass, strings;
  conductor.Name("Greensleeves");
  conductor.TimeSignature(0, 3, 2);
  conductor.KeySignature(0, 0, true);
  conductor.Tempo(0, 96);
  SetUpChannel(melody, "Flute, then violin", kMelodyChannel, kFlute, 100, 64);
  SetUpChannel(guitar, "Nylon guitar", kGuitarChannel, kNylonGuitar, 92, 44);
  SetUpChannel(bass, "Bass", kBassChannel, kAcousticBass, 96, 64);
  SetUpChannel(strings, "Strings", kStringsChannel, kStrings, 72, 84);

  const Chord am = *ParseChord("Am");
  // Two bars of guitar and bass, the flute's pick-up on the last beat.
  std::uint32_t tick = 0;
  PlayBar(guitar, bass, nullptr, am, tick);
  PlayBar(guitar, bass, nullptr, am, tick + kBar);
  tick += 2 * kBar;
  melody.Note(tick - 2 * kEighth, kMelodyChannel, 69, 76, 2 * kEighth * 96 / 100);

  // First pass: the flute over guitar and bass.
  const std::uint32_t firstStart = tick;
  tick = PlayMelody(melody, firstPass, tick, 82);
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    PlayBar(guitar, bass, nullptr, chords[bar], firstStart + bar * kBar);
  }
  // Second pass: the violin over the strings.
  melody.ProgramChange(tick, kMelodyChannel, kViolin);
  tick = PlayMelody(melody, {repeatPickUp}, tick, 76);
  const std::uint32_t secondStart = tick;
  if (secondStart != firstStart + 32 * kBar) {
    error = "the first pass does not fill its 32 bars";
    return {};
  }
  tick = PlayMelody(melody, secondPass, tick, 78);
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    PlayBar(guitar, bass, &strings, chords[bar], secondStart + bar * kBar);
  }

  // The close: a rolled A minor chord held over two bars, slowing down into it.
  conductor.Tempo(tick - 2 * kBar, 88);
  conductor.Tempo(tick - kBar, 80);
  conductor.Tempo(tick, 70);
  const std::array<int, 4> last = {57, 60, 64, 69};
  for (std::size_t i = 0; i < last.size(); ++i) {
    guitar.Note(tick + i * 40, kGuitarChannel, last[i], 60, 2 * kBar - i * 40);
    strings.Note(tick, kStringsChannel, last[i] + 12, 38, 2 * kBar);
  }
  bass.Note(tick, kBassChannel, 45, 70, 2 * kBar);
  melody.Note(tick, kMelodyChannel, 69, 56, 2 * kBar);

  return EncodeSmf(kTicksPerQuarter, {conductor, melody, guitar, bass, strings});
}

}  // namespace zendral::soundgen
