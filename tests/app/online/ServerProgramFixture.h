#pragma once
// The whole program against the real companion server: one server for a suite of tests, on a
// free loopback port with its own data folder, named to the program by the service base.

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "AppFixture.h"
#include "CompanionServer.h"
#include "app/online/OnlineLink.h"
#include "online/Accounts.h"
#include "online/CurlTransport.h"
#include "online/OnlineClub.h"
#include "online/RequestFrame.h"
#include "online/UserFile.h"
#include "store/Settings.h"

namespace zendral::testing {

// Settings with a chat passport: the passport lines are read only behind the two stored
// service addresses.
inline Settings PassportSettings(const std::string& nick, const std::string& city) {
  Settings settings;
  const ServiceAddressDefaults stored = OnlineLink::StoredDefaults();
  settings.RecordsServiceAddress = stored.records;
  settings.StatisticsServiceAddress = stored.statistics;
  settings.WttNick = nick;
  settings.WttCity = city;
  settings.WttCountry = "1-016";
  settings.WttSex = "W";
  return settings;
}

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

  // A member made on the club outside the program, whose log-in is saved in programFolder's
  // parent, so that the program restores it at its start. False when either step fails.
  static bool MakeSavedMember(const std::string& nick, const std::filesystem::path& programFolder,
                              const std::string& today) {
    online::CurlTransport transport;
    online::RequestFrame frame(transport);
    online::OnlineClub club(frame, online::AddressesUnder(server_->base()));
    online::TKovUser user;
    user.Nick = nick;
    user.Pw = "pw" + nick;
    user.City = "Omsk";
    user.Country2 = "1-001";
    user.EMail = "x@example.org";
    return club.CreateAccount(user, today) == online::kAccountCreated &&
           online::SaveUserFile(online::UserFilePath(programFolder), user.Nick, user.Pw);
  }

  static inline std::unique_ptr<online::CompanionServer> server_;
};

}  // namespace zendral::testing
