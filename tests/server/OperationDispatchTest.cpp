// The server's dispatch through the protocol's tables of operations, over a real context on a
// throwaway SQLite database.

#include <gtest/gtest.h>

#include <QByteArray>

#include <algorithm>
#include <memory>
#include <thread>

#include "OperationDispatch.h"
#include "Services.h"
#include "TempFolder.h"
#include "TournamentService.h"
#include "protocol/Keys.h"

namespace zendral::server {
namespace {

class Dispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    QString error;
    db_ = Database::Open(
        QStringLiteral("sqlite:") + QString::fromStdString((folder_.path() / "d.sqlite").string()),
        &error);
    ASSERT_TRUE(db_ && db_->Migrate(&error)) << error.toStdString();
    sessions_ = std::make_unique<Sessions>(*db_);
    context_ = std::make_unique<ServerContext>(
        ServerContext{*db_, hasher_, *sessions_, limits_,
                      QString::fromStdString(folder_.path().string()), QString()});
  }

  ServiceReply Ask(const OperationDispatch& dispatch, const QByteArray& body) {
    ServiceRequest request;
    request.body = body;
    request.fields = Fields::Decode(body);
    request.address = QStringLiteral("127.0.0.1");
    return dispatch(*context_, request);
  }

  TempFolder folder_;
  std::unique_ptr<Database> db_;
  PasswordHash hasher_{HashCost::Minimal()};
  std::unique_ptr<Sessions> sessions_;
  RateLimit limits_;
  std::unique_ptr<ServerContext> context_;
};

TEST_F(Dispatch, ANewOperationIsARowAndAHandler) {
  // The account service's table with one operation more, before its last resort (a nick and
  // a password alone create an account).
  protocol::OperationTable table = protocol::AccountOperations();
  table.insert(table.end() - 1,
               {"greet", "labelgreet", {protocol::field::kNick}, protocol::Work::kNone});
  const OperationDispatch dispatch(
      table, {{"greet",
               [](ServerContext& ctx, const ServiceRequest& request) {
                 // The handler gets the server's context: it may use the database.
                 const bool stored = ctx.db.Run(QStringLiteral("SELECT 1")) != nullptr;
                 return reply::Segment({QStringLiteral("hello"), request.fields.Value("nick"),
                                        stored ? QStringLiteral("db") : QStringLiteral("-")});
               }},
              {"create", [](ServerContext&, const ServiceRequest&) { return reply::Ok(); }}});

  EXPECT_EQ(Ask(dispatch, "nick=Ann&pw=secret&labelgreet=0").body,
            reply::Segment({"hello", "Ann", "db"}).body);
  // The new key keeps a request with a password from being taken for a new account...
  EXPECT_EQ(dispatch.Select(Fields::Decode("nick=Ann&pw=secret&labelgreet=0"))->name, "greet");
  // ... and without its key the request is what it was before.
  EXPECT_EQ(Ask(dispatch, "nick=Ann&pw=secret").body, reply::Ok().body);
  // Without the field the row needs, the row does not fit, and nothing else does.
  EXPECT_EQ(Ask(dispatch, "labelgreet=0").body, reply::No().body);

  // The rows this test left without a handler are named, and so is a handler of no row.
  const OperationDispatch partial(table, {{"greet", nullptr}, {"farewell", nullptr}});
  const auto unbound = partial.Unbound();
  EXPECT_EQ(unbound.size(), table.size());
  EXPECT_NE(std::find(unbound.begin(), unbound.end(), "row log-in"), unbound.end());
  EXPECT_NE(std::find(unbound.begin(), unbound.end(), "handler farewell"), unbound.end());
  // A row without a handler answers "no" rather than failing.
  EXPECT_EQ(Ask(partial, "label0=0&nick=A&pw=b").body, reply::No().body);
}

