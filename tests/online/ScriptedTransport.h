#pragma once
// A transport that answers each request from a script of replies, for the online layer's tests:
// a reply with text is a successful answer, nothing is a transport failure, and an empty script
// fails every further request. Every request is kept for the test to look at.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "online/HttpTransport.h"

namespace zendral::online {

class ScriptedTransport final : public HttpTransport {
 public:
  std::deque<std::optional<std::string>> replies;
  std::vector<HttpRequest> sent;
  HttpReply Send(const HttpRequest& request) override {
    sent.push_back(request);
    HttpReply reply;
    if (replies.empty()) return reply;
    auto next = replies.front();
    replies.pop_front();
    if (next) {
      reply.ok = true;
      reply.status = 200;
      reply.body = *next;
    }
    return reply;
  }
};

}  // namespace zendral::online
