#pragma once
// The documents the program fetches: the path directory, the news page, photos, the own
// address, packs, the music playlist and tracks, the advertising directory and the game's page.

#include <optional>

#include "ServerContext.h"

namespace zendral::server {

// The reply for a GET of the path, or nothing when no document lives there.
std::optional<ServiceReply> Document(ServerContext& ctx, const QString& path,
                                     const ServiceRequest& request);

// The JPEG's width and height from its frame header, or nothing when it is no JPEG.
std::optional<std::pair<int, int>> JpegSize(const QByteArray& bytes);

// Whether an address of the Android edition may go into the path directory: http or https,
// no blanks, quotes, backslashes or "#" (which ends a value there).
bool IsEditionAddress(const QString& address);

// The news page: the items newest first and "KovNews" with the latest item's number.
QString NewsPage(Database& db);

}  // namespace zendral::server
