// zendral-cli online: the program's own online layer speaking to a server, one command per
// request family, for players, testers and club admins. Records print as name=value lines,
// lists as one TAB-separated line per row. Exit 0 success, 1 the request failed (the
// program's message on stderr), 2 bad usage.

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "Args.h"
#include "CmdDaily.h"
#include "Commands.h"
#include "game/KonReplay.h"
#include "online/Countries.h"
#include "online/CurlTransport.h"
#include "online/Numbers.h"
#include "online/OnlineClub.h"
#include "present/words/WordRows.h"
#include "present/words/Words.h"
#include "protocol/Keys.h"
#include "protocol/Operations.h"

namespace zendral::cli {

using namespace zendral::online;

static int RunOnline(const cli::Words& words);
static const CommandRegistration kRegistration(
    "online", RunOnline,
    "online [--base URL] create NICK PW CITY COUNTRYCODE SEX EMAIL | login NICK PW | members | "
    "profile NICK | save-profile NICK PW FIELD=VALUE... | balance NICK PW | "
    "transfer NICK PW TO AMOUNT | results NICK PW | place RATING | club-top | world ID | "
    "world-size ID | own-rows ID NAME CITY | submit ID NAME CITY COUNTRY SCORE SEX | "
    "rated-game NICK PW | photo NICK FILE | upload-photo NICK PW FILE | paths | "
    "daily NICK PW [--expert] | daily-table [--date YYYY-MM-DD] | operations [SERVICE] | "
    "ask SERVICE OPERATION [FIELD=VALUE]...");

namespace {

constexpr int kUsage = 2;
constexpr int kFailed = 1;

int Fail(const TWordRow& message) {
  std::fprintf(stderr, "%s\n", std::string(zendral::Word(message, 0)).c_str());
  return kFailed;
}

void Print(const char* name, const std::string& value) {
  std::printf("%s=%s\n", name, value.c_str());
}

void PrintUser(const TKovUser& u) {
  Print("nick", u.Nick);
  Print("city", u.City);
  Print("country1", u.Country1);
  Print("country2", u.Country2);
  Print("sex", u.Sex);
  Print("email", u.EMail);
  Print("dater", u.DateR);
  Print("balance", std::to_string(u.R04));
}

void PrintGame(const TKovGame& g) {
  Print("kon", std::to_string(g.Kon));
  Print("best", std::to_string(g.Best));
  Print("rating", FormatRating(g.Rating));
  Print("sessions", std::to_string(g.Sessions));
  Print("konl", std::to_string(g.KonL));
  Print("score", std::to_string(g.Score));
  Print("place", std::to_string(g.Place));
}

const char* const kInfoNames[14] = {"Name1",    "Name2",   "About",      "Telephone", "EMailO",
                                    "Skype",    "WebSite", "OK",         "VK",        "Telegram",
                                    "FaceBook", "Twitter", "Instagramm", "YouTube"};

void PrintInfo(const TInfo14& info) {
  const auto fields = InfoFields(info);
  for (std::size_t i = 0; i < fields.size(); ++i) Print(kInfoNames[i], *fields[i]);
}

void PrintRows(const std::vector<TKovRecord>& rows) {
  for (const TKovRecord& r : rows) {
    if (r.IsEmpty()) continue;
    std::printf("%d\t%d\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", r.Place, r.Score, r.Nick.c_str(),
                r.Country.c_str(), r.City.c_str(), r.R07.c_str(), r.R08.c_str(), r.R09.c_str(),
                r.R10.c_str());
  }
}

std::optional<int> Number(const std::string& text) {
  return ParseIntToken(text);
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char buffer[16];
  std::strftime(buffer, sizeof buffer, "%d.%m.%Y", &local);
  return buffer;
}

// Answers every question of the rated game with "no": a tool does not wait for a person.
class ToolPrompts final : public ClubPrompts {
 public:
  void PlaySound(const std::string&) override {}
  void Pause(int) override {}
  bool AskYesNo(Question question) override {
    std::fprintf(
        stderr, "%s\n",
        std::string(zendral::Word(question == Question::kSettleRepeat ? kWordCouldNotConnect
                                                                      : kWordCantWriteResult,
                                  0))
            .c_str());
    return false;
  }
};

struct Session {
  CurlTransport transport;
  RequestFrame frame{transport};
  OnlineClub club;
  explicit Session(const std::string& base) : club(frame, AddressesUnder(base)) {
    club.ReadPathDirectory();
  }
  const ServiceAddresses& a() const { return club.addresses(); }
};

int Create(Session& s, const std::vector<std::string>& p) {
  if (p.size() != 7) return kUsage;
  const auto country = CountryOfCode(p[4]);
  if (!country) {
    std::fprintf(stderr,
                 "zendral-cli online create: \"%s\" is no country code; a code is the continent"
                 " 1-6, \"-\" and the country's number there, e.g. 1-001 (Russia), 3-009\n",
                 p[4].c_str());
    return kUsage;
  }
  if (p[5] != "M" && p[5] != "W") {
    std::fprintf(stderr, "zendral-cli online create: SEX is M or W, not \"%s\"\n", p[5].c_str());
    return kUsage;
  }
  TKovUser u;
  u.Nick = p[1];
  u.Pw = p[2];
  u.City = p[3];
  u.Country2 = p[4];
  u.Country1 = std::string(country->serverForm);
  u.Sex = p[5];
  u.EMail = p[6];
  const CreateResult result = s.club.CreateAccount(u, Today());
  Print("result", std::to_string(static_cast<int>(result)));
  if (result == kNickTaken) return Fail(kWordNickTaken);
  if (result == kCreateFailed) return Fail(kWordCouldNotCreateAccount);
  return 0;
}

bool LogIn(Session& s, const std::string& nick, const std::string& pw) {
  if (s.club.LogIn(nick, pw)) return true;
  Fail(kWordLoginFailed);
  return false;
}

int SaveProfileCommand(Session& s, const std::vector<std::string>& p) {
  if (p.size() < 4) return kUsage;
  std::map<std::string, std::string> changes;
  for (std::size_t i = 3; i < p.size(); ++i) {
    const std::size_t eq = p[i].find('=');
    if (eq == std::string::npos) return kUsage;
    const std::string name = p[i].substr(0, eq);
    if (std::find(std::begin(kInfoNames), std::end(kInfoNames), name) == std::end(kInfoNames)) {
      return kUsage;
    }
    changes[name] = p[i].substr(eq + 1);
  }
  if (!LogIn(s, p[1], p[2])) return kFailed;
  TInfo14 info = s.club.user().Info;
  auto fields = InfoFields(info);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (auto it = changes.find(kInfoNames[i]); it != changes.end()) *fields[i] = it->second;
  }
  if (!SaveProfile(s.frame, s.a().account, p[1], info)) return Fail(kWordNoConnectMessage);
  TInfo14 read;
  if (!ReadProfile(s.frame, s.a().account, p[1], read)) return Fail(kWordNoConnectMessage);
  PrintInfo(read);
  return 0;
}

int Transfer(Session& s, const std::vector<std::string>& p) {
  if (p.size() != 5) return kUsage;
  const auto amount = Number(p[4]);
  if (!amount) return kUsage;
  if (*amount < 0) return kUsage;
  if (*amount == 0) return Fail(kWordEmptyTransfer);
  if (!LogIn(s, p[1], p[2])) return kFailed;
  const auto balance = s.club.ReadBalance();
  if (!balance) return Fail(kWordNoConnectMessage);
  if (*balance < *amount) return Fail(kWordNotEnoughKovs);
  switch (TransferKovs(s.frame, s.a().account, p[1], p[3], *amount)) {
    case TransferOutcome::kDone:
      break;
    case TransferOutcome::kNoMember:
      return Fail(kWordNoSuchMember);
    case TransferOutcome::kNotEnough:
      return Fail(kWordNotEnoughKovs);
    case TransferOutcome::kFailed:
      return Fail(kWordNoConnectMessage);
  }
  Print("outcome", "ok");
  if (const auto after = s.club.ReadBalance()) Print("balance", std::to_string(*after));
  return 0;
}

// A real block against the server's decks, the computer player on both seats; what the server
// booked is what its replay of the moves gave.
int RatedGame(Session& s, const std::vector<std::string>& p) {
  if (p.size() != 3) return kUsage;
  if (!LogIn(s, p[1], p[2])) return kFailed;
  ToolPrompts prompts;
  s.club.SetState(AccountState::asRated);
  if (s.club.BookRatedGame(prompts) != OnlineClub::Booking::kBooked) {
    return Fail(kWordCouldNotConnect);
  }
  if (s.club.blockDecks().empty()) {
    std::fprintf(stderr, "zendral-cli online: the server dealt no decks for the block\n");
    return kFailed;
  }
  const PlayedBlock block = PlayComputerBlock(s.club.blockDecks());
  const int score = block.score;
  const int total = s.club.game().Score + score;
  if (!s.club.SettleRatedGame(score, total, block.moves, prompts)) return kFailed;
  std::optional<FiledCycle> filed;
  if (s.club.game().KonL == 0) {
    filed = s.club.FileAccountCycle(total, prompts);
    if (!filed) return kFailed;
  }
  s.club.FinishRatedGame();
  if (!s.club.ReadResults()) return Fail(kWordNoConnectMessage);
  Print("block-score", std::to_string(score));
  PrintGame(s.club.game());
  if (filed) {
    Print("filed-place", std::to_string(filed->place));
    Print("award", std::to_string(filed->award));
    Print("balance", std::to_string(s.club.user().R04));
  }
  return 0;
}

int Photo(Session& s, const std::vector<std::string>& p) {
  if (p.size() != 3) return kUsage;
  const auto jpeg = LoadPhoto(s.frame, s.a().photoFolder, p[1]);
  if (!jpeg) return Fail(kWordNoConnectMessage);
  std::ofstream(p[2], std::ios::binary) << *jpeg;
  Print("bytes", std::to_string(jpeg->size()));
  return 0;
}

int UploadPhotoCommand(Session& s, const std::vector<std::string>& p) {
  if (p.size() != 4) return kUsage;
  std::ifstream in(p[3], std::ios::binary);
  if (!in) return kUsage;
  const std::string jpeg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!IsAccountPhoto(jpeg)) return Fail(kWordPhotoFormat);
  if (!LogIn(s, p[1], p[2])) return kFailed;
  if (!UploadPhoto(s.frame, s.a().photoUpload, jpeg)) return Fail(kWordPhotoUploadFailed);
  Print("outcome", "ok");
  return 0;
}