TEST_F(Dispatch, ANewRecordsOperationWithWorkerWorkIsARowAndAWorkerHandler) {
  // The records service's table with one operation more whose work is a search: the handler
  // checks the request on the server's thread, the search runs on a worker, and the answer is
  // written on the server's thread again with what the database says then.
  protocol::OperationTable table = protocol::RecordsOperations();
  table.insert(table.end() - 1,
               {"sum-up", "sumup", {protocol::field::kScore}, protocol::Work::kSearch});
  const std::thread::id serverThread = std::this_thread::get_id();
  const OperationDispatch dispatch(
      table, {{"world-read", [](ServerContext&, const ServiceRequest&) { return reply::Ok(); }}},
      {{"sum-up",
        [serverThread](ServerContext& ctx, const ServiceRequest& request,
                       ServiceReply* reply) -> std::optional<WorkerJob> {
          const auto n = request.fields.Int(protocol::field::kScore);
          if (!n || *n < 0) {
            *reply = reply::Taken();  // a refusal of the handler's own, not the dispatch's "no"
            return std::nullopt;
          }
          const int upTo = *n;
          return WorkerJob{[upTo, serverThread] {
                             // Marks whether it ran off the server's thread.
                             long long sum = 0;
                             for (int i = 1; i <= upTo; ++i) sum += i;
                             const bool away = std::this_thread::get_id() != serverThread;
                             return QByteArray::number(sum) + (away ? " worker" : " server");
                           },
                           [&ctx](const QByteArray& result) {
                             const bool stored = ctx.db.Run(QStringLiteral("SELECT 1")) != nullptr;
                             return reply::Segment({QString::fromLatin1(result),
                                                    stored ? QStringLiteral("db") : QString()});
                           }};
        }}});
  EXPECT_EQ(dispatch.Unbound().size(), table.size() - 2) << "only two rows are bound here";

  const QByteArray body = "sumup=0&score=100";
  ServiceRequest request;
  request.fields = Fields::Decode(body);
  ASSERT_TRUE(dispatch.NeedsWorker(request.fields));
  EXPECT_EQ(dispatch.Select(request.fields)->name, "sum-up");
  // The row's handler gives the job; the server runs its work on a worker (here a thread of
  // the test's own) and its finish on its own thread.
  ServiceReply direct;
  auto job = dispatch.Prepare(*context_, request, &direct);
  ASSERT_TRUE(job.has_value());
  QByteArray result;
  std::thread worker([&] { result = job->work(); });
  worker.join();
  EXPECT_EQ(job->finish(result).body, reply::Segment({"5050 worker", "db"}).body);
  // Without a worker (a dispatch with no socket) the whole reply comes on the calling thread.
  EXPECT_EQ(Ask(dispatch, body).body, reply::Segment({"5050 server", "db"}).body);

  // The handler's refusal is the reply, with no job.
  ServiceRequest refused;
  refused.fields = Fields::Decode("sumup=0&score=-1");
  ServiceReply refusal;
  EXPECT_FALSE(dispatch.Prepare(*context_, refused, &refusal).has_value());
  EXPECT_EQ(refusal.body, reply::Taken().body);
  // A request for a row answered at once needs no worker and gets its reply from Prepare.
  ServiceRequest read;
  read.fields = Fields::Decode("gid=44");
  EXPECT_FALSE(dispatch.NeedsWorker(read.fields));
  ServiceReply readReply;
  EXPECT_FALSE(dispatch.Prepare(*context_, read, &readReply).has_value());
  EXPECT_EQ(readReply.body, reply::Ok().body);

  // A worker row bound to a plain handler, or a plain row to a worker handler, is no binding:
  // both are named, and the request is answered "no" rather than run on the wrong thread.
  const OperationDispatch crossed(
      table, {{"sum-up", [](ServerContext&, const ServiceRequest&) { return reply::Ok(); }}},
      {{"world-read", [](ServerContext&, const ServiceRequest&, ServiceReply*) {
          return std::optional<WorkerJob>();
        }}});
  const auto unbound = crossed.Unbound();
  EXPECT_NE(std::find(unbound.begin(), unbound.end(), "row sum-up"), unbound.end());
  EXPECT_NE(std::find(unbound.begin(), unbound.end(), "handler sum-up"), unbound.end());
  EXPECT_NE(std::find(unbound.begin(), unbound.end(), "worker handler world-read"), unbound.end());
  EXPECT_EQ(Ask(crossed, body).body, reply::No().body);
}

TEST_F(Dispatch, EveryServiceHasAHandlerForEveryRowAndNoOther) {
  const OperationDispatch tournament = TournamentDispatch(TourConfig{});
  for (const OperationDispatch* dispatch :
       {&AccountDispatch(), &RecordsDispatch(), &StatsDispatch(), &tournament}) {
    const auto unbound = dispatch->Unbound();
    EXPECT_TRUE(unbound.empty()) << unbound.front();
  }
}

TEST_F(Dispatch, RequestsReachTheRealHandlers) {
  // Through the real services on the real database: answers only those handlers give.
  EXPECT_EQ(Ask(AccountDispatch(), "label1=0").body, reply::TrailingNumber(0).body);
  EXPECT_EQ(Ask(StatsDispatch(), "stat1=1&stat2=1").body, reply::Ack(false).body);  // no game
  EXPECT_EQ(Ask(RecordsDispatch(), "rgid=44").body, reply::TrailingNumber(0).body);
  // The deal of the day's start is a worker row: without a session its handler refuses at once.
  EXPECT_TRUE(RecordsDispatch().NeedsWorker(Fields::Decode("dailystart=0")));
  EXPECT_EQ(Ask(RecordsDispatch(), "dailystart=0").body, reply::No().body);
  const OperationDispatch tournament = TournamentDispatch(TourConfig{});
  const std::string gid = std::to_string(protocol::kGameId);
  EXPECT_NE(Ask(tournament, QByteArray::fromStdString("serverinforead=0&gid=" + gid)).body,
            reply::No().body);
  EXPECT_EQ(Ask(tournament, "serverinforead=0&gid=45").body, reply::No().body);
}

}  // namespace
}  // namespace zendral::server
