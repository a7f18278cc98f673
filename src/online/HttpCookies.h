#pragma once
// The cookies of the program's own HTTP client, by host: what the club's Set-Cookie lines
// leave (its session above all), sent back with every later request to the same host. A
// cookie that is ended (Max-Age of 0 or less, an Expires date past) goes; one meant for https
// only is kept for this machine alone, which counts as a secure context.

#include <map>
#include <string>
#include <vector>

namespace zendral::online {

class HttpCookies {
 public:
  // Takes a reply's Set-Cookie values (as they stand after "Set-Cookie:") from `host`.
  void Keep(const std::string& host, bool loopback, const std::vector<std::string>& setCookies);
  // The "Cookie: ..." header line (with its line end) for a request to `host`, or nothing.
  std::string Header(const std::string& host) const;

 private:
  std::map<std::string, std::map<std::string, std::string>> jars_;
};

}  // namespace zendral::online