int Paths(Session& s) {
  const ServiceAddresses& a = s.a();
  Print("account", a.account);
  Print("records", a.records);
  Print("statistics", a.statistics);
  Print("tournament", a.tournament);
  Print("photo-upload", a.photoUpload);
  Print("photos", a.photoFolder);
  Print("path-directory", a.pathDirectory);
  Print("news", a.news);
  Print("chat", s.club.switches().chatOff ? "off" : "on");
  Print("world-top-ten", s.club.switches().worldTopTenOff ? "off" : "on");
  return 0;
}

const char* const kServices[] = {protocol::service::kAccount, protocol::service::kRecords,
                                 protocol::service::kStats, protocol::service::kTournament};

// The services' tables of operations: one TAB-separated line per operation (service, name, the
// key that selects it, the fields it needs besides, what the server does first).
int Operations(const std::vector<std::string>& p) {
  if (p.size() > 2) return kUsage;
  int printed = 0;
  for (const char* service : kServices) {
    if (p.size() == 2 && p[1] != service) continue;
    for (const protocol::Operation& row : *protocol::ServiceOperations(service)) {
      std::string needs;
      for (const std::string& name : row.needs) needs += (needs.empty() ? "" : ",") + name;
      std::printf("%s\t%s\t%s\t%s\t%s\n", service, row.name.c_str(),
                  row.key.empty() ? "-" : row.key.c_str(), needs.empty() ? "-" : needs.c_str(),
                  std::string(protocol::WorkName(row.work)).c_str());
      ++printed;
    }
  }
  return printed > 0 ? 0 : kUsage;
}

