// Two servers over one database, as a club with several machines runs them: the operations
// that race (chat numbers, transfers) are settled in the database.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "ServerFixture.h"
#include "online/Reply.h"

namespace zendral::server_test {
namespace {

using online::ReplyTrailingNumber;

std::string Numbered(std::string stem, int n, const char* tail = "") {
  stem += std::to_string(n);
  stem += tail;
  return stem;
}

TEST(TwoServers, RacingChatAndTransfersStayConsistentOverOneDatabase) {
  ServerProcess first({"--rate-scale", "1000", "--no-relay"});
  std::vector<std::string> shared = {"--rate-scale", "1000", "--no-relay"};
  if (!first.OnPostgres()) {
    shared.insert(shared.end(),
                  {"--database", "sqlite:" + (first.DataDir() / "zendral-server.sqlite").string()});
  }
  ServerProcess second(shared);
  const std::string bases[2] = {first.Base(), second.Base()};

  // Chat: four programs, two on each server, sending at once.
  constexpr int kSenders = 4;
  constexpr int kMessages = 25;
  std::vector<std::vector<int>> numbers(kSenders);
  std::vector<std::thread> threads;
  for (int t = 0; t < kSenders; ++t) {
    threads.emplace_back([&, t] {
      Client client(bases[t % 2]);
      for (int i = 0; i < kMessages; ++i) {
        const auto n = ReplyTrailingNumber(
            client
                .Raw("/services/records", {{"gid", "100"},
                                           {"nick", Numbered("Racer", t)},
                                           {"city", "Riga"},
                                           {"country", "1-026"},
                                           {"score", "1"},
                                           {"R7", "M"},
                                           {"R8", "5.7f"},
                                           {"R9", "12:00:00_01.01.2027_Zendral"},
                                           {"R10", Numbered("m", i, "*")}})
                .body);
        if (n) numbers[t].push_back(*n);
      }
    });
  }
  for (auto& thread : threads) thread.join();
  std::set<int> all;
  std::size_t sent = 0;
  for (const auto& list : numbers) {
    sent += list.size();
    all.insert(list.begin(), list.end());
  }
  EXPECT_EQ(sent, static_cast<std::size_t>(kSenders * kMessages));
  EXPECT_EQ(all.size(), sent) << "two messages got one number";
  EXPECT_EQ(*all.rbegin() - *all.begin() + 1, static_cast<int>(all.size()));

  // Transfers: one member's session spends 100 Kovs in 20s through both servers at once.
  const std::string from = ServerTest::NewNick("Race");
  const std::string to = ServerTest::NewNick("Gain");
  Client sender(bases[0]);
  CreateAndLogIn(sender, from, "race1234");
  ASSERT_EQ(sender.Raw("/services/account", CreateFields(to, "gain1234")).body, "ok");
  ASSERT_EQ(first.Admin("grant " + from + " 100").first, 0);
  constexpr int kTries = 10;
  std::vector<std::string> replies(kTries);
  threads.clear();
  for (int t = 0; t < kTries; ++t) {
    threads.emplace_back([&, t] {
      Client client(bases[t % 2]);
      // Each try goes with the password, so that it counts on either server.
      replies[t] = client
                       .Raw("/services/account", {{"nick", from},
                                                  {"pw", "race1234"},
                                                  {"labelkovsend", "0"},
                                                  {"to", to},
                                                  {"R04", "20"}})
                       .body;
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(std::count(replies.begin(), replies.end(), "ok"), 5);
  EXPECT_EQ(std::count(replies.begin(), replies.end(), "is"), 5);
  for (const std::string& base : bases) {
    Client reader(base);
    EXPECT_EQ(
        ReplyTrailingNumber(reader
                                .Form("/services/account",
                                      {{"nick", from}, {"pw", "race1234"}, {"labelkovread", "0"}})
                                .body),
        0);
    EXPECT_EQ(
        ReplyTrailingNumber(reader
                                .Form("/services/account",
                                      {{"nick", to}, {"pw", "gain1234"}, {"labelkovread", "0"}})
                                .body),
        100);
  }

  // A photo uploaded through one server shows on the other; a picture the club put in its
  // data folder still shows beside the members' photos.
  const std::string photo = TestJpeg(200, 250);
  EXPECT_EQ(sender.Post("/services/photo", photo, "image/jpeg").body, "ok");
  Client viewer(bases[1]);
  const HttpReply shown = viewer.Get("/photos/" + from + ".jpg");
  EXPECT_EQ(shown.status, 200);
  EXPECT_EQ(JpegPictureSize(shown.body), std::make_pair(200, 250));
  std::filesystem::create_directories(second.DataDir() / "photos");
  std::ofstream(second.DataDir() / "photos" / "ClubPicture.jpg", std::ios::binary) << "pic";
  EXPECT_EQ(viewer.Get("/photos/ClubPicture.jpg").body, "pic");
  EXPECT_NE(viewer.Get("/photos/Nobody.jpg").status, 200);
}

}  // namespace
}  // namespace zendral::server_test
