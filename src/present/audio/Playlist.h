#pragma once
// The online music player's rules without the player: the lines of the playlist page, the
// choice of a track, and the volume button's click zones.
//
// The page "/musik/_playlist.html" holds one track a line, a file name of the form
// artist "~" title ".mp3" with underscores where the names have blanks. A track lies in the
// server's "/musik/" folder under that line.

#include <string>
#include <string_view>
#include <vector>

namespace zendral::audio {

inline constexpr std::string_view kPlaylistPath = "/musik/_playlist.html";
inline constexpr std::string_view kMusicFolderPath = "/musik/";

struct PlaylistTrack {
  std::string path;    // "/musik/" + the line, as it stands on the page
  std::string artist;  // the part before the first "~", underscores as blanks
  std::string title;   // the part after it without ".mp3", underscores as blanks

  friend bool operator==(const PlaylistTrack&, const PlaylistTrack&) = default;
};

// The tracks of the page, in its order. Line ends may be CR LF or LF; blank lines and the
// blanks around a line are left out. A line without "~" is a title of no known artist.
std::vector<PlaylistTrack> ParsePlaylist(std::string_view page);

// The player is made only for a list of more than four tracks.
inline constexpr std::size_t kPlaylistMinimumTracks = 5;
bool PlaylistIsPlayable(const std::vector<PlaylistTrack>& tracks);

// The play button's hint: artist + "  :  " + title.
std::string TrackHint(const PlaylistTrack& track);

// Whether a playing track has reached its end: its stream said so, or its position has come
// within `slackMs` of its known length.
bool TrackHasEnded(bool streamEnded, long long positionMs, long long lengthMs, long long slackMs);

// The volume of the music player, in per cent.
inline constexpr int kMusicStartVolume = 50;
inline constexpr int kMusicVolumeStep = 5;
// A click on the volume button at x pixels from its picture's left edge: more than 34 raises
// the volume by a step (up to 100), 25 or less lowers it (down to 0), between leaves it.
int MusicVolumeAfterClick(int volume, int x);

}  // namespace zendral::audio