// Any operation of a service's table by its name, with the fields given: the key from the
// table, the reply as the server wrote it. What the table holds, the tool can send.
int Ask(Session& s, const std::vector<std::string>& p) {
  if (p.size() < 3) return kUsage;
  const protocol::OperationTable* table = protocol::ServiceOperations(p[1]);
  if (table == nullptr) return kUsage;
  const protocol::Operation* row = nullptr;
  for (const protocol::Operation& candidate : *table) {
    if (candidate.name == p[2]) row = &candidate;
  }
  if (row == nullptr) {
    std::fprintf(stderr, "zendral-cli online ask: %s has no operation %s (see operations %s)\n",
                 p[1].c_str(), p[2].c_str(), p[1].c_str());
    return kUsage;
  }
  // The key goes first, with "0" unless the command line gives it a value ("rgid=344").
  Fields fields;
  if (!row->key.empty()) fields.push_back({row->key, "0"});
  for (std::size_t i = 3; i < p.size(); ++i) {
    const std::size_t eq = p[i].find('=');
    if (eq == std::string::npos || eq == 0) return kUsage;
    std::string name = p[i].substr(0, eq);
    std::string value = p[i].substr(eq + 1);
    if (name == row->key) {
      fields.front().second = std::move(value);
    } else {
      fields.push_back({std::move(name), std::move(value)});
    }
  }
  for (const std::string& name : row->needs) {
    bool given = false;
    for (const auto& [field, value] : fields) given = given || field == name;
    if (!given) {
      std::fprintf(stderr, "zendral-cli online ask: %s needs %s=VALUE\n", row->name.c_str(),
                   name.c_str());
      return kUsage;
    }
  }
  const ServiceAddresses& a = s.a();
  namespace service = protocol::service;
  const std::string& address = p[1] == service::kAccount   ? a.account
                               : p[1] == service::kRecords ? a.records
                               : p[1] == service::kStats   ? a.statistics
                                                           : a.tournament;
  const auto reply = s.frame.PostFormRequest(address, fields);
  if (!reply) return Fail(kWordNoConnectMessage);
  std::printf("%s\n", reply->c_str());
  return 0;
}

