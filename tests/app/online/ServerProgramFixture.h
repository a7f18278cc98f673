#pragma once
// The whole program against the real companion server: one server for a suite of tests, on a
// free loopback port with its own data folder, named to the program by the service base.

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

#include "AppFixture.h"
#include "CompanionServer.h"

namespace zendral::testing {

class ServerProgramTest : public AppTest {
 protected:
  static void SetUpTestSuite() {
    AppTest::SetUpTestSuite();
    server_ = std::make_unique<online::CompanionServer>(ZENDRAL_SERVER_PROGRAM);
  }
  static void TearDownTestSuite() {
    server_.reset();
    ::unsetenv("ZENDRAL_SERVICE_BASE");
  }
  void SetUp() override {
    ASSERT_TRUE(server_->ready());
    ::setenv("ZENDRAL_SERVICE_BASE", server_->base().c_str(), 1);
  }

  // A program folder one level below the test's folder, with fresh club files, so that the
  // files of its parent folder (the user file, the chat and news marks) belong to this test.
  std::filesystem::path MakeProgramFolder() const {
    const std::filesystem::path program = folder.path() / "zendral";
    std::filesystem::create_directories(program);
    for (const std::string_view name : {kLocalClubFileName, kNetworkClubFileName}) {
      std::filesystem::copy_file(folder.path() / name, program / name);
    }
    return program;
  }

  static inline std::unique_ptr<online::CompanionServer> server_;
};

}  // namespace zendral::testing
