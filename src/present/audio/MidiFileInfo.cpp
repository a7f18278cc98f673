#include "present/audio/MidiFileInfo.h"

#include <algorithm>
#include <array>

namespace zendral::audio {

namespace {

constexpr std::uint32_t kDefaultTempo = 500'000;            // 120 quarter notes per minute
constexpr std::uint64_t kMaxTick = std::uint64_t{1} << 40;  // far beyond any real song

// A cursor over one chunk's bytes; every read checks the bounds first.
class Reader {
 public:
  explicit Reader(std::span<const std::byte> bytes) : bytes_(bytes) {}

  bool AtEnd() const { return at_ >= bytes_.size(); }
  std::size_t Left() const { return bytes_.size() - at_; }

  bool Byte(std::uint8_t& out) {
    if (AtEnd()) return false;
    out = static_cast<std::uint8_t>(bytes_[at_++]);
    return true;
  }
  bool Skip(std::size_t n) {
    if (n > Left()) return false;
    at_ += n;
    return true;
  }
  bool Peek(std::uint8_t& out) const {
    if (AtEnd()) return false;
    out = static_cast<std::uint8_t>(bytes_[at_]);
    return true;
  }
  // A variable-length quantity: at most four bytes, seven bits each.
  bool VarLength(std::uint32_t& out) {
    out = 0;
    for (int i = 0; i < 4; ++i) {
      std::uint8_t b = 0;
      if (!Byte(b)) return false;
      out = (out << 7) | (b & 0x7FU);
      if ((b & 0x80U) == 0) return true;
    }
    return false;
  }
  std::span<const std::byte> Take(std::size_t n) {
    const auto part = bytes_.subspan(at_, n);
    at_ += n;
    return part;
  }

 private:
  std::span<const std::byte> bytes_;
  std::size_t at_ = 0;
};

std::uint32_t Be32(std::span<const std::byte> b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) << 24 | static_cast<std::uint32_t>(b[at + 1]) << 16 |
         static_cast<std::uint32_t>(b[at + 2]) << 8 | static_cast<std::uint32_t>(b[at + 3]);
}

std::uint16_t Be16(std::span<const std::byte> b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned>(b[at]) << 8 |
                                    static_cast<unsigned>(b[at + 1]));
}

bool TagIs(std::span<const std::byte> b, std::size_t at, const char (&tag)[5]) {
  for (std::size_t i = 0; i < 4; ++i) {
    if (static_cast<char>(b[at + i]) != tag[i]) return false;
  }
  return true;
}

// Data bytes that follow a channel status.
int ChannelDataLength(std::uint8_t status) {
  const std::uint8_t kind = status & 0xF0U;
  return (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
}

const char* ReadTrack(std::span<const std::byte> body, MidiTrackInfo& track,
                      std::vector<MidiTempoChange>& tempos) {
  Reader in(body);
  std::uint64_t tick = 0;
  std::uint8_t runningStatus = 0;
  std::array<int, 16 * 128> sounding{};  // notes on per channel and key
  std::array<bool, 16> usedChannel{};
  bool ended = false;

  while (!in.AtEnd()) {
    if (ended) return "events after the end of the track";
    std::uint32_t delta = 0;
    if (!in.VarLength(delta)) return "damaged delta time";
    tick += delta;
    if (tick > kMaxTick) return "track too long";

    std::uint8_t status = 0;
    if (!in.Peek(status)) return "event missing after its delta time";
    if (status & 0x80U) {
      in.Skip(1);
    } else {
      if (runningStatus == 0) return "data byte without a status";
      status = runningStatus;
    }
    ++track.eventCount;

    if (status == 0xFF) {  // meta event
      std::uint8_t type = 0;
      std::uint32_t length = 0;
      if (!in.Byte(type) || !in.VarLength(length) || length > in.Left()) {
        return "damaged meta event";
      }
      const auto data = in.Take(length);
      if (type == 0x2F) {
        if (length != 0) return "damaged end of track";
        ended = true;
        track.endTick = tick;
      } else if (type == 0x51) {
        if (length != 3) return "damaged tempo";
        const std::uint32_t tempo = static_cast<std::uint32_t>(data[0]) << 16 |
                                    static_cast<std::uint32_t>(data[1]) << 8 |
                                    static_cast<std::uint32_t>(data[2]);
        if (tempo == 0) return "zero tempo";
        tempos.push_back({tick, tempo});
      }
      runningStatus = 0;                            // meta and system events cancel running status
    } else if (status == 0xF0 || status == 0xF7) {  // system exclusive
      std::uint32_t length = 0;
      if (!in.VarLength(length) || !in.Skip(length)) return "damaged system exclusive";
      runningStatus = 0;
    } else if (status >= 0xF1) {
      return "system message inside a file";
    } else {
      std::array<std::uint8_t, 2> data{};
      for (int i = 0; i < ChannelDataLength(status); ++i) {
        if (!in.Byte(data[i]) || (data[i] & 0x80U)) return "damaged channel message";
      }
      runningStatus = status;
      const int channel = status & 0x0F;
      usedChannel[channel] = true;
      int& on = sounding[channel * 128 + data[0]];
      switch (status & 0xF0U) {
        case 0x90:
          if (data[1] > 0) {
            ++track.noteOnCount;
            ++on;
            break;
          }
          [[fallthrough]];
        case 0x80:
          ++track.noteOffCount;
          if (on > 0) --on;
          break;
        case 0xC0:
          ++track.programChangeCount;
          break;
        default:
          break;
      }
    }
  }
  if (!ended) return "track without an end";
  for (int n : sounding) track.unfinishedNoteCount += n;
  for (int c = 0; c < 16; ++c) {
    if (usedChannel[c]) track.channels.push_back(c);
  }
  return nullptr;
}

std::optional<MidiFileInfo> Fail(std::string* error, const char* reason) {
  if (error != nullptr) *error = reason;
  return std::nullopt;
}

}  // namespace