int Dispatch(Session& s, const std::vector<std::string>& p) {
  const std::string& c = p[0];
  if (c == "create") return Create(s, p);
  if (c == "login") {
    if (p.size() != 3) return kUsage;
    if (!LogIn(s, p[1], p[2])) return kFailed;
    PrintUser(s.club.user());
    return 0;
  }
  if (c == "members") {
    if (p.size() != 1) return kUsage;
    const auto count = ReadMemberCount(s.frame, s.a().account);
    if (!count) return Fail(kWordNoConnectMessage);
    Print("members", std::to_string(*count));
    return 0;
  }
  if (c == "profile") {
    if (p.size() != 2) return kUsage;
    TInfo14 info;
    if (!ReadProfile(s.frame, s.a().account, p[1], info)) return Fail(kWordNoConnectMessage);
    PrintInfo(info);
    return 0;
  }
  if (c == "save-profile") return SaveProfileCommand(s, p);
  if (c == "balance") {
    if (p.size() != 3) return kUsage;
    if (!LogIn(s, p[1], p[2])) return kFailed;
    const auto balance = s.club.ReadBalance();
    if (!balance) return Fail(kWordNoConnectMessage);
    Print("balance", std::to_string(*balance));
    return 0;
  }
  if (c == "transfer") return Transfer(s, p);
  if (c == "results") {
    if (p.size() != 3) return kUsage;
    if (!LogIn(s, p[1], p[2])) return kFailed;
    if (!s.club.resultsRead()) return Fail(kWordNoConnectMessage);
    PrintGame(s.club.game());
    return 0;
  }
  if (c == "place") {
    if (p.size() != 2) return kUsage;
    const auto rating = ParseRealToken(p[1]);
    if (!rating || p[1].empty()) return kUsage;
    const int place = ReadOwnPlace(s.frame, s.a().account, *rating);
    if (place < 0) return Fail(kWordNoConnectMessage);
    Print("place", std::to_string(place));
    return 0;
  }
  if (c == "club-top") {
    if (p.size() != 1) return kUsage;
    const auto rows = ReadClubTopTen(s.frame, s.a().account);
    if (!rows) return Fail(kWordNoConnectMessage);
    for (const TKovTop10& r : *rows) {
      std::printf("%s\t%s\t%s\t%c\t%s\n", r.Nick.c_str(), r.City.c_str(), r.Country.c_str(), r.Sex,
                  FormatRating(r.Rating).c_str());
    }
    return 0;
  }
  if (c == "world" || c == "world-size") {
    if (p.size() != 2 || !Number(p[1])) return kUsage;
    if (s.club.switches().worldTopTenOff) return Fail(kWordWorldTopTenUnavailable);
    if (c == "world-size") {
      const auto size = CountWorldTable(s.frame, s.a().records, *Number(p[1]));
      if (!size) return Fail(kWordNoConnectMessage);
      Print("size", std::to_string(*size));
      return 0;
    }
    const auto rows = ReadWorldTable(s.frame, s.a().records, *Number(p[1]));
    if (!rows) return Fail(kWordNoConnectMessage);
    PrintRows(*rows);
    return 0;
  }
  if (c == "own-rows") {
    if (p.size() != 4 || !Number(p[1])) return kUsage;
    const auto rows = ReadOwnWorldRows(s.frame, s.a().records, *Number(p[1]), p[2], p[3]);
    if (!rows) return Fail(kWordNoConnectMessage);
    PrintRows(*rows);
    return 0;
  }
  if (c == "submit") {
    if (p.size() != 7 || !Number(p[1]) || !Number(p[5]) || (p[6] != "M" && p[6] != "W")) {
      return kUsage;
    }
    const TKovRecord row = SubmissionRow(p[2], p[3], p[4], *Number(p[5]), p[6]);
    const auto place = SubmitWorldRow(s.frame, s.a().records, *Number(p[1]), row);
    if (!place) return Fail(kWordCantWriteResult);
    Print("place", std::to_string(*place));
    return 0;
  }
  if (c == "rated-game") return RatedGame(s, p);
  if (c == "photo") return Photo(s, p);
  if (c == "upload-photo") return UploadPhotoCommand(s, p);
  if (c == "paths") return p.size() == 1 ? Paths(s) : kUsage;
  if (c == "ask") return Ask(s, p);
  return kUsage;
}

}  // namespace

