#pragma once
// The server's radio: GET /radio/NAME answers with an endless MP3 stream, the way an internet
// radio server sends one. Each station plays its tracks (RadioList.h) in a loop at their own
// pace, one play position for all its listeners: a newcomer gets the last second played at
// once, then every listener the same frames every 100 ms. The station only plays while it has
// listeners. A listener that cannot keep up is dropped; a closed connection frees everything.

#include <QByteArray>
#include <QElapsedTimer>
#include <QHttpServerResponder>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "Reply.h"

namespace zendral::server {

inline constexpr int kRadioTickMs = 100;
inline constexpr qint64 kRadioBurstNs = 1'000'000'000;        // sent to a newcomer at once
inline constexpr qint64 kRadioMaxPending = 256 * 1024;        // unsent bytes of a listener
inline constexpr int kRadioMaxListeners = 64;                 // per station
inline constexpr int kRadioStreamsPerCaller = 3;              // over all stations
inline constexpr qint64 kRadioMaxTrack = 64ll * 1024 * 1024;  // larger files are skipped

// An MPEG audio frame header (any version, any layer): the whole frame's length in bytes and
// how long it plays. Nothing for bytes that are no frame header (also free format).
struct Mp3Frame {
  int length = 0;
  qint64 durationNs = 0;
  int bitrateKbps = 0;
};
std::optional<Mp3Frame> ReadMp3Frame(const char* bytes, qsizetype available);

class RadioStream final : public QObject {
 public:
  explicit RadioStream(QString musicDir, QObject* parent = nullptr);
  ~RadioStream() override;

  // Takes the request for /radio/NAME. A reply to send back (unknown station, station full,
  // nothing playable) or nothing when the connection has become a listener (or, for HEAD, has
  // had its headers).
  // caller: the CallerKey of the listener's address, who may hold a few streams at once.
  std::optional<ServiceReply> Serve(const QString& station, bool headOnly,
                                    QHttpServerResponder& responder,
                                    const QString& caller = QString());
  int ListenerCount(const QString& station) const;

 private:
  struct Frame {
    QByteArray bytes;
    qint64 durationNs = 0;
  };
  struct Listener {
    QPointer<QTcpSocket> socket;
    std::shared_ptr<QHttpServerResponder> responder;  // held for the connection's life
    QString caller;                                   // CallerKey of the listener's address
  };
  struct Station {
    QString name;
    QString trackPath;  // the track playing, empty before the first
    QByteArray track;
    qsizetype offset = 0;
    std::deque<Frame> played;  // the last second or so
    qint64 playedNs = 0;
    qint64 creditNs = 0;
    qint64 lastTickNs = 0;
    std::vector<Listener> listeners;
    QTimer timer;
  };

  // The next frame of the station, moving on to the next track at a track's end; nothing when
  // no track of the station holds a frame.
  std::optional<Frame> NextFrame(Station& station);
  bool OpenNextTrack(Station& station);
  void Played(Station& station, Frame frame);
  void Tick(Station& station);
  void Remove(Station& station, QTcpSocket* socket);
  void CloseAll(Station& station);

  QString musicDir_;
  QElapsedTimer clock_;
  std::map<QString, std::unique_ptr<Station>> stations_;
};

}  // namespace zendral::server
