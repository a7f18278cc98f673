// The server's own radio stations: the endless MP3 streams of its music folder and the station
// list the program downloads, over real HTTP on loopback.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <QString>

#include "RadioList.h"
#include "RadioStream.h"
#include "ServerFixture.h"
#include "extras/radio/RadioStations.h"
#include "store/Cp1251.h"

namespace zendral::server_test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr int kFrameBytes = 417;  // MPEG-1 Layer III, 128 kbit/s, 44.1 kHz, no padding
constexpr int kBytesPerSecond = 16000;

// A silent mono frame (all side information zero). Its unused main data carries the track and
// frame numbers, so that a test can tell where in the music a stream is.
std::string SilentFrame(int track, int number) {
  std::string frame(kFrameBytes, '\0');
  frame[0] = '\xFF';
  frame[1] = '\xFB';
  frame[2] = '\x90';
  frame[3] = '\xC0';
  const std::string mark = "T" + std::to_string(track) + "F" + std::to_string(number) + ";";
  frame.replace(100, mark.size(), mark);
  return frame;
}

std::string Track(int track, int frames) {
  std::string bytes;
  for (int i = 0; i < frames; ++i) bytes += SilentFrame(track, i);
  return bytes;
}

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// The "T..F..;" marks of the whole frames of a stream, in order; empty when the bytes are not
// one frame after another from the first byte.
std::vector<std::string> FrameMarks(const std::string& bytes) {
  std::vector<std::string> marks;
  std::size_t at = 0;
  while (bytes.size() - at >= 4) {
    const auto frame = server::ReadMp3Frame(bytes.data() + at, bytes.size() - at);
    if (!frame) return {};
    if (bytes.size() - at < static_cast<std::size_t>(frame->length)) break;
    const std::string body = bytes.substr(at, frame->length);
    marks.push_back(body.substr(100, body.find(';', 100) - 100));
    at += frame->length;
  }
  return marks;
}

// A listener on a raw connection, reading as a radio player does.
class Listener {
 public:
  // forwardedFor: the listener's address as the club's balancer (this test) names it.
  Listener(int port, const std::string& path, const char* method = "GET",
           const std::string& forwardedFor = "") {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      ADD_FAILURE() << "cannot connect";
      return;
    }
    std::string request =
        std::string(method) + " " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\nIcy-MetaData: 0\r\n";
    if (!forwardedFor.empty()) request += "X-Forwarded-For: " + forwardedFor + "\r\n";
    request += "\r\n";
    EXPECT_EQ(::send(fd_, request.data(), request.size(), 0), static_cast<ssize_t>(request.size()));
  }
  ~Listener() { Close(); }
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

  // Reads what comes for the time, or until the server closes the connection (or, when asked,
  // until the reply's head is whole).
  void ReadFor(std::chrono::milliseconds time, bool untilHead = false) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (!closed_ && fd_ >= 0 && !(untilHead && HeadWhole())) {
      const auto left =
          std::chrono::ceil<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, static_cast<int>(std::max<long>(0, left.count()))) > 0) {
        char buffer[65536];
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) {
          closed_ = true;
          return;
        }
        received_.append(buffer, static_cast<std::size_t>(n));
      } else if (left.count() <= 0) {
        return;
      }
    }
  }
  void ReadHead() { ReadFor(3000ms, true); }

  bool HeadWhole() const { return received_.find("\r\n\r\n") != std::string::npos; }
  std::string Head() const { return received_.substr(0, received_.find("\r\n\r\n") + 4); }
  std::string Body() const {
    const auto at = received_.find("\r\n\r\n");
    return at == std::string::npos ? std::string() : received_.substr(at + 4);
  }
  bool Closed() const { return closed_; }

 private:
  int fd_ = -1;
  bool closed_ = false;
  std::string received_;
};