int RunOnline(const cli::Words& words) {
  Args args(words, {"expert"});
  if (!args.ok() || args.Unknown({"base", "expert", "date"}) || args.positionals().empty()) {
    std::fprintf(stderr, "zendral-cli online: %s\n",
                 args.ok() ? "usage: online [--base URL] COMMAND ARGS" : args.error().c_str());
    return kUsage;
  }
  const std::string& command = args.positionals()[0];
  if (command == "operations") {
    // The tables are the tool's own: no server is asked.
    const int listed = Operations(args.positionals());
    if (listed == kUsage) std::fprintf(stderr, "zendral-cli online: bad usage of operations\n");
    return listed;
  }
  Session session(args.Get("base").value_or(ServiceBase()));
  int status = kUsage;
  if (command == "daily" && !args.Has("date")) {
    status = OnlineDaily(session.frame, session.club, args.positionals(), args.Has("expert"));
  } else if (command == "daily-table" && !args.Has("expert")) {
    status = OnlineDailyTable(session.frame, session.a().records, args.positionals(),
                              args.Get("date").value_or(""));
  } else if (!args.Has("expert") && !args.Has("date")) {
    status = Dispatch(session, args.positionals());
  }
  if (status == kUsage) {
    std::fprintf(stderr, "zendral-cli online: bad usage of %s\n", args.positionals()[0].c_str());
  }
  return status;
}

}  // namespace zendral::cli
