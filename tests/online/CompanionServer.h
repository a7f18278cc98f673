#pragma once
// The real companion server on a free loopback port over a temporary data folder, for the
// end-to-end tests of the program's online layer; stopped when the fixture ends. The shared
// server fixture with the options these tests use.

#include <string>

#include "ServerProcess.h"
#include "TempFolder.h"
// The tests reach the server with the program's own request frame.
#include "online/CurlTransport.h"
#include "online/RequestFrame.h"

namespace zendral::online {

class CompanionServer {
 public:
  explicit CompanionServer(const std::string& program)
      : process_(program, {"--rate-scale", "1000"}) {}

  bool ready() const { return process_.Ready(); }
  std::string base() const { return process_.Base(); }
  const TempFolder& folder() const { return process_.Folder(); }

 private:
  support::ServerProcess process_;
};

}  // namespace zendral::online