class RadioStream : public ::testing::Test {
 public:
  static void SetUpTestSuite() {
    server_ = new ServerProcess(
        {"--public-host", "radio.example.org", "--no-relay", "--trusted-proxy", "127.0.0.1"});
    const fs::path music = server_->DataDir() / "music";
    // The default station: two tracks, the first behind a tag and some damage, the second
    // with a tag at its end; together 3 s, so that a few seconds of stream pass from one to
    // the other.
    const std::string tag("ID3\x04\x00\x00\x00\x00\x00\x40", 10);
    Write(music / "a_first.mp3", tag + std::string(128, '\xFF') + Track(1, 60));
    Write(music / "b_second.mp3", Track(2, 60) + "TAG" + std::string(125, ' '));
    Write(music / "notes.txt", "not a track");
    // A further station with one long track, and folders that are no stations.
    Write(music / "night" / "long.mp3", Track(3, 300));
    Write(music / "empty" / "readme.txt", "nothing to play");
    Write(music / "two words" / "x.mp3", Track(4, 10));
    Write(music / "noise" / "noise.mp3", std::string(5000, '\x55'));
    Write(server_->DataDir() / "radio-stations.txt",
          "USA 0000009#x#Клуб FM#USA#http://example.org/club#\n\n");
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  static int Port() { return server_->Port(); }

 protected:
  static inline ServerProcess* server_ = nullptr;
};

TEST(Mp3Frame, HeadersGiveLengthAndDuration) {
  struct Case {
    const char* header;
    int length;
    qint64 durationNs;
  };
  const Case cases[] = {
      {"\xFF\xFB\x90\xC0", 417, 26'122'448},  // MPEG-1 Layer III 128 kbit/s 44.1 kHz
      {"\xFF\xFB\x92\xC0", 418, 26'122'448},  // the same, padded
      {"\xFF\xF3\x80\xC0", 208, 26'122'448},  // MPEG-2 Layer III 64 kbit/s 22.05 kHz
      {"\xFF\xFD\xA4\x00", 576, 24'000'000},  // MPEG-1 Layer II 192 kbit/s 48 kHz
      {"\xFF\xFF\x10\x00", 32, 8'707'482},    // MPEG-1 Layer I 32 kbit/s 44.1 kHz
      {"\xFF\xFB\x00\xC0", 0, 0},             // free format
      {"\xFF\xFB\xF0\xC0", 0, 0},             // bad bit rate
      {"\xFF\xFB\x9C\xC0", 0, 0},             // reserved sample rate
      {"\xFF\xF9\x90\xC0", 0, 0},             // reserved layer
      {"\xFF\xEB\x90\xC0", 0, 0},             // reserved version
      {"\xFE\xFB\x90\xC0", 0, 0},             // no sync
  };
  for (const Case& c : cases) {
    const auto frame = server::ReadMp3Frame(c.header, 4);
    if (c.length == 0) {
      EXPECT_FALSE(frame.has_value()) << testing::PrintToString(std::string(c.header, 4));
      continue;
    }
    ASSERT_TRUE(frame.has_value()) << testing::PrintToString(std::string(c.header, 4));
    EXPECT_EQ(frame->length, c.length);
    EXPECT_EQ(frame->durationNs, c.durationNs);
  }
  EXPECT_FALSE(server::ReadMp3Frame("\xFF\xFB\x90", 3).has_value());
}

TEST(RadioHost, PublicHostWithTheListenPortOrElseTheRequestsHost) {
  struct Case {
    const char* publicHost;
    const char* requestHost;
    const char* host;
  };
  const Case cases[] = {
      {"radio.example.org", "127.0.0.1:8044", "radio.example.org:9000"},
      {"radio.example.org:80", "127.0.0.1:8044", "radio.example.org:80"},
      {"", "club.local:8044", "club.local:8044"},
      {"", "[::1]:8044", "[::1]:8044"},
      {"", "evil#host/x", "127.0.0.1:9000"},
      {"", "", "127.0.0.1:9000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(
        server::RadioHost(QString::fromUtf8(c.publicHost), 9000, QString::fromUtf8(c.requestHost))
            .toStdString(),
        c.host)
        << c.publicHost << " / " << c.requestHost;
  }
}

TEST_F(RadioStream, StreamsWholeFramesAtTheBitRateThroughTheTracks) {
  Listener listener(Port(), "/radio/zendral");
  listener.ReadFor(2000ms);
  const std::string head = listener.Head();
  EXPECT_TRUE(head.starts_with("HTTP/1.0 200 OK\r\n")) << head;
  EXPECT_NE(head.find("Content-Type: audio/mpeg\r\n"), std::string::npos) << head;
  EXPECT_NE(head.find("icy-name: Zendral Radio\r\n"), std::string::npos) << head;
  EXPECT_NE(head.find("Cache-Control: no-cache\r\n"), std::string::npos) << head;
  EXPECT_EQ(head.find("Content-Length"), std::string::npos) << head;
  EXPECT_FALSE(listener.Closed());

  // About a second at once, then the bit rate: some 3 s of audio in 2 s.
  const std::string body = listener.Body();
  EXPECT_GT(body.size(), 2.3 * kBytesPerSecond);
  EXPECT_LT(body.size(), 3.8 * kBytesPerSecond);
  // Frame after frame from the first byte, the tags left out, the first track into the second
  // and round again.
  const auto marks = FrameMarks(body);
  ASSERT_GT(marks.size(), 100u) << body.size();
  EXPECT_EQ(marks.front(), "T1F0");
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const int n = static_cast<int>(i % 120);
    EXPECT_EQ(marks[i], n < 60 ? "T1F" + std::to_string(n) : "T2F" + std::to_string(n - 60)) << i;
  }
}

