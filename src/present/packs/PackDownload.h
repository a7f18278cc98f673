#pragma once
// Downloading one pack file over HTTP into a folder. The bytes go to a temporary file beside
// the target, which is renamed over the target only when the whole file arrived (and, for a
// pack, is a whole resource file): a broken download never leaves a half pack that loads.
// Every wait is bounded: the connection, a stalled transfer and the whole download.

#include <filesystem>
#include <functional>
#include <string>

namespace zendral {

struct DownloadLimits {
  long connectMs = 3000;
  long stallSeconds = 10;   // fails when less than a byte a second arrives this long
  long wholeSeconds = 600;  // the longest a download may take
  long long largestBytes = 512ll << 20;
};

struct DownloadResult {
  bool ok = false;
  int status = 0;  // HTTP status, 0 when none arrived
  std::string error;
};

// Called now and then with the bytes so far and the whole size (0 while unknown). Returning
// false stops the download.
using DownloadProgress = std::function<bool(long long done, long long total)>;

// Fetches url into target (its folder must exist). A file whose name ends in ".dll" must be
// a whole resource file to be kept.
DownloadResult DownloadFile(const std::string& url, const std::filesystem::path& target,
                            const DownloadProgress& progress = {}, DownloadLimits limits = {});

}  // namespace zendral
