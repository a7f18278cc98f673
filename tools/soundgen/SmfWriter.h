#pragma once
// Writes Standard MIDI Files: format 1, ticks per quarter note, one channel per track.

#include <cstdint>
#include <string_view>
#include <vector>

namespace zendral::soundgen {

class SmfTrack {
 public:
  void Name(std::string_view name);
  void Tempo(std::uint32_t tick, double quartersPerMinute);
  void TimeSignature(std::uint32_t tick, int numerator, int denominatorPower);
  void KeySignature(std::uint32_t tick, int sharps, bool minor);
  void ProgramChange(std::uint32_t tick, int channel, int program);
  void ControlChange(std::uint32_t tick, int channel, int controller, int value);
  // A note from `tick` for `length` ticks.
  void Note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t length);

  // The track chunk: events in time order (at one tick, note-offs before everything else,
  // so a repeated note is released before it sounds again), closed by end-of-track.
  std::vector<std::uint8_t> Encode() const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // 0 note-off, 1 meta and controls, 2 note-on
    std::uint32_t sequence;
    std::vector<std::uint8_t> bytes;
  };
  void Add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);

  std::vector<Event> events_;
};

std::vector<std::uint8_t> EncodeSmf(int ticksPerQuarter, const std::vector<SmfTrack>& tracks);

}  // namespace zendral::soundgen
