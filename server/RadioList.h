#pragma once
// The server's own radio stations and the station list the program downloads.
//
// The music folder of the data folder is the station "zendral": every *.mp3 in it, in name
// order. A subfolder whose name is a plain word and that holds *.mp3 files is one more station
// of that name. The list names every station with its address on this server, then the lines
// of the club's own file "radio-stations.txt", in the program's line format: Windows-1251 text,
// CR LF line ends.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "Reply.h"

namespace zendral::server {

inline constexpr char kDefaultStation[] = "zendral";
inline constexpr char kClubStationsFile[] = "radio-stations.txt";

// The stations of the music folder: "zendral" first when the folder holds tracks, then the
// subfolders with tracks in name order.
QStringList RadioStations(const QString& musicDir);
// The tracks of a station, full paths in name order; empty for a station that does not exist.
QStringList RadioTracks(const QString& musicDir, const QString& station);
// What the station is called in the program's list and in the stream's icy-name.
QString RadioStationTitle(const QString& station);

// The host[:port] the stations' addresses name: the public host, given the listen port when it
// names none, or else the host the request was sent to.
QString RadioHost(const QString& publicHost, quint16 listenPort, const QString& requestHost);

// The list: a line for each station at origin ("http://host:port"), then the club's lines
// (UTF-8 or Windows-1251 text).
QByteArray RadioListText(const QStringList& stations, const QString& origin,
                         const QByteArray& clubLines);
// The list for the data folder.
ServiceReply RadioList(const QString& dataDir, const QString& origin);

}  // namespace zendral::server
