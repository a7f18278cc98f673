#pragma once
// The real companion server on a free loopback port over a temporary data folder, for the
// end-to-end tests of the program's online layer; stopped when the fixture ends. The shared
// server fixture with the options these tests use.

#include <string>
#include <utility>
#include <vector>

#include "ServerProcess.h"
#include "TempFolder.h"
// The tests reach the server with the program's own request frame.
#include "online/CurlTransport.h"
#include "online/RequestFrame.h"

namespace zendral::online {

class CompanionServer {
 public:
  explicit CompanionServer(const std::string& program, std::vector<std::string> extra = {})
      : process_(program, WithRateScale(std::move(extra))) {}
  // Stops the server and starts it again over the same data folder with other options (a
  // club whose clock was shifted, seen again with the real one).
  void RestartWith(std::vector<std::string> extra) {
    process_.SetExtra(WithRateScale(std::move(extra)));
    process_.Restart();
  }

  bool ready() const { return process_.Ready(); }
  std::string base() const { return process_.Base(); }
  const TempFolder& folder() const { return process_.Folder(); }

 private:
  static std::vector<std::string> WithRateScale(std::vector<std::string> extra) {
    extra.insert(extra.begin(), {"--rate-scale", "1000"});
    return extra;
  }
  support::ServerProcess process_;
};

}  // namespace zendral::online