TEST_F(RadioStream, ListenersHearTheSamePoint) {
  Listener first(Port(), "/radio/night");
  first.ReadFor(700ms);
  Listener second(Port(), "/radio/night");
  second.ReadHead();
  // The newcomer's second of audio comes at once; it then keeps pace with the first.
  second.ReadFor(100ms);
  EXPECT_GE(second.Body().size(), 0.9 * kBytesPerSecond);
  first.ReadFor(800ms);
  second.ReadFor(800ms);
  first.ReadFor(50ms);

  const auto a = FrameMarks(first.Body());
  const auto b = FrameMarks(second.Body());
  ASSERT_FALSE(a.empty());
  ASSERT_FALSE(b.empty());
  EXPECT_EQ(a.front(), "T3F0");
  // The second's stream is a stretch of the first's, beginning about a second behind the point
  // the first had reached when the second came.
  const auto start = std::find(a.begin(), a.end(), b.front());
  ASSERT_NE(start, a.end()) << b.front();
  const auto behind = start - a.begin();
  EXPECT_GT(behind, 5);
  EXPECT_LT(behind, 50);
  const std::size_t overlap = std::min(b.size(), static_cast<std::size_t>(a.end() - start));
  EXPECT_GT(overlap, 60u);
  EXPECT_TRUE(std::equal(b.begin(), b.begin() + overlap, start));
  // Both are at the live point: the one that came later has not got further.
  EXPECT_LE(static_cast<std::ptrdiff_t>(b.size()) + behind - static_cast<std::ptrdiff_t>(a.size()),
            4);
}

TEST_F(RadioStream, StationsThatDoNotExistAreNotFound) {
  Client client("http://127.0.0.1:" + std::to_string(Port()));
  for (const char* path :
       {"/radio/nosuch", "/radio/empty", "/radio/two%20words", "/radio/", "/radio/..",
        "/radio/night/long.mp3", "/radio/noise", "/radio/ZENDRAL"}) {
    EXPECT_EQ(client.Get(path).status, 404) << path;
  }
  // HEAD: the headers only, and the connection ends.
  Listener head(Port(), "/radio/night", "HEAD");
  head.ReadFor(1500ms);
  EXPECT_TRUE(head.Closed());
  EXPECT_TRUE(head.Head().starts_with("HTTP/1.0 200 OK\r\n")) << head.Head();
  EXPECT_NE(head.Head().find("icy-name: Zendral Radio night\r\n"), std::string::npos);
  EXPECT_EQ(head.Body(), "");
}

