#include "online/CurlTransport.h"

#include <curl/curl.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>

namespace zendral::online {
namespace {

void GlobalInitOnce() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Sink {
  std::string* body;
  std::size_t limit;
};

// The read time-out: no byte in either direction for that long ends the request.
struct Watch {
  long readTimeoutMs = 0;
  curl_off_t lastBytes = -1;
  std::chrono::steady_clock::time_point lastChange = std::chrono::steady_clock::now();
  const std::function<void()>* idle = nullptr;
  const std::atomic<bool>* cancelled = nullptr;
};

int Progress(void* user, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded) {
  auto* watch = static_cast<Watch*>(user);
  if (watch->idle != nullptr && *watch->idle) (*watch->idle)();
  if (watch->cancelled != nullptr && watch->cancelled->load()) return 1;  // aborts the transfer
  const auto now = std::chrono::steady_clock::now();
  const curl_off_t bytes = downloaded + uploaded;
  if (bytes != watch->lastBytes) {
    watch->lastBytes = bytes;
    watch->lastChange = now;
    return 0;
  }
  if (watch->readTimeoutMs > 0 &&
      now - watch->lastChange > std::chrono::milliseconds(watch->readTimeoutMs)) {
    return 1;  // aborts the transfer
  }
  return 0;
}

std::size_t WriteBody(char* data, std::size_t size, std::size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const std::size_t n = size * count;
  if (sink->body->size() + n > sink->limit) return 0;  // too large: abort the transfer
  sink->body->append(data, n);
  return n;
}

}  // namespace

struct CurlTransport::Handle {
  CURL* curl = nullptr;
  Handle() : curl(curl_easy_init()) {}
  ~Handle() {
    if (curl != nullptr) curl_easy_cleanup(curl);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
};

CurlTransport::CurlTransport(TransportBounds bounds) : bounds_(bounds), plain_(bounds) {
  GlobalInitOnce();
}

CurlTransport::~CurlTransport() = default;

HttpReply CurlTransport::Send(const HttpRequest& request) {
  HttpReply reply;
  if (cancelled_) {
    reply.error = "cancelled";
    return reply;
  }
  if (sending_) {
    reply.error = "another request is running";
    return reply;
  }
  struct Sending {
    bool& flag;
    explicit Sending(bool& f) : flag(f) { flag = true; }
    ~Sending() { flag = false; }
  } sending(sending_);
  if (SocketHttpTransport::Serves(request.url)) return plain_.Send(request, idle_, cancelled_);
  std::unique_ptr<Handle> fresh;
  Handle* handle = nullptr;
  if (request.sharedClient) {
    if (!shared_) {
      shared_ = std::make_unique<Handle>();
      // An empty file name switches the cookie engine on without reading any file.
      if (shared_->curl != nullptr) curl_easy_setopt(shared_->curl, CURLOPT_COOKIEFILE, "");
    }
    handle = shared_.get();
  } else {
    fresh = std::make_unique<Handle>();
    handle = fresh.get();
  }
  if (handle == nullptr || handle->curl == nullptr) {
    reply.error = "no HTTP client";
    return reply;
  }
  CURL* curl = handle->curl;
  // The shared handle keeps cookies and connections; every option of one request is set
  // again for the next, so nothing leaks from one request into another.
  curl_easy_setopt(curl, CURLOPT_URL, request.url.c_str());
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(bounds_.connectMs));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(bounds_.totalMs));
  Watch watch;
  watch.readTimeoutMs = request.readTimeoutMs;
  watch.idle = &idle_;
  watch.cancelled = &cancelled_;
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, Progress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &watch);
  curl_slist* headers = nullptr;
  if (request.sharedClient) {
    curl_easy_setopt(curl, CURLOPT_USERAGENT, kUserAgent);
    headers = curl_slist_append(headers, (std::string("Accept: ") + kAccept).c_str());
  }
  if (request.method == HttpRequest::Method::kPost) {
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, request.body.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE,
                     static_cast<curl_off_t>(request.body.size()));
    headers = curl_slist_append(headers, ("Content-Type: " + request.contentType).c_str());
    headers = curl_slist_append(headers, "Expect:");
  } else {
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  }
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  Sink sink{&reply.body, bounds_.maxBodyBytes};
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);

  const CURLcode code = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  // Nothing of this request may point at our locals once it is over.
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, nullptr);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, nullptr);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, nullptr);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 1L);
  curl_slist_free_all(headers);

  reply.status = static_cast<int>(status);
  if (code != CURLE_OK) {
    reply.error = curl_easy_strerror(code);
    reply.body.clear();
    return reply;
  }
  if (status < 200 || status > 299) {
    reply.error = "HTTP status " + std::to_string(status);
    reply.body.clear();
    return reply;
  }
  reply.ok = true;
  return reply;
}

}  // namespace zendral::online
