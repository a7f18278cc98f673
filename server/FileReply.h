#pragma once
// A file of the data folder (a pack, a track, a club picture) as a reply, read from disk in
// chunks while the connection takes them: a file is never held whole in memory for a request,
// and the connection is not read meanwhile, so the next reply cannot cut into it.

#include <QByteArray>
#include <QHttpServerResponder>
#include <QString>

namespace zendral::server {

// Writes the reply's head and streams the file; false (nothing written) when it cannot be
// opened.
bool StreamFile(QHttpServerResponder& responder, const QString& path, const QByteArray& type,
                bool headOnly);

}  // namespace zendral::server
