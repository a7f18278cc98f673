#pragma once
// The online music player: the tracks of the service's playlist page, one random track at a
// time, play and pause, the next random track, the volume, and the next track when one ends.
// The page is fetched without holding the program; the player exists once a page of more than
// four tracks has come.

#include <QNetworkAccessManager>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "present/audio/Playlist.h"
#include "present/audio/StreamPlayer.h"

namespace zendral::audio {

class OnlinePlayer {
 public:
  // A random whole number from 0 to count - 1.
  using Random = std::function<int(int count)>;

  // serviceBase: "http://127.0.0.1:8044"; the page and the tracks are found under it.
  OnlinePlayer(QUrl serviceBase, Random random);
  ~OnlinePlayer();
  OnlinePlayer(const OnlinePlayer&) = delete;
  OnlinePlayer& operator=(const OnlinePlayer&) = delete;

  // Fetches the playlist page; the answer (or none, after a few seconds) arrives later. A
  // failed fetch leaves the player off.
  void LoadPlaylist();
  // Builds the player from the page's text: a random track, volume 50, not playing. False
  // (and no player) for a list of four tracks or fewer.
  bool TakePlaylist(std::string_view page);

  bool Available() const { return !tracks_.empty(); }
  bool Playing() const { return playing_; }
  int Volume() const { return volume_; }
  const std::vector<PlaylistTrack>& Tracks() const { return tracks_; }
  int CurrentIndex() const { return current_; }
  const PlaylistTrack* Current() const;
  QUrl AddressOf(const PlaylistTrack& track) const;

  // The three buttons: play or pause; the next random track, playing; a click on the volume
  // button at x pixels from its left edge.
  void PlayPause();
  void Next();
  void VolumeClick(int x);

  // The end-of-track timer: a playing track that has reached its end gives way to the next.
  void CheckEnd();

  // Called after anything the buttons show has changed (the player came, a track, playing or
  // paused, the volume).
  std::function<void()> onChange;

  StreamPlayer& Stream() { return *stream_; }

 private:
  void ChooseTrack();
  void Changed();

  QUrl base_;
  Random random_;
  std::unique_ptr<QNetworkAccessManager> network_;
  std::unique_ptr<StreamPlayer> stream_;
  QTimer endTimer_;
  std::vector<PlaylistTrack> tracks_;
  int current_ = -1;
  bool playing_ = false;
  bool started_ = false;  // the current track's stream has been asked for
  int volume_ = kMusicStartVolume;
};

}  // namespace zendral::audio
