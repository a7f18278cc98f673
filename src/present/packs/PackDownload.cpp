#include "present/packs/PackDownload.h"

#include <curl/curl.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdio>
#include <memory>
#include <string_view>
#include <system_error>

#include "online/SocketHttpTransport.h"
#include "present/packs/PackFile.h"

namespace zendral {

namespace {

struct Transfer {
  std::FILE* file = nullptr;
  const DownloadProgress* progress = nullptr;
  bool writeFailed = false;
};

bool Write(Transfer& t, std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), t.file) != bytes.size()) {
    t.writeFailed = true;
    return false;
  }
  return true;
}

// Whether the download may go on.
bool Going(const Transfer& t, long long done, long long total) {
  return !t.progress || !*t.progress || (*t.progress)(done, total);
}

size_t WriteBytes(char* data, size_t size, size_t count, void* user) {
  const size_t n = size * count;
  return Write(*static_cast<Transfer*>(user), std::string_view(data, n)) ? n : 0;
}

int Progress(void* user, curl_off_t total, curl_off_t done, curl_off_t, curl_off_t) {
  return Going(*static_cast<Transfer*>(user), done, total) ? 0 : 1;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// What a transfer left: the status, and why it failed (empty when the whole body was written).
struct Fetched {
  int status = 0;
  std::string error;
};

Fetched FetchWithLibcurl(const std::string& url, Transfer& transfer, const DownloadLimits& limits) {
  Fetched out;
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  std::unique_ptr<CURL, void (*)(CURL*)> curl(initialised ? curl_easy_init() : nullptr,
                                              &curl_easy_cleanup);
  if (!curl) {
    out.error = "the HTTP library did not start";
    return out;
  }
  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, limits.connectMs);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
  curl_easy_setopt(c, CURLOPT_TIMEOUT, limits.wholeSeconds);
  curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.largestBytes));
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &WriteBytes);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &Progress);
  curl_easy_setopt(c, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  const CURLcode code = curl_easy_perform(c);
  long status = 0;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
  out.status = static_cast<int>(status);
  if (code != CURLE_OK) out.error = curl_easy_strerror(code);
  return out;
}

// A club at a numeric address (the program's own, or one on the local network) is asked over
// the program's own HTTP client, so a download does not open libcurl and its TLS libraries.
Fetched FetchWithOwnClient(const std::string& url, Transfer& transfer,
                           const DownloadLimits& limits) {
  online::TransportBounds bounds;
  bounds.connectMs = static_cast<int>(limits.connectMs);
  bounds.totalMs = static_cast<int>(std::min<long long>(limits.wholeSeconds * 1000LL, INT_MAX));
  bounds.maxBodyBytes = static_cast<std::size_t>(limits.largestBytes);
  online::HttpRequest request;
  request.method = online::HttpRequest::Method::kGet;
  request.url = url;
  request.sharedClient = false;
  // Less than a byte a second for the stall's length is no byte in that time.
  request.readTimeoutMs = static_cast<int>(limits.stallSeconds * 1000);
  online::SocketHttpTransport::BodyStream stream;
  stream.write = [&transfer](std::string_view bytes) { return Write(transfer, bytes); };
  stream.progress = [&transfer](long long done, long long total) {
    return Going(transfer, done, total);
  };
  const std::atomic<bool> cancelled{false};
  online::SocketHttpTransport client(bounds);
  const online::HttpReply reply = client.Send(request, {}, cancelled, &stream);
  return {reply.status, reply.ok ? std::string() : reply.error};
}

}  // namespace

DownloadResult DownloadFile(const std::string& url, const std::filesystem::path& target,
                            const DownloadProgress& progress, DownloadLimits limits) {
  DownloadResult result;
  const std::filesystem::path partial = target.string() + ".part";
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(partial.c_str(), "wb"),
                                                       &std::fclose);
  if (!file) {
    result.error = "cannot write " + partial.string();
    return result;
  }
  Transfer transfer{file.get(), &progress, false};
  const Fetched fetched = online::SocketHttpTransport::Serves(url)
                              ? FetchWithOwnClient(url, transfer, limits)
                              : FetchWithLibcurl(url, transfer, limits);
  result.status = fetched.status;
  const bool closed = std::fclose(file.release()) == 0;

  std::error_code ec;
  if (!fetched.error.empty() || transfer.writeFailed || !closed) {
    result.error =
        transfer.writeFailed || !closed ? "cannot write " + partial.string() : fetched.error;
    std::filesystem::remove(partial, ec);
    return result;
  }
  if (EndsWith(target.filename().string(), ".dll")) {
    QFile check(QString::fromStdString(partial.string()));
    QString why;
    const bool opened = check.open(QIODevice::ReadOnly);
    const qint64 size = check.size();
    uchar* bytes = opened && size > 0 ? check.map(0, size) : nullptr;
    const bool whole = bytes && IsWholeResourceFile(bytes, size, &why);
    check.close();
    if (!whole) {
      result.error = "not a pack: " + why.toStdString();
      std::filesystem::remove(partial, ec);
      return result;
    }
  }
  std::filesystem::rename(partial, target, ec);
  if (ec) {
    result.error = "cannot rename to " + target.string() + ": " + ec.message();
    std::filesystem::remove(partial, ec);
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace zendral
