#include "RadioStream.h"

#include <QFile>

#include <algorithm>
#include <array>

#include "ConnectionGate.h"
#include "RadioList.h"

namespace zendral::server {
namespace {

// Kilobits per second by [MPEG-1 or not][layer I, II, III][index].
constexpr std::array<std::array<std::array<int, 16>, 3>, 2> kBitrates = {{
    {{{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
      {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
      {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}}},
    {{{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}}},
}};
// Samples per second by version bits (2.5, reserved, 2, 1) and index.
constexpr std::array<std::array<int, 3>, 4> kSampleRates = {{
    {11025, 12000, 8000},
    {0, 0, 0},
    {22050, 24000, 16000},
    {44100, 48000, 32000},
}};

// Past an ID3v2 tag at the start of a track.
qsizetype AfterTag(const QByteArray& track) {
  if (track.size() < 10 || !track.startsWith("ID3")) return 0;
  qint64 size = 0;
  for (int i = 6; i < 10; ++i) size = (size << 7) | (static_cast<uchar>(track[i]) & 0x7F);
  const bool footer = (static_cast<uchar>(track[5]) & 0x10) != 0;
  return static_cast<qsizetype>(std::min<qint64>(track.size(), 10 + size + (footer ? 10 : 0)));
}

QByteArray Headers(const QString& station, int bitrateKbps) {
  QByteArray head =
      "HTTP/1.0 200 OK\r\n"
      "Content-Type: audio/mpeg\r\n"
      "icy-name: " +
      RadioStationTitle(station).toUtf8() + "\r\n";
  if (bitrateKbps > 0) head += "icy-br: " + QByteArray::number(bitrateKbps) + "\r\n";
  head +=
      "Cache-Control: no-cache\r\n"
      "Connection: close\r\n\r\n";
  return head;
}

}  // namespace

std::optional<Mp3Frame> ReadMp3Frame(const char* bytes, qsizetype available) {
  if (available < 4) return std::nullopt;
  const auto* b = reinterpret_cast<const uchar*>(bytes);
  if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0) return std::nullopt;
  const int version = (b[1] >> 3) & 3;      // 0 = 2.5, 1 reserved, 2 = 2, 3 = 1
  const int layer = 4 - ((b[1] >> 1) & 3);  // 4 is reserved
  const int bitrateIndex = b[2] >> 4;
  const int rateIndex = (b[2] >> 2) & 3;
  const int padding = (b[2] >> 1) & 1;
  if (version == 1 || layer == 4 || rateIndex == 3) return std::nullopt;
  const int kbps = kBitrates[version == 3 ? 0 : 1][layer - 1][bitrateIndex];
  const int rate = kSampleRates[version][rateIndex];
  if (kbps == 0 || rate == 0) return std::nullopt;  // free format or invalid
  Mp3Frame frame;
  frame.bitrateKbps = kbps;
  int samples = 1152;
  if (layer == 1) {
    samples = 384;
    frame.length = (12 * kbps * 1000 / rate + padding) * 4;
  } else if (layer == 3 && version != 3) {
    samples = 576;
    frame.length = 72 * kbps * 1000 / rate + padding;
  } else {
    frame.length = 144 * kbps * 1000 / rate + padding;
  }
  frame.durationNs = static_cast<qint64>(samples) * 1'000'000'000 / rate;
  return frame;
}

RadioStream::RadioStream(QString musicDir, QObject* parent)
    : QObject(parent), musicDir_(std::move(musicDir)) {
  clock_.start();
}

RadioStream::~RadioStream() {
  for (auto& [name, station] : stations_) {
    station->timer.stop();
    for (const Listener& listener : station->listeners) {
      if (listener.socket) QObject::disconnect(listener.socket, nullptr, this, nullptr);
    }
  }
}

int RadioStream::ListenerCount(const QString& station) const {
  const auto it = stations_.find(station);
  return it == stations_.end() ? 0 : static_cast<int>(it->second->listeners.size());
}

std::optional<ServiceReply> RadioStream::Serve(const QString& name, bool headOnly,
                                               QHttpServerResponder& responder,
                                               const QString& caller) {
  if (RadioTracks(musicDir_, name).isEmpty()) return reply::Status(404, "no such station\n");
  QTcpSocket* socket = responder.socket();
  if (socket == nullptr || socket->state() != QAbstractSocket::ConnectedState) {
    return reply::Status(500, "no connection\n");
  }
  auto& slot = stations_[name];
  if (!slot) {
    slot = std::make_unique<Station>();
    slot->name = name;
    Station* station = slot.get();
    QObject::connect(&station->timer, &QTimer::timeout, this, [this, station] { Tick(*station); });
  }
  Station& station = *slot;
  if (headOnly) {
    socket->write(Headers(name, 0));
    socket->disconnectFromHost();
    return std::nullopt;
  }
  if (station.listeners.size() >= static_cast<std::size_t>(kRadioMaxListeners)) {
    return reply::Status(503, "station full\n");
  }
  // One caller cannot take a station's places from everybody else.
  int callerStreams = 0;
  for (const auto& [stationName, other] : stations_) {
    for (const Listener& l : other->listeners) {
      if (l.socket != nullptr && l.caller == caller) ++callerStreams;
    }
  }
  if (callerStreams >= kRadioStreamsPerCaller) return reply::Status(503, "too many streams\n");
  // A station that has not played yet plays its first second at once, for the newcomer.
  while (station.playedNs < kRadioBurstNs) {
    auto frame = NextFrame(station);
    if (!frame) return reply::Status(404, "nothing to play\n");
    Played(station, std::move(*frame));
  }
  if (station.listeners.empty()) {
    station.lastTickNs = clock_.nsecsElapsed();
    station.creditNs = 0;
    station.timer.start(kRadioTickMs);
  }
  const int kbps =
      ReadMp3Frame(station.played.front().bytes.constData(), station.played.front().bytes.size())
          ->bitrateKbps;
  QByteArray burst = Headers(name, kbps);
  for (const Frame& frame : station.played) burst += frame.bytes;
  socket->write(burst);

  Listener listener;
  listener.socket = socket;
  listener.responder = std::make_shared<QHttpServerResponder>(std::move(responder));
  listener.caller = caller;
  // The stream never ends: nothing more is read from its connection.
  if (ConnectionGate* gate = ConnectionGate::Of(socket)) gate->Hold();
  station.listeners.push_back(std::move(listener));
  Station* at = &station;
  QObject::connect(socket, &QAbstractSocket::disconnected, this,
                   [this, at, socket] { Remove(*at, socket); });
  QObject::connect(socket, &QObject::destroyed, this, [this, at, socket] { Remove(*at, socket); });
  return std::nullopt;
}

bool RadioStream::OpenNextTrack(Station& station) {
  station.track.clear();
  station.offset = 0;
  const QStringList tracks = RadioTracks(musicDir_, station.name);
  if (tracks.isEmpty()) return false;
  // The next by name after the one that played, so that tracks added or removed meanwhile
  // take their place in the loop.
  QString next = tracks.front();
  for (const QString& track : tracks) {
    if (track > station.trackPath) {
      next = track;
      break;
    }
  }
  station.trackPath = next;
  QFile file(next);
  if (file.size() <= kRadioMaxTrack && file.open(QIODevice::ReadOnly)) {
    station.track = file.readAll();
  }
  station.offset = AfterTag(station.track);
  return true;
}

std::optional<RadioStream::Frame> RadioStream::NextFrame(Station& station) {
  // Every track may be opened once in one call; when none of them holds a frame the station
  // has nothing to play.
  int opened = 0;
  for (;;) {
    const qsizetype size = station.track.size();
    if (station.offset >= size) {
      if (++opened > static_cast<int>(RadioTracks(musicDir_, station.name).size()) ||
          !OpenNextTrack(station)) {
        return std::nullopt;
      }
      continue;
    }
    const char* at = station.track.constData() + station.offset;
    if (const auto header = ReadMp3Frame(at, size - station.offset);
        header && header->length <= size - station.offset) {
      Frame frame{QByteArray(at, header->length), header->durationNs};
      station.offset += header->length;
      return frame;
    }
    // Not a frame (a tag at the end, damage): on to the next sync byte.
    const qsizetype next = station.track.indexOf('\xFF', station.offset + 1);
    station.offset = next < 0 ? size : next;
  }
}

void RadioStream::Played(Station& station, Frame frame) {
  station.playedNs += frame.durationNs;
  station.played.push_back(std::move(frame));
  while (station.played.size() > 1 &&
         station.playedNs - station.played.front().durationNs >= kRadioBurstNs) {
    station.playedNs -= station.played.front().durationNs;
    station.played.pop_front();
  }
}

void RadioStream::Tick(Station& station) {
  const qint64 now = clock_.nsecsElapsed();
  // After a stall the station catches up by at most a second or two, not all at once.
  station.creditNs = std::min(station.creditNs + (now - station.lastTickNs), 2 * kRadioBurstNs);
  station.lastTickNs = now;
  QByteArray chunk;
  while (station.creditNs > 0) {
    auto frame = NextFrame(station);
    if (!frame) {
      CloseAll(station);
      return;
    }
    chunk += frame->bytes;
    station.creditNs -= frame->durationNs;
    Played(station, std::move(*frame));
  }
  if (chunk.isEmpty()) return;
  std::vector<QTcpSocket*> slow;
  for (const Listener& listener : station.listeners) {
    QTcpSocket* socket = listener.socket;
    if (socket == nullptr || socket->state() != QAbstractSocket::ConnectedState) continue;
    if (socket->bytesToWrite() > kRadioMaxPending) {
      slow.push_back(socket);
    } else {
      socket->write(chunk);
    }
  }
  for (QTcpSocket* socket : slow) {
    Remove(station, socket);
    QObject::disconnect(socket, nullptr, this, nullptr);
    socket->abort();
  }
}

void RadioStream::Remove(Station& station, QTcpSocket* socket) {
  auto& listeners = station.listeners;
  listeners.erase(std::remove_if(listeners.begin(), listeners.end(),
                                 [socket](const Listener& listener) {
                                   return listener.socket.isNull() || listener.socket == socket;
                                 }),
                  listeners.end());
  if (listeners.empty()) station.timer.stop();
}

void RadioStream::CloseAll(Station& station) {
  std::vector<Listener> listeners;
  listeners.swap(station.listeners);
  station.timer.stop();
  station.played.clear();
  station.playedNs = 0;
  for (const Listener& listener : listeners) {
    if (QTcpSocket* socket = listener.socket) {
      QObject::disconnect(socket, nullptr, this, nullptr);
      socket->disconnectFromHost();
    }
  }
}

}  // namespace zendral::server
