// Two zendral-cli tour-bot players meet at one table of the real server, chat and play the
// table's kon through the relay with the program's own relay link and kon driver; both
// tournament records change as the server computed them.

#include <future>
#include <regex>

#include "TournamentFixture.h"
#include "relay/TourStore.h"

#ifndef ZENDRAL_CLI_BINARY
#error "ZENDRAL_CLI_BINARY must name the zendral-cli executable"
#endif

namespace zendral::server_test {
namespace {

struct BotRun {
  int status = -1;
  std::string out;
};

BotRun RunBot(const std::string& arguments) {
  const std::string command = std::string(ZENDRAL_CLI_BINARY) + " tour-bot " + arguments + " 2>&1";
  BotRun run;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  size_t n = 0;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

std::optional<int> Printed(const std::string& out, const std::string& key) {
  std::smatch m;
  if (!std::regex_search(out, m, std::regex("(^|\n)" + key + ": (-?[0-9]+)"))) return std::nullopt;
  return std::stoi(m[2]);
}

TEST_F(TournamentTest, TwoBotsPlayATableAndTheServerBooksBothRecords) {
  const int table = NewTable();
  const std::string one = ServerTest::NewNick("Bota");
  const std::string two = ServerTest::NewNick("Botb");
  const std::string common =
      " --base " + Server().Base() + " --table " + std::to_string(table) + " --create --delay 20";
  auto first = std::async(std::launch::async, [&] {
    return RunBot("--nick " + one + " --pw pass1234 --chat Hello" + common);
  });
  // The second comes a moment later, as a second player would.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  auto second = std::async(std::launch::async,
                           [&] { return RunBot("--nick " + two + " --pw pass1234" + common); });
  const BotRun a = first.get();
  const BotRun b = second.get();
  ASSERT_EQ(a.status, 0) << a.out;
  ASSERT_EQ(b.status, 0) << b.out;
  EXPECT_EQ(Printed(a.out, "seat"), 1) << a.out;
  EXPECT_EQ(Printed(b.out, "seat"), 2) << b.out;
  EXPECT_EQ(Printed(a.out, "kons"), 1);
  EXPECT_EQ(Printed(b.out, "kons"), 1);
  const auto scoreA = Printed(a.out, "score");
  const auto scoreB = Printed(b.out, "score");
  ASSERT_TRUE(scoreA && scoreB) << a.out << b.out;
  EXPECT_EQ(*scoreA + *scoreB, 0);
  EXPECT_NE(*scoreA, 0);
  // The chat line went through the relay.
  EXPECT_NE(b.out.find("chat: Hello"), std::string::npos) << b.out;

  // The records as the server booked them: the kon's score, one kon, Elo from 1500.
  Member reader = NewMember("Read");
  const auto [ratingA, ratingB] = server::relay::EloAfter(1500, 1500, *scoreA > 0 ? 1 : 2);
  reader.nick = one;
  EXPECT_EQ(reader.Record(), (std::array<int, 3>{*scoreA, 1, ratingA}));
  reader.nick = two;
  EXPECT_EQ(reader.Record(), (std::array<int, 3>{*scoreB, 1, ratingB}));
  EXPECT_NE(a.out.find("record: score " + std::to_string(*scoreA) + ", kons 1, rating " +
                       std::to_string(ratingA)),
            std::string::npos)
      << a.out;
}

}  // namespace
}  // namespace zendral::server_test
