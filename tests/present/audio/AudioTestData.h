#pragma once
// Builders of small WAV and MIDI files for the audio tests.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace zendral::audio::test {

using Bytes = std::vector<std::byte>;

inline void Put(Bytes& b, std::uint32_t v, int count, bool bigEndian = false) {
  for (int i = 0; i < count; ++i) {
    const int shift = bigEndian ? 8 * (count - 1 - i) : 8 * i;
    b.push_back(static_cast<std::byte>((v >> shift) & 0xFFU));
  }
}
inline void PutText(Bytes& b, std::string_view text) {
  for (char c : text) b.push_back(static_cast<std::byte>(c));
}
inline void PutBytes(Bytes& b, std::initializer_list<int> values) {
  for (int v : values) b.push_back(static_cast<std::byte>(v));
}

// A PCM WAV of silent frames.
inline Bytes MakeWav(int channels, int sampleRate, int bits, std::uint32_t frames) {
  const std::uint32_t dataBytes = frames * channels * (bits / 8);
  Bytes b;
  PutText(b, "RIFF");
  Put(b, 36 + dataBytes, 4);
  PutText(b, "WAVEfmt ");
  Put(b, 16, 4);
  Put(b, 1, 2);
  Put(b, channels, 2);
  Put(b, sampleRate, 4);
  Put(b, sampleRate * channels * (bits / 8), 4);
  Put(b, channels * (bits / 8), 2);
  Put(b, bits, 2);
  PutText(b, "data");
  Put(b, dataBytes, 4);
  b.resize(b.size() + dataBytes, std::byte{0});
  return b;
}

// A chunk of a MIDI file: tag, big-endian length, body.
inline Bytes MidiChunk(std::string_view tag, const Bytes& body) {
  Bytes b;
  PutText(b, tag);
  Put(b, static_cast<std::uint32_t>(body.size()), 4, true);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

inline Bytes MidiHeader(int format, int tracks, int division) {
  Bytes body;
  Put(body, format, 2, true);
  Put(body, tracks, 2, true);
  Put(body, division, 2, true);
  return MidiChunk("MThd", body);
}

// A small format-1 song: a tempo track (tempo 600000 at 0, 300000 at tick 960) and one
// note track of two quarter notes (the second with running status and a zero-velocity
// note-on as its release), each track closed at tick 1920 at 480 ticks per quarter.
inline Bytes MakeSmallSong() {
  Bytes tempo;
  PutBytes(tempo, {0x00, 0xFF, 0x51, 0x03, 0x09, 0x27, 0xC0});        // 600000 us
  PutBytes(tempo, {0x87, 0x40, 0xFF, 0x51, 0x03, 0x04, 0x93, 0xE0});  // +960: 300000 us
  PutBytes(tempo, {0x87, 0x40, 0xFF, 0x2F, 0x00});                    // +960: end
  Bytes notes;
  PutBytes(notes, {0x00, 0xC0, 0x49});              // program change: flute
  PutBytes(notes, {0x00, 0x90, 0x45, 0x60});        // A4 on
  PutBytes(notes, {0x83, 0x60, 0x80, 0x45, 0x40});  // +480 off
  PutBytes(notes, {0x00, 0x90, 0x48, 0x60});        // C5 on
  PutBytes(notes, {0x83, 0x60, 0x48, 0x00});        // +480 running status, velocity 0
  PutBytes(notes, {0x87, 0x40, 0xFF, 0x2F, 0x00});  // +960 end, at 1920
  Bytes file = MidiHeader(1, 2, 480);
  for (const Bytes& track : {tempo, notes}) {
    const Bytes chunk = MidiChunk("MTrk", track);
    file.insert(file.end(), chunk.begin(), chunk.end());
  }
  return file;
}

// A format-0 song of one short note (48 ticks at 480 per quarter and 120 per minute: 50 ms).
inline Bytes MakeBlipSong() {
  Bytes track;
  PutBytes(track, {0x00, 0xC0, 0x49, 0x00, 0x90, 0x45, 0x60, 0x30, 0x80, 0x45, 0x40});
  PutBytes(track, {0x00, 0xFF, 0x2F, 0x00});
  Bytes file = MidiHeader(0, 1, 480);
  const Bytes chunk = MidiChunk("MTrk", track);
  file.insert(file.end(), chunk.begin(), chunk.end());
  return file;
}

// A fresh, empty folder under the system's temporary folder, its name unique to this process
// (builds of several developers may run the tests at once).
inline std::filesystem::path FreshTempFolder(std::string_view name) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("zendral-" + std::string(name) + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace zendral::audio::test
