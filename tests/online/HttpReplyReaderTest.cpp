// The reply reader of the program's own HTTP client: every framing a server may use, every
// way a reply can be malformed, cut off or too large. Each reply is read as it came whole and
// as it would come one byte at a time, since a socket may hand it over in any pieces.

#include "online/HttpReplyReader.h"

#include <gtest/gtest.h>

#include <string>

namespace zendral::online {
namespace {

using State = HttpReplyReader::State;

struct Case {
  const char* name;
  std::string bytes;
  bool connectionEnds;  // the server closes after the bytes
  State state;
  int status;
  std::string body;
};

State Read(HttpReplyReader& reader, const std::string& bytes, bool ends, bool byteByByte) {
  if (byteByByte) {
    for (const char c : bytes) reader.Feed(std::string_view(&c, 1));
  } else {
    reader.Feed(bytes);
  }
  return ends ? reader.End() : reader.state();
}

TEST(HttpReplyReader, ReadsEveryFramingAndRefusesWhatIsMalformedOrTooLarge) {
  const std::size_t kMax = 32;
  const std::string big(33, 'x');
  const Case cases[] = {
      {"length", "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n$57$!", false, State::kDone, 200,
       "$57$!"},
      {"length, bytes after it ignored", "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nabcd", false,
       State::kDone, 200, "ab"},
      {"header names in any case, bare line ends", "HTTP/1.0 200 OK\nCONTENT-length:  3 \n\nabc",
       false, State::kDone, 200, "abc"},
      {"chunks with an extension and a trailer",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4;x=y\r\n$57$\r\nA\r\n0123456789"
       "\r\n0\r\nX-Trailer: 1\r\n\r\n",
       false, State::kDone, 200, "$57$0123456789"},
      {"chunks win over a length",
       "HTTP/1.1 200 OK\r\nContent-Length: 99\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nok\r\n0"
       "\r\n\r\n",
       false, State::kDone, 200, "ok"},
      {"to the end of the connection", "HTTP/1.1 200 OK\r\n\r\nall of it", true, State::kDone, 200,
       "all of it"},
      {"an interim reply first",
       "HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 201 Created\r\nContent-Length: 1\r\n\r\n1", false,
       State::kDone, 201, "1"},
      {"no body for 204", "HTTP/1.1 204 No Content\r\n\r\n", false, State::kDone, 204, ""},
      {"an error status keeps its body", "HTTP/1.1 500 Oops\r\nContent-Length: 2\r\n\r\nno", false,
       State::kDone, 500, "no"},
      {"an empty length", "HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", false, State::kDone, 200,
       ""},

      {"nothing at all", "", true, State::kFailed, 0, ""},
      {"not HTTP", "SSH-2.0-OpenSSH\r\n\r\n", false, State::kFailed, 0, ""},
      {"a status that is not a number", "HTTP/1.1 2x0 OK\r\n\r\n", false, State::kFailed, 0, ""},
      {"a header without a colon", "HTTP/1.1 200 OK\r\nnonsense\r\n\r\n", false, State::kFailed, 0,
       ""},
      {"a negative length", "HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n", false, State::kFailed,
       0, ""},
      {"two lengths that differ",
       "HTTP/1.1 200 OK\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\nab", false, State::kFailed,
       0, ""},
      {"a coding the client never asked for",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip\r\n\r\nxx", true, State::kFailed, 0, ""},
      {"a chunk size that is not hex",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", false, State::kFailed, 200,
       ""},
      {"a chunk longer than it said",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nabc\r\n0\r\n\r\n", false,
       State::kFailed, 200, ""},
      {"cut off in the head", "HTTP/1.1 200 OK\r\nContent-Le", true, State::kFailed, 0, ""},
      {"cut off in the body", "HTTP/1.1 200 OK\r\nContent-Length: 50\r\n\r\n$5", true,
       State::kFailed, 200, ""},
      {"cut off between chunks", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\nab\r\n",
       true, State::kFailed, 200, ""},
      {"a length over the bound", "HTTP/1.1 200 OK\r\nContent-Length: 33\r\n\r\n" + big, false,
       State::kFailed, 200, ""},
      {"a length of twenty digits",
       "HTTP/1.1 200 OK\r\nContent-Length: 18446744073709551617\r\n\r\n", false, State::kFailed, 0,
       ""},
      {"chunks over the bound",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10\r\n" + std::string(16, 'a') +
           "\r\n11\r\n",
       false, State::kFailed, 200, ""},
      {"a chunk size of sixteen digits",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nffffffffffffffff\r\n", false,
       State::kFailed, 200, ""},
      {"to the end of the connection, over the bound", "HTTP/1.1 200 OK\r\n\r\n" + big, true,
       State::kFailed, 200, ""},
  };
  for (const Case& c : cases) {
    for (const bool byteByByte : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (byteByByte ? ", byte by byte" : ", whole"));
      HttpReplyReader reader(kMax);
      EXPECT_EQ(Read(reader, c.bytes, c.connectionEnds, byteByByte), c.state);
      EXPECT_EQ(reader.status(), c.status);
      EXPECT_EQ(reader.body(), c.body);
      EXPECT_EQ(reader.error().empty(), c.state != State::kFailed) << reader.error();
    }
  }
}

std::string Repeated(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(HttpReplyReader, AnEndlessHeadOrChunkLineIsRefusedWithoutHoldingIt) {
  const struct {
    const char* name;
    std::string start;
    char filler;
  } cases[] = {
      {"status line", "HTTP/1.1 200 ", 'O'},
      {"header", "HTTP/1.1 200 OK\r\nX-Long: ", 'a'},
      {"many headers", "HTTP/1.1 200 OK\r\n", '\n'},
      {"chunk size line", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1", ' '},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HttpReplyReader reader(1024);
    reader.Feed(c.start);
    // "many headers": lines of one header each, never the blank line that ends the head.
    const std::string piece =
        c.filler == '\n' ? Repeated("X: 1\r\n", 700) : std::string(4096, c.filler);
    State state = State::kReading;
    for (int i = 0; i < 1000 && state == State::kReading; ++i) state = reader.Feed(piece);
    EXPECT_EQ(state, State::kFailed);
  }
}

// A download's body goes to its sink as it comes: only a 2xx body, never past the bound, and
// the sink can end the reply.
TEST(HttpReplyReader, ADownloadsBodyGoesToItsSinkAndOnlyAnAcceptedOne) {
  const struct {
    const char* name;
    std::string bytes;
    bool sinkTakes;
    State state;
    std::string sunk;
    std::size_t bodyBytes;
  } cases[] = {
      {"chunks of a 200",
       "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n2\r\nde\r\n0\r\n\r\n",
       true, State::kDone, "abcde", 5},
      {"an error page", "HTTP/1.1 404 Not Found\r\nContent-Length: 4\r\n\r\ngone", true,
       State::kDone, "", 4},
      {"a sink that cannot write", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nabcd", false,
       State::kFailed, "", 0},
      {"past the bound to the end of the connection",
       "HTTP/1.1 200 OK\r\n\r\n" + std::string(9, 'x'), true, State::kFailed, "", 0},
  };
  for (const auto& c : cases) {
    for (const bool byteByByte : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (byteByByte ? ", byte by byte" : ", whole"));
      HttpReplyReader reader(8);
      std::string sunk;
      reader.SetBodySink([&](std::string_view bytes) {
        if (!c.sinkTakes) return false;
        sunk.append(bytes);
        return true;
      });
      EXPECT_EQ(Read(reader, c.bytes, true, byteByByte), c.state);
      EXPECT_EQ(reader.body(), "");
      // A failed download may have sunk part of its body, never more than the bound.
      if (c.state == State::kDone) {
        EXPECT_EQ(sunk, c.sunk);
        EXPECT_EQ(reader.BodyBytes(), c.bodyBytes);
      } else {
        EXPECT_LE(sunk.size(), 8u);
      }
    }
  }
}

TEST(HttpReplyReader, KeepsTheFinalReplysCookiesInOrder) {
  HttpReplyReader reader(1024);
  reader.Feed(
      "HTTP/1.1 100 Continue\r\nSet-Cookie: interim=1\r\n\r\n"
      "HTTP/1.1 200 OK\r\nSet-Cookie: zsid=abc; Path=/; HttpOnly\r\nset-cookie:  b=2 \r\n"
      "Content-Length: 0\r\n\r\n");
  ASSERT_EQ(reader.state(), State::kDone);
  EXPECT_EQ(reader.cookies(), (std::vector<std::string>{"zsid=abc; Path=/; HttpOnly", "b=2"}));
}

}  // namespace
}  // namespace zendral::online
