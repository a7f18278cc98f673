// Pack downloads from the real companion server on loopback, and from a loopback server that
// misbehaves: a download that breaks off leaves no pack behind, not even half of one. The
// misbehaving cases run on both routes: the numeric address over the program's own HTTP
// client, the same server named "localhost" over libcurl.

#include "present/packs/PackDownload.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <set>

#include "CompanionServer.h"
#include "LoopbackHttpServer.h"
#include "PackMaker.h"
#include "present/packs/PackFile.h"

namespace zendral {
namespace {

using online::CompanionServer;
using online::LoopbackHttpServer;

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
  std::set<std::string> out;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    out.insert(e.path().filename().string());
  }
  return out;
}

class PackDownload : public ::testing::TestWithParam<const char*> {
 protected:
  // The loopback server's address on this case's route.
  std::string Base(LoopbackHttpServer& server) const {
    std::string base = server.base();
    const std::string numeric = "127.0.0.1";
    return base.replace(base.find(numeric), numeric.size(), GetParam());
  }
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "packs_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
  }
  TempFolder temp_;
  std::filesystem::path games_ = temp_.path() / "games";
  void SetUp() override { std::filesystem::create_directories(games_); }
};

INSTANTIATE_TEST_SUITE_P(Routes, PackDownload, ::testing::Values("127.0.0.1", "localhost"),
                         [](const ::testing::TestParamInfo<const char*>& route) {
                           return std::string(route.param[0] == 'l' ? "Libcurl" : "OwnHttpClient");
                         });

TEST_P(PackDownload, FromTheCompanionServerIntoTheParentFolder) {
  CompanionServer server(ZENDRAL_SERVER_PROGRAM);
  ASSERT_TRUE(server.ready());
  // The server serves the packs of its data folder.
  MakePack(temp_, server.folder().path() / "packs" / "KovCGraph1.dll",
           {{PackKind::kPng, "GIcon48Opt", Qt::magenta}});
  std::string base = server.base() + "/downloads/progr/cards/";
  base.replace(base.find("127.0.0.1"), 9, GetParam());
  long long lastDone = 0;
  int calls = 0;
  const DownloadResult got = DownloadFile(base + "KovCGraph1.dll", games_ / "KovCGraph1.dll",
                                          [&](long long done, long long) {
                                            lastDone = done;
                                            ++calls;
                                            return true;
                                          });
  ASSERT_TRUE(got.ok) << got.error;
  EXPECT_GT(calls, 0);
  EXPECT_EQ(lastDone,
            static_cast<long long>(std::filesystem::file_size(games_ / "KovCGraph1.dll")));
  EXPECT_EQ(temp_.Read(games_ / "KovCGraph1.dll"),
            temp_.Read(server.folder().path() / "packs" / "KovCGraph1.dll"));
  // The program folder below finds it as its pack.
  QImage icon;
  EXPECT_TRUE(LoadPackPng("GIcon48Opt", "KovCGraph1.dll", icon, games_ / "Zendral"));

  // A pack the server does not have: a failure, and nothing written.
  const DownloadResult missing = DownloadFile(base + "KovRadio02.dll", games_ / "KovRadio02.dll");
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.status, 404);
  EXPECT_EQ(FilesIn(games_), std::set<std::string>{"KovCGraph1.dll"});
}

TEST_P(PackDownload, ABrokenDownloadLeavesNoHalfPack) {
  const auto good =
      MakePack(temp_, temp_.path() / "good.dll",
               {{PackKind::kPng, "Ch06Med", Qt::red}, {PackKind::kPng, "Ch07Med", Qt::green}});
  const std::string pack = temp_.Read(good);
  struct Case {
    const char* what;
    std::function<void(const std::string&, int)> behaviour;
  };
  const Case cases[] = {
      {"cut off midway",
       [&](const std::string&, int s) {
         LoopbackHttpServer::Write(
             s, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(pack.size()) +
                    "\r\nConnection: close\r\n\r\n" + pack.substr(0, pack.size() / 2));
       }},
      {"a whole reply that is no pack",
       [&](const std::string&, int s) {
         LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("<html>Not here</html>"));
       }},
      {"an error page",
       [&](const std::string&, int s) {
         LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply("gone", "500 Server Error"));
       }},
      {"dropped without a word", [&](const std::string&, int) {}},
  };
  for (const Case& c : cases) {
    LoopbackHttpServer server(c.behaviour);
    const DownloadResult got = DownloadFile(Base(server) + "/downloads/progr/cards/KovCards06A.dll",
                                            games_ / "KovCards06A.dll", {}, {1000, 2, 10, 1 << 20});
    EXPECT_FALSE(got.ok) << c.what;
    EXPECT_FALSE(got.error.empty()) << c.what;
    EXPECT_TRUE(FilesIn(games_).empty()) << c.what;
  }
  // The same pack whole is kept.
  LoopbackHttpServer whole([&](const std::string&, int s) {
    LoopbackHttpServer::Write(s, LoopbackHttpServer::Reply(pack));
  });
  EXPECT_TRUE(DownloadFile(Base(whole) + "/x/KovCards06A.dll", games_ / "KovCards06A.dll").ok);
  EXPECT_EQ(FilesIn(games_), std::set<std::string>{"KovCards06A.dll"});
}

TEST_P(PackDownload, AStalledServerIsGivenUpAndTheProgressCanStopIt) {
  LoopbackHttpServer stalled([](const std::string&, int s) {
    LoopbackHttpServer::Write(s, "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\nabc");
    std::this_thread::sleep_for(std::chrono::seconds(2));
  });
  const DownloadResult slow = DownloadFile(Base(stalled) + "/KovRadio.rad", games_ / "KovRadio.rad",
                                           {}, {1000, 1, 3, 1 << 20});
  EXPECT_FALSE(slow.ok);
  const DownloadResult stopped =
      DownloadFile(Base(stalled) + "/KovRadio.rad", games_ / "KovRadio.rad",
                   [](long long, long long) { return false; });
  EXPECT_FALSE(stopped.ok);
  EXPECT_TRUE(FilesIn(games_).empty());
}

}  // namespace
}  // namespace zendral
