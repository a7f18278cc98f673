#include "online/RequestFrame.h"

#include "store/Cp1251.h"

namespace zendral::online {
namespace {

bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t extra = 0;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
    } else {
      return false;
    }
    if (i + extra >= s.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

}  // namespace

std::string ReplyText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Cp1251ToUtf8(bytes);
}

HttpReply RequestFrame::Send(const HttpRequest& request) {
  struct InFlight {
    int& count;
    explicit InFlight(int& c) : count(c) { ++count; }
    ~InFlight() { --count; }
  } inFlight(inFlight_);
  return transport_.Send(request);
}

std::optional<std::string> RequestFrame::Post(const std::string& address, std::string body,
                                              const std::string& contentType) {
  lastError_.clear();
  lastStatus_ = 0;
  if (address.empty()) {
    lastError_ = "no service address";
    return std::nullopt;
  }
  HttpRequest request;
  request.method = HttpRequest::Method::kPost;
  request.url = address;
  request.body = std::move(body);
  request.contentType = contentType;
  request.sharedClient = true;
  request.readTimeoutMs = readTimeoutMs_;
  HttpReply reply = Send(request);
  lastStatus_ = reply.status;
  if (!reply.ok) {
    lastError_ = reply.error.empty() ? "request failed" : reply.error;
    return std::nullopt;
  }
  return std::move(reply.body);
}

std::optional<std::string> RequestFrame::PostFormRequest(const std::string& address,
                                                         const Fields& fields) {
  auto reply = Post(address, FormBody(fields), kFormContentType);
  if (!reply) return std::nullopt;
  return ReplyText(*reply);
}

std::optional<std::string> RequestFrame::PostRawRequest(const std::string& address,
                                                        const Fields& fields) {
  auto reply = Post(address, RawBody(fields), kFormContentType);
  if (!reply) return std::nullopt;
  return ReplyText(*reply);
}

std::optional<std::string> RequestFrame::PostBytes(const std::string& address,
                                                   const std::string& bytes,
                                                   const std::string& contentType) {
  auto reply = Post(address, bytes, contentType);
  if (!reply) return std::nullopt;
  return ReplyText(*reply);
}

std::optional<std::string> RequestFrame::FetchBytes(const std::string& address) {
  lastError_.clear();
  lastStatus_ = 0;
  if (address.empty()) {
    lastError_ = "no service address";
    return std::nullopt;
  }
  HttpRequest request;
  request.method = HttpRequest::Method::kGet;
  request.url = address;
  request.sharedClient = false;
  HttpReply reply = Send(request);
  lastStatus_ = reply.status;
  if (!reply.ok) {
    lastError_ = reply.error.empty() ? "request failed" : reply.error;
    return std::nullopt;
  }
  return std::move(reply.body);
}

std::optional<std::string> RequestFrame::FetchDocument(const std::string& address) {
  auto bytes = FetchBytes(address);
  if (!bytes) return std::nullopt;
  return ReplyText(*bytes);
}

}  // namespace zendral::online
