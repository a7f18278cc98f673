#include "present/audio/Playlist.h"

#include <algorithm>

namespace zendral::audio {

namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Blanks(std::string_view s) {
  std::string out(s);
  std::replace(out.begin(), out.end(), '_', ' ');
  return out;
}

bool EndsWithMp3(std::string_view s) {
  if (s.size() < 4) return false;
  const std::string_view tail = s.substr(s.size() - 4);
  return tail[0] == '.' && (tail[1] | 0x20) == 'm' && (tail[2] | 0x20) == 'p' && tail[3] == '3';
}

}  // namespace

std::vector<PlaylistTrack> ParsePlaylist(std::string_view page) {
  // A page saved with a byte order mark still starts with its first track.
  if (page.starts_with("\xEF\xBB\xBF")) page.remove_prefix(3);
  std::vector<PlaylistTrack> tracks;
  while (!page.empty()) {
    const std::size_t end = page.find('\n');
    const std::string_view line = Trim(page.substr(0, end));
    page = end == std::string_view::npos ? std::string_view{} : page.substr(end + 1);
    if (line.empty()) continue;

    PlaylistTrack track;
    track.path = std::string(kMusicFolderPath) + std::string(line);
    const std::size_t tilde = line.find('~');
    std::string_view title = tilde == std::string_view::npos ? line : line.substr(tilde + 1);
    if (EndsWithMp3(title)) title.remove_suffix(4);
    if (tilde != std::string_view::npos) track.artist = Blanks(line.substr(0, tilde));
    track.title = Blanks(title);
    tracks.push_back(std::move(track));
  }
  return tracks;
}

bool PlaylistIsPlayable(const std::vector<PlaylistTrack>& tracks) {
  return tracks.size() >= kPlaylistMinimumTracks;
}

std::string TrackHint(const PlaylistTrack& track) {
  return track.artist + "  :  " + track.title;
}

bool TrackHasEnded(bool streamEnded, long long positionMs, long long lengthMs, long long slackMs) {
  return streamEnded || (lengthMs > 0 && positionMs >= lengthMs - slackMs);
}

int MusicVolumeAfterClick(int volume, int x) {
  volume = std::clamp(volume, 0, 100);
  if (x > 34) return std::min(100, volume + kMusicVolumeStep);
  if (x <= 25) return std::max(0, volume - kMusicVolumeStep);
  return volume;
}

}  // namespace zendral::audio
