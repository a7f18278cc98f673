#pragma once
// A club server inside the test: answers the online layer's requests from a few fields the
// test sets, so the windows can be driven without a network. A switch makes every request
// fail as a dead network would.

#include <map>
#include <string>
#include <vector>

#include "online/HttpTransport.h"

namespace zendral::testing {

class FakeClubServer final : public online::HttpTransport {
 public:
  bool down = false;
  bool busy = false;  // every request answered 503 "busy", as a server with a full hash queue
  std::string logInReply = "$Omsk Russia 1-001 W mira@example.org 01.01.2020 xxx xxx xxx 40 0 0$";
  std::string resultsReply = "$57 120 12.5 1 27 40 0 #$";
  std::string profileReply =
      "$Mira~Lind~I play cards every evening~+7 900 000~mira@example.org~https://mira.example~"
      "mira.sky~ok.ru/mira~vk.com/mira~@mira~fb.com/mira~x.com/mira~insta/mira~yt/mira$";
  std::string topReply =
      "$1 Mira Omsk x 1-001 W 12.5*$2 Bob Kyiv x 1-046 M 7*$3 Ann Tokyo x 2-020 W 3.25*";
  std::string worldReply =
      "$1 x 212 Mira 1-001 Omsk W 5.7f # #*$2 x 180 Hans 1-016 Berlin M 5.7f # #*"
      "$3 x 95 Yuki 2-020 Tokyo W 5.7f # #*$4 x 0 # # # # # # #*";
  std::string balanceReply = "$40$";
  std::string transferReply = "ok";
  std::string submitReply = "$3$";
  std::vector<online::HttpRequest> requests;

  online::HttpReply Send(const online::HttpRequest& request) override {
    requests.push_back(request);
    online::HttpReply reply;
    if (down) return reply;
    if (busy) {
      reply.status = 503;
      reply.body = "busy";
      return reply;
    }
    reply.ok = true;
    reply.status = 200;
    const std::string& b = request.body;
    const auto has = [&b](const char* key) { return b.find(key) != std::string::npos; };
    if (request.method == online::HttpRequest::Method::kGet) {
      reply.ok = false;  // no path directory, no photos
      reply.status = 404;
    } else if (has("label0=")) {
      reply.body = logInReply;
    } else if (has("label1=")) {
      reply.body = "$57$";
    } else if (has("labelinforead=")) {
      reply.body = profileReply;
    } else if (has("labelinfosave=")) {
      reply.body = "ok";
    } else if (has("labelkovread=")) {
      reply.body = balanceReply;
    } else if (has("labelkovsend=")) {
      reply.body = transferReply;
    } else if (has("crdq4best=0")) {
      reply.body = resultsReply;
    } else if (has("crdq4kon=0")) {
      reply.body = topReply;
    } else if (has("crdq4rating=") && !has("nick=")) {
      reply.body = "$2$";
    } else if (has("rgid=")) {
      reply.body = "$1234$";
    } else if (has("gid=") && has("score=")) {
      reply.body = submitReply;
    } else if (has("gid=") && has("nick=")) {
      reply.body = "$2 x 180 Hans 1-016 Berlin M 5.7f # #*";
    } else if (has("gid=")) {
      reply.body = worldReply;
    } else if (has("top10")) {
      reply.body = "$1 Hans Berlin 1-016 M 310*$2 Mira Omsk 1-001 W 250*";
    } else if (has("place")) {
      reply.body = "$2$";
    } else {
      reply.body = "ok";
    }
    return reply;
  }
};

}  // namespace zendral::testing