double MidiFileInfo::DurationSeconds() const {
  if (division <= 0) return 0.0;
  std::uint64_t end = 0;
  for (const auto& t : tracks) end = std::max(end, t.endTick);
  double seconds = 0.0;
  std::uint64_t tick = 0;
  std::uint32_t tempo = kDefaultTempo;
  for (const auto& change : tempoChanges) {
    if (change.tick >= end) break;
    seconds += static_cast<double>(change.tick - tick) * tempo / 1e6 / division;
    tick = change.tick;
    tempo = change.microsecondsPerQuarter;
  }
  seconds += static_cast<double>(end - tick) * tempo / 1e6 / division;
  return seconds;
}

std::optional<MidiFileInfo> ReadMidiFileInfo(std::span<const std::byte> bytes, std::string* error) {
  if (bytes.size() < 14 || !TagIs(bytes, 0, "MThd")) return Fail(error, "not a MIDI file");
  const std::uint32_t headerLength = Be32(bytes, 4);
  if (headerLength < 6 || headerLength > bytes.size() - 8) return Fail(error, "damaged header");

  MidiFileInfo info;
  info.format = Be16(bytes, 8);
  const int trackCount = Be16(bytes, 10);
  const std::uint16_t division = Be16(bytes, 12);
  if (info.format > 2) return Fail(error, "unknown format");
  if (trackCount == 0 || (info.format == 0 && trackCount != 1)) {
    return Fail(error, "wrong number of tracks");
  }
  if (division & 0x8000U) return Fail(error, "time code division not supported");
  if (division == 0) return Fail(error, "zero division");
  info.division = division;

  std::size_t at = 8 + headerLength;
  while (bytes.size() - at >= 8) {
    const std::uint32_t length = Be32(bytes, at + 4);
    if (length > bytes.size() - at - 8) return Fail(error, "chunk runs past the end");
    const auto body = bytes.subspan(at + 8, length);
    if (TagIs(bytes, at, "MTrk")) {
      if (static_cast<int>(info.tracks.size()) == trackCount) {
        return Fail(error, "more tracks than the header says");
      }
      MidiTrackInfo track;
      if (const char* reason = ReadTrack(body, track, info.tempoChanges)) {
        return Fail(error, reason);
      }
      info.tracks.push_back(std::move(track));
    }
    at += 8 + length;
  }
  if (at != bytes.size()) return Fail(error, "stray bytes at the end");
  if (static_cast<int>(info.tracks.size()) != trackCount) {
    return Fail(error, "fewer tracks than the header says");
  }
  std::stable_sort(info.tempoChanges.begin(), info.tempoChanges.end(),
                   [](const auto& a, const auto& b) { return a.tick < b.tick; });
  return info;
}

}  // namespace zendral::audio
