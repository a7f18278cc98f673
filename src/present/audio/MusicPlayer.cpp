#include "present/audio/MusicPlayer.h"

#include <chrono>
#include <fstream>
#include <system_error>
#include <vector>

#include "present/audio/MidiFileInfo.h"

namespace zendral::audio {

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kMaxSongBytes = 4U << 20;

}  // namespace

bool IsUsableMidiFile(const fs::path& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return false;
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec || size > kMaxSongBytes) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::vector<std::byte> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) return false;
  return ReadMidiFileInfo(bytes).has_value();
}

bool WriteFileAtomically(const fs::path& target, std::span<const std::byte> bytes) {
  // A name of its own per attempt, so two copies of the program starting together do not
  // write into each other's temporary file.
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  fs::path temp = target;
  temp += ".part" + std::to_string(stamp);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

MusicPlayer::MusicPlayer(MidiEngine& engine) : engine_(engine) {}

MusicError MusicPlayer::PrepareMusic(std::span<const std::byte> song, const fs::path& folder) {
  if (ready_) engine_.Close();
  ready_ = false;
  wanted_ = false;
  path_ = folder / kMusicFileName;
  if (IsUsableMidiFile(path_)) {
    fileState_ = MusicFileState::kReused;
  } else if (!song.empty() && WriteFileAtomically(path_, song)) {
    fileState_ = MusicFileState::kWritten;
  } else {
    fileState_ = MusicFileState::kFailed;
    return MusicError::kCantCreateMusicFile;
  }
  // An engine that cannot open the file is the player's own error: no message, no music.
  ready_ = engine_.Open(path_);
  return MusicError::kNone;
}

void MusicPlayer::PlayMusic(bool on) {
  if (!ready_) return;
  if (on) {
    wanted_ = engine_.Start();
  } else {
    wanted_ = false;
    engine_.Stop();
  }
}

void MusicPlayer::OnTimer2(bool introOrMenuShown, bool musicOn) {
  if (!ready_ || !introOrMenuShown || !musicOn) return;
  if (!engine_.IsPlaying()) wanted_ = engine_.Start();
}

void MusicPlayer::CloseMusic() {
  if (ready_) {
    engine_.Stop();
    engine_.Close();
  }
  ready_ = false;
  wanted_ = false;
}

bool MusicPlayer::DeleteMusicFile() {
  // Only a file this run wrote or took over is ours to remove.
  if (fileState_ != MusicFileState::kWritten && fileState_ != MusicFileState::kReused) {
    return true;
  }
  std::error_code ec;
  fs::remove(path_, ec);
  return !ec;
}

}  // namespace zendral::audio
