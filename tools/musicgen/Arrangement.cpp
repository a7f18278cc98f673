#include "Arrangement.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>

#include "SmfWriter.h"

namespace zendral::musicgen {

namespace {

using soundgen::SmfTrack;

constexpr int kTicksPerQuarter = 480;
constexpr int kEighth = kTicksPerQuarter / 2;
constexpr int kLeadChannel = 0, kCompChannel = 1, kBassChannel = 2, kStringsChannel = 3,
              kRoundChannel = 4;
constexpr int kPiano = 0, kAcousticBass = 32, kStrings = 48;

struct Note {
  int key;  // -1 for a rest
  int eighths;
};

struct Chord {
  std::vector<int> pcs;  // root first
};

std::optional<int> PitchClass(std::string_view name, std::size_t& at) {
  static constexpr std::array<int, 7> kPitch = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (name.empty() || name[0] < 'A' || name[0] > 'G') return std::nullopt;
  int pc = kPitch[static_cast<std::size_t>(name[0] - 'A')];
  at = 1;
  if (at < name.size() && name[at] == '#') {
    ++pc;
    ++at;
  } else if (at < name.size() && name[at] == 'b') {
    --pc;
    ++at;
  }
  return (pc + 12) % 12;
}

std::optional<int> ParseKey(std::string_view name) {
  std::size_t at = 0;
  const auto pc = PitchClass(name, at);
  if (!pc || at + 1 != name.size() || name[at] < '0' || name[at] > '8') return std::nullopt;
  return (name[at] - '0' + 1) * 12 + *pc;
}

std::optional<Chord> ParseChord(std::string_view name) {
  std::size_t at = 0;
  const auto root = PitchClass(name, at);
  if (!root) return std::nullopt;
  std::string_view rest = name.substr(at);
  const bool minor = rest.starts_with('m');
  if (minor) rest.remove_prefix(1);
  const bool seventh = rest == "7";
  if (!rest.empty() && !seventh) return std::nullopt;
  Chord chord{{*root, (*root + (minor ? 3 : 4)) % 12, (*root + 7) % 12}};
  if (seventh) chord.pcs.push_back((*root + 10) % 12);
  return chord;
}

int KeyAtOrAbove(int pc, int floor) {
  int key = floor - floor % 12 + pc;
  if (key < floor) key += 12;
  return key;
}

bool ParseMelody(const Tune& tune, std::vector<Note>& out, int& bars, std::string& error) {
  std::istringstream words{std::string(tune.melody)};
  int inBar = 0;
  bars = 0;
  for (std::string word; words >> word;) {
    if (word == "|") {
      if (inBar != tune.eighthsPerBar) {
        error = "bar " + std::to_string(bars + 1) + " holds " + std::to_string(inBar) + " eighths";
        return false;
      }
      inBar = 0;
      ++bars;
      continue;
    }
    const auto colon = word.find(':');
    if (colon == std::string::npos || colon + 1 == word.size()) {
      error = "no length in '" + word + "'";
      return false;
    }
    const int eighths = std::atoi(word.c_str() + colon + 1);
    const std::string pitch = word.substr(0, colon);
    if (eighths <= 0) {
      error = "a bad length in '" + word + "'";
      return false;
    }
    if (pitch == "~") {
      if (out.empty() || out.back().key < 0) {
        error = "a hold with nothing to hold";
        return false;
      }
      out.back().eighths += eighths;
    } else if (pitch == "R") {
      out.push_back({-1, eighths});
    } else if (auto key = ParseKey(pitch)) {
      out.push_back({*key + tune.transpose, eighths});
    } else {
      error = "bad note '" + word + "'";
      return false;
    }
    inBar += eighths;
  }
  if (inBar != 0) {
    error = "the last bar is not closed";
    return false;
  }
  return true;
}

// Each bar's chords: one, or two for its halves.
bool ParseChords(const Tune& tune, int bars, std::vector<std::vector<Chord>>& out,
                 std::string& error) {
  std::istringstream words{std::string(tune.chords)};
  for (std::string word; words >> word;) {
    std::vector<Chord> bar;
    for (std::size_t from = 0;;) {
      const std::size_t slash = word.find('/', from);
      const std::string name = word.substr(from, slash - from);
      auto chord = ParseChord(name);
      if (!chord) {
        error = "unknown chord '" + name + "'";
        return false;
      }
      bar.push_back(*chord);
      if (slash == std::string::npos) break;
      from = slash + 1;
    }
    if (bar.size() > 2) {
      error = "more than two chords in a bar: '" + word + "'";
      return false;
    }
    out.push_back(std::move(bar));
  }
  if (static_cast<int>(out.size()) != bars) {
    error = std::to_string(out.size()) + " chords for " + std::to_string(bars) + " bars";
    return false;
  }
  return true;
}

std::uint32_t PlayMelody(SmfTrack& track, int channel, const std::vector<Note>& notes,
                         std::uint32_t tick, int velocity, int barTicks, int shift) {
  for (const Note& n : notes) {
    const auto length = static_cast<std::uint32_t>(n.eighths * kEighth);
    if (n.key >= 0) {
      const bool downbeat = tick % static_cast<std::uint32_t>(barTicks) == 0;
      track.Note(tick, channel, n.key + shift, velocity + (downbeat ? 8 : 0), length * 94 / 100);
    }
    tick += length;
  }
  return tick;
}

// Accompaniment over `eighths` eighths from `tick` with one chord: the bass on the first beat
// (and the fifth half way in 4/4), the piano rolling through the chord or, in 3/4, striking it
// on beats two and three; strings holding it when asked.
void PlayChord(SmfTrack& comp, SmfTrack& bass, SmfTrack* strings, const Chord& chord,
               std::uint32_t tick, int eighths, bool waltz) {
  const int root = KeyAtOrAbove(chord.pcs[0], 40);
  const int fifth = KeyAtOrAbove(chord.pcs[2], 43);
  std::vector<int> voicing;
  for (int pc : chord.pcs) voicing.push_back(KeyAtOrAbove(pc, 55));
  std::sort(voicing.begin(), voicing.end());
  const auto span = static_cast<std::uint32_t>(eighths * kEighth);
  if (waltz) {
    bass.Note(tick, kBassChannel, root, 76, 2 * kEighth * 9 / 10);
    for (int beat = 2; beat + 2 <= eighths; beat += 2) {
      for (int key : voicing) {
        comp.Note(tick + static_cast<std::uint32_t>(beat * kEighth), kCompChannel, key, 50,
                  kEighth * 15 / 10);
      }
    }
  } else {
    bass.Note(tick, kBassChannel, root, 78, std::min<std::uint32_t>(span, 4 * kEighth) * 9 / 10);
    if (eighths >= 8) {
      bass.Note(tick + 4 * kEighth, kBassChannel, fifth, 66, 4 * kEighth * 9 / 10);
    }
    static constexpr std::array<int, 8> kRoll = {0, 1, 2, 1, 0, 1, 2, 1};
    for (int e = 0; e < eighths; ++e) {
      const int key = voicing[static_cast<std::size_t>(kRoll[static_cast<std::size_t>(e % 8)]) %
                              voicing.size()];
      comp.Note(tick + static_cast<std::uint32_t>(e * kEighth), kCompChannel, key,
                e % 4 == 0 ? 58 : 48, kEighth * 16 / 10);
    }
  }
  if (strings != nullptr) {
    for (int key : voicing) strings->Note(tick, kStringsChannel, key + 12, 42, span - 10);
  }
}

void PlayBars(SmfTrack& comp, SmfTrack& bass, SmfTrack* strings,
              const std::vector<std::vector<Chord>>& chords, std::uint32_t tick,
              int eighthsPerBar) {
  const bool waltz = eighthsPerBar == 6;
  for (const std::vector<Chord>& bar : chords) {
    if (bar.size() == 1) {
      PlayChord(comp, bass, strings, bar[0], tick, eighthsPerBar, waltz);
    } else {
      const int half = eighthsPerBar / 2;
      PlayChord(comp, bass, strings, bar[0], tick, half, waltz);
      PlayChord(comp, bass, strings, bar[1], tick + static_cast<std::uint32_t>(half * kEighth),
                eighthsPerBar - half, waltz);
    }
    tick += static_cast<std::uint32_t>(eighthsPerBar * kEighth);
  }
}

void SetUpChannel(SmfTrack& track, std::string_view name, int channel, int program, int volume,
                  int pan) {
  track.Name(name);
  track.ProgramChange(0, channel, program);
  track.ControlChange(0, channel, 7, volume);
  track.ControlChange(0, channel, 10, pan);
  track.ControlChange(0, channel, 91, 50);  // reverb
}

}  // namespace

std::vector<std::uint8_t> ArrangeTune(const Tune& tune, std::string& error) {
  if (tune.eighthsPerBar != 6 && tune.eighthsPerBar != 8) {
    error = "only 3/4 and 4/4 are arranged";
    return {};
  }
  std::vector<Note> melody;
  std::vector<std::vector<Chord>> chords;
  int bars = 0;
  if (!ParseMelody(tune, melody, bars, error) || !ParseChords(tune, bars, chords, error)) {
    return {};
  }
  const int barTicks = tune.eighthsPerBar * kEighth;

  SmfTrack conductor, lead, comp, bass, strings, round;
  conductor.Name(tune.title);
  conductor.TimeSignature(0, tune.eighthsPerBar / 2, 2);
  conductor.Tempo(0, tune.quartersPerMinute);
  SetUpChannel(lead, "Melody", kLeadChannel, tune.leadFirst, 104, 64);
  SetUpChannel(comp, "Piano", kCompChannel, kPiano, 84, 40);
  SetUpChannel(bass, "Bass", kBassChannel, kAcousticBass, 96, 64);
  SetUpChannel(strings, "Strings", kStringsChannel, kStrings, 70, 88);
  SetUpChannel(round, "Round", kRoundChannel, tune.leadFirst, 84, 96);

  // Two bars of the first chord, then the first pass.
  std::uint32_t tick = 0;
  PlayBars(comp, bass, nullptr, {chords.front(), chords.front()}, tick, tune.eighthsPerBar);
  tick += 2 * static_cast<std::uint32_t>(barTicks);
  PlayBars(comp, bass, nullptr, chords, tick, tune.eighthsPerBar);
  tick = PlayMelody(lead, kLeadChannel, melody, tick, 84, barTicks, 0);

  // The second pass on the second instrument, with strings; a round's second voice follows
  // two bars behind, an octave lower, over two more bars of the closing chords.
  lead.ProgramChange(tick, kLeadChannel, tune.leadSecond);
  PlayBars(comp, bass, &strings, chords, tick, tune.eighthsPerBar);
  std::uint32_t end = PlayMelody(lead, kLeadChannel, melody, tick, 80, barTicks, 0);
  if (tune.round) {
    const std::uint32_t behind = tick + 2 * static_cast<std::uint32_t>(barTicks);
    PlayMelody(round, kRoundChannel, melody, behind, 74, barTicks, -12);
    const std::vector<std::vector<Chord>> tail(chords.end() - 2, chords.end());
    PlayBars(comp, bass, &strings, tail, end, tune.eighthsPerBar);
    end += 2 * static_cast<std::uint32_t>(barTicks);
  }

  // The close: the last chord held for two bars, slowing into it.
  conductor.Tempo(end - static_cast<std::uint32_t>(barTicks), tune.quartersPerMinute * 0.9);
  conductor.Tempo(end, tune.quartersPerMinute * 0.75);
  const Chord& last = chords.back().back();
  const auto hold = static_cast<std::uint32_t>(2 * barTicks);
  bass.Note(end, kBassChannel, KeyAtOrAbove(last.pcs[0], 36), 72, hold);
  for (std::size_t i = 0; i < last.pcs.size(); ++i) {
    const int key = KeyAtOrAbove(last.pcs[i], 55);
    comp.Note(end + static_cast<std::uint32_t>(i) * 40, kCompChannel, key, 56, hold);
    strings.Note(end, kStringsChannel, key + 12, 40, hold);
  }
  const int tonic = melody.empty() ? 72 : KeyAtOrAbove(last.pcs[0], 60 + tune.transpose);
  lead.Note(end, kLeadChannel, tonic, 60, hold);

  std::vector<SmfTrack> tracks = {conductor, lead, comp, bass, strings};
  if (tune.round) tracks.push_back(round);
  return soundgen::EncodeSmf(kTicksPerQuarter, tracks);
}

}  // namespace zendral::musicgen
