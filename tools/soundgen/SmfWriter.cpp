#include "SmfWriter.h"

#include <algorithm>
#include <cmath>

namespace zendral::soundgen {

namespace {

void PutVarLength(std::vector<std::uint8_t>& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(value & 0x7FU);
    value >>= 7;
  } while (value != 0);
  while (n > 1) out.push_back(groups[--n] | 0x80U);
  out.push_back(groups[0]);
}

void PutBe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint8_t Data(int v) {
  return static_cast<std::uint8_t>(std::clamp(v, 0, 127));
}
std::uint8_t Status(int kind, int channel) {
  return static_cast<std::uint8_t>(kind | (channel & 0x0F));
}

}  // namespace

void SmfTrack::Add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
  events_.push_back({tick, order, static_cast<std::uint32_t>(events_.size()), std::move(bytes)});
}

void SmfTrack::Name(std::string_view name) {
  std::vector<std::uint8_t> bytes = {0xFF, 0x03};
  PutVarLength(bytes, static_cast<std::uint32_t>(name.size()));
  bytes.insert(bytes.end(), name.begin(), name.end());
  Add(0, 1, std::move(bytes));
}

void SmfTrack::Tempo(std::uint32_t tick, double quartersPerMinute) {
  const auto micros = static_cast<std::uint32_t>(std::lround(60'000'000.0 / quartersPerMinute));
  std::vector<std::uint8_t> bytes = {0xFF, 0x51, 0x03};
  PutBe(bytes, micros, 3);
  Add(tick, 1, std::move(bytes));
}

void SmfTrack::TimeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
  // 24 MIDI clocks per metronome click, 8 thirty-seconds per quarter.
  Add(tick, 1, {0xFF, 0x58, 0x04, Data(numerator), Data(denominatorPower), 24, 8});
}

void SmfTrack::KeySignature(std::uint32_t tick, int sharps, bool minor) {
  Add(tick, 1,
      {0xFF, 0x59, 0x02, static_cast<std::uint8_t>(static_cast<std::int8_t>(sharps)),
       static_cast<std::uint8_t>(minor ? 1 : 0)});
}

void SmfTrack::ProgramChange(std::uint32_t tick, int channel, int program) {
  Add(tick, 1, {Status(0xC0, channel), Data(program)});
}

void SmfTrack::ControlChange(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, 1, {Status(0xB0, channel), Data(controller), Data(value)});
}

void SmfTrack::Note(std::uint32_t tick, int channel, int key, int velocity, std::uint32_t length) {
  Add(tick, 2,
      {Status(0x90, channel), Data(key), static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
  Add(tick + std::max<std::uint32_t>(length, 1), 0, {Status(0x80, channel), Data(key), 64});
}

std::vector<std::uint8_t> SmfTrack::Encode() const {
  std::vector<const Event*> order;
  for (const Event& e : events_) order.push_back(&e);
  std::stable_sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
    if (a->tick != b->tick) return a->tick < b->tick;
    if (a->order != b->order) return a->order < b->order;
    return a->sequence < b->sequence;
  });
  std::vector<std::uint8_t> body;
  std::uint32_t tick = 0;
  for (const Event* e : order) {
    PutVarLength(body, e->tick - tick);
    tick = e->tick;
    body.insert(body.end(), e->bytes.begin(), e->bytes.end());
  }
  body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});

  std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
  PutBe(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

std::vector<std::uint8_t> EncodeSmf(int ticksPerQuarter, const std::vector<SmfTrack>& tracks) {
  std::vector<std::uint8_t> out = {'M', 'T', 'h', 'd'};
  PutBe(out, 6, 4);
  PutBe(out, 1, 2);  // format 1: simultaneous tracks
  PutBe(out, static_cast<std::uint32_t>(tracks.size()), 2);
  PutBe(out, static_cast<std::uint32_t>(ticksPerQuarter), 2);
  for (const SmfTrack& track : tracks) {
    const auto chunk = track.Encode();
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace zendral::soundgen
