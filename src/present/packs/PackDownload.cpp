#include "present/packs/PackDownload.h"

#include <curl/curl.h>

#include <QFile>
#include <cstdio>
#include <memory>
#include <system_error>

#include "present/packs/PackFile.h"

namespace zendral {

namespace {

struct Transfer {
  std::FILE* file = nullptr;
  const DownloadProgress* progress = nullptr;
  bool writeFailed = false;
};

size_t WriteBytes(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  const size_t n = size * count;
  if (std::fwrite(data, 1, n, t->file) != n) {
    t->writeFailed = true;
    return 0;
  }
  return n;
}

int Progress(void* user, curl_off_t total, curl_off_t done, curl_off_t, curl_off_t) {
  auto* t = static_cast<Transfer*>(user);
  if (t->progress && *t->progress && !(*t->progress)(done, total)) return 1;
  return 0;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

DownloadResult DownloadFile(const std::string& url, const std::filesystem::path& target,
                            const DownloadProgress& progress, DownloadLimits limits) {
  DownloadResult result;
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  if (!initialised) {
    result.error = "the HTTP library did not start";
    return result;
  }
  const std::filesystem::path partial = target.string() + ".part";
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(partial.c_str(), "wb"),
                                                       &std::fclose);
  if (!file) {
    result.error = "cannot write " + partial.string();
    return result;
  }
  std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) {
    result.error = "the HTTP library did not start";
    return result;
  }
  Transfer transfer{file.get(), &progress, false};
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
  result.status = static_cast<int>(status);
  const bool closed = std::fclose(file.release()) == 0;

  std::error_code ec;
  if (code != CURLE_OK || transfer.writeFailed || !closed) {
    result.error = transfer.writeFailed || !closed ? "cannot write " + partial.string()
                                                   : curl_easy_strerror(code);
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