TEST_F(RadioStream, StationListNamesTheStationsAtThePublicHost) {
  Client client("http://127.0.0.1:" + std::to_string(Port()));
  const HttpReply list = client.Get(std::string(radio::kRadioListPath));
  ASSERT_EQ(list.status, 200);
  const std::string host = "radio.example.org:" + std::to_string(Port());
  EXPECT_EQ(list.body, "RUS ZND0001#zendral#Zendral Radio#Russian Federation#http://" + host +
                           "/radio/zendral#\r\n"
                           "RUS ZND0002#night#Zendral Radio night#Russian Federation#http://" +
                           host + "/radio/night#\r\n" +
                           // Listed for its file name, though it holds no frame to play.
                           "RUS ZND0003#noise#Zendral Radio noise#Russian Federation#http://" +
                           host + "/radio/noise#\r\n" +
                           Utf8ToCp1251("USA 0000009#x#Клуб FM#USA#http://example.org/club#\r\n"));
  // As the program reads it.
  const std::string text = Cp1251ToUtf8(list.body);
  const auto russian = radio::StationsOfCountry(text, "RUS");
  ASSERT_EQ(russian.size(), 3u);
  EXPECT_EQ(russian[1].name, "Zendral Radio night");
  EXPECT_EQ(russian[1].address, "http://" + host + "/radio/night");
  const auto club = radio::StationsOfCountry(text, "USA");
  ASSERT_EQ(club.size(), 1u);
  EXPECT_EQ(club[0].name, "Клуб FM");

  // A list of that name among the packs is served instead.
  const fs::path packs = server_->DataDir() / "packs" / "KovRadio.rad";
  Write(packs, "RUS 0000001#x#Own#Russian Federation#http://own.example.org/#\r\n");
  EXPECT_EQ(client.Get(std::string(radio::kRadioListPath)).body,
            "RUS 0000001#x#Own#Russian Federation#http://own.example.org/#\r\n");
  fs::remove(packs);
}

// One address cannot take a station's places from everybody else.
TEST_F(RadioStream, OneAddressHoldsOnlyAFewStreams) {
  std::vector<std::unique_ptr<Listener>> mine;
  for (int i = 0; i < server::kRadioStreamsPerCaller; ++i) {
    mine.push_back(std::make_unique<Listener>(Port(), "/radio/zendral", "GET", "127.7.7.7"));
    mine.back()->ReadHead();
    EXPECT_TRUE(mine.back()->Head().starts_with("HTTP/1.0 200 OK")) << mine.back()->Head();
  }
  Listener oneTooMany(Port(), "/radio/zendral", "GET", "127.7.7.7");
  oneTooMany.ReadHead();
  EXPECT_NE(oneTooMany.Head().find(" 503 "), std::string::npos) << oneTooMany.Head();
  Listener neighbour(Port(), "/radio/zendral", "GET", "127.7.7.8");
  neighbour.ReadHead();
  EXPECT_TRUE(neighbour.Head().starts_with("HTTP/1.0 200 OK")) << neighbour.Head();
}

TEST_F(RadioStream, ListenersThatLeaveAreReleased) {
  // One after the other, as many as a station takes; a place still held by a listener that
  // has hung up must come free within a few seconds.
  const auto fill = [](std::vector<std::unique_ptr<Listener>>& listeners) {
    for (int i = 0; i < server::kRadioMaxListeners; ++i) {
      for (int attempt = 0; attempt < 30; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(100ms);
        // Each from an address of its own: one address holds only a few streams.
        listeners.push_back(std::make_unique<Listener>(Port(), "/radio/zendral", "GET",
                                                       "127.6.0." + std::to_string(i + 1)));
        listeners.back()->ReadHead();
        if (listeners.back()->Head().find(" 503 ") == std::string::npos) break;
        listeners.pop_back();
      }
      ASSERT_TRUE(listeners.back()->Head().starts_with("HTTP/1.0 200 OK"))
          << i << ": " << listeners.back()->Head();
    }
  };
  std::vector<std::unique_ptr<Listener>> listeners;
  fill(listeners);
  // A full station turns the next listener away.
  Listener refused(Port(), "/radio/zendral", "GET", "127.6.1.1");
  refused.ReadHead();
  EXPECT_NE(refused.Head().find(" 503 "), std::string::npos) << refused.Head();

  // Once they have hung up, as many come in again, and the server goes on serving.
  listeners.clear();
  fill(listeners);
  listeners.front()->ReadFor(300ms);
  EXPECT_FALSE(FrameMarks(listeners.front()->Body()).empty());
  listeners.clear();
  Client client("http://127.0.0.1:" + std::to_string(Port()));
  EXPECT_EQ(client.Get("/services/paths.txt").status, 200);
}

}  // namespace
}  // namespace zendral::server_test
