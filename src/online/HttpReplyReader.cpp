#include "online/HttpReplyReader.h"

#include <algorithm>
#include <cctype>

namespace zendral::online {
namespace {

constexpr std::size_t kMaxChunkLine = 1024;

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

// The next line of `text` from `from` without its line end, and where the line after it
// starts; npos when the line has not ended yet.
std::size_t NextLine(std::string_view text, std::size_t from, std::string_view& line) {
  const std::size_t end = text.find('\n', from);
  if (end == std::string_view::npos) return end;
  line = text.substr(from, end - from);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return end + 1;
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

HttpReplyReader::State HttpReplyReader::Fail(std::string why) {
  state_ = State::kFailed;
  error_ = std::move(why);
  body_.clear();
  pending_.clear();
  return state_;
}

HttpReplyReader::State HttpReplyReader::Feed(std::string_view bytes) {
  if (state_ != State::kReading) return state_;
  pending_.append(bytes);
  while (state_ == State::kReading && Step()) {
  }
  return state_;
}

HttpReplyReader::State HttpReplyReader::End() {
  if (state_ != State::kReading) return state_;
  if (part_ == Part::kCloseBody) {
    state_ = State::kDone;
    return state_;
  }
  if (part_ == Part::kHead && pending_.empty()) return Fail("empty reply from the server");
  return Fail("the connection ended before the reply did");
}

bool HttpReplyReader::AddBody(std::string_view bytes) {
  if (bodyBytes_ + bytes.size() > maxBody_) {
    Fail("the reply is larger than allowed");
    return false;
  }
  bodyBytes_ += bytes.size();
  if (!sink_) {
    body_.append(bytes);
  } else if (status_ >= 200 && status_ <= 299 && !bytes.empty() && !sink_(bytes)) {
    Fail("the body was not taken");
    return false;
  }
  return true;
}

// Reads the head once it is whole. Returns whether it was read (or the reply failed).
bool HttpReplyReader::ReadHead() {
  // The head is read once its blank line has come; until then only the new bytes are looked
  // at, so a head that trickles in byte by byte costs no more than one that comes whole.
  const std::size_t from = headScanned_ < 2 ? 0 : headScanned_ - 2;
  const std::size_t blank = std::min(pending_.find("\n\n", from), pending_.find("\n\r\n", from));
  const bool emptyFirstLine = pending_.rfind("\n", 0) == 0 || pending_.rfind("\r\n", 0) == 0;
  if (blank == std::string::npos && !emptyFirstLine) {
    headScanned_ = pending_.size();
    if (pending_.size() > kMaxHeadBytes) Fail("the reply's head is too long");
    return false;
  }
  headScanned_ = 0;
  std::string_view text(pending_);
  std::string_view line;
  std::size_t at = NextLine(text, 0, line);
  const std::string_view statusLine = line;
  bool lengthSeen = false;
  std::size_t length = 0;
  bool chunked = false;
  std::vector<std::string> cookies;
  for (;;) {
    const std::size_t next = NextLine(text, at, line);
    if (next == std::string_view::npos) {
      Fail("a malformed reply head");
      return true;
    }
    at = next;
    if (line.empty()) break;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) {
      Fail("a malformed header in the reply");
      return true;
    }
    const std::string name = Lower(Trim(line.substr(0, colon)));
    const std::string_view value = Trim(line.substr(colon + 1));
    if (name == "content-length") {
      if (!AllDigits(value) || value.size() > 18 ||
          (lengthSeen && length != std::stoull(std::string(value)))) {
        Fail("a bad Content-Length in the reply");
        return true;
      }
      lengthSeen = true;
      length = std::stoull(std::string(value));
    } else if (name == "transfer-encoding") {
      const std::string codings = Lower(value);
      const std::size_t last = codings.rfind(',');
      const std::string_view final =
          Trim(std::string_view(codings).substr(last == std::string::npos ? 0 : last + 1));
      if (final != "chunked" && final != "identity") {
        Fail("a transfer coding the client does not read");
        return true;
      }
      chunked = final == "chunked";
    } else if (name == "set-cookie") {
      cookies.emplace_back(value);
    }
  }
  if (at > kMaxHeadBytes) {
    Fail("the reply's head is too long");
    return true;
  }
  // "HTTP/1.x NNN reason"
  if (statusLine.size() < 12 || statusLine.substr(0, 7) != "HTTP/1." || statusLine[8] != ' ' ||
      !AllDigits(statusLine.substr(9, 3)) || (statusLine.size() > 12 && statusLine[12] != ' ')) {
    Fail("not an HTTP reply");
    return true;
  }
  const int status = std::stoi(std::string(statusLine.substr(9, 3)));
  pending_.erase(0, at);
  if (status >= 100 && status < 200) return true;  // an interim reply: the real one follows
  status_ = status;
  cookies_ = std::move(cookies);
  if (status == 204 || status == 304) {
    state_ = State::kDone;
  } else if (chunked) {
    part_ = Part::kChunkSize;
  } else if (lengthSeen) {
    if (length > maxBody_) {
      Fail("the reply is larger than allowed");
      return true;
    }
    remaining_ = length;
    expected_ = length;
    part_ = Part::kLengthBody;
    if (length == 0) state_ = State::kDone;
  } else {
    part_ = Part::kCloseBody;
  }
  return true;
}

// One step on the pending bytes; false when more bytes are needed.
bool HttpReplyReader::Step() {
  switch (part_) {
    case Part::kHead:
      return ReadHead();
    case Part::kCloseBody: {
      const bool added = AddBody(pending_);
      pending_.clear();
      (void)added;
      return false;
    }
    case Part::kLengthBody:
    case Part::kChunkData: {
      if (pending_.empty()) return false;
      const std::size_t take = std::min(remaining_, pending_.size());
      if (!AddBody(std::string_view(pending_).substr(0, take))) return false;
      pending_.erase(0, take);
      remaining_ -= take;
      if (remaining_ == 0) {
        if (part_ == Part::kLengthBody) {
          state_ = State::kDone;
        } else {
          part_ = Part::kChunkEnd;
        }
      }
      return true;
    }
    case Part::kChunkEnd:
    case Part::kChunkSize:
    case Part::kTrailer: {
      std::string_view line;
      const std::size_t next = NextLine(pending_, 0, line);
      if (next == std::string_view::npos) {
        if (pending_.size() > kMaxChunkLine) Fail("a malformed chunk in the reply");
        return false;
      }
      const std::string text(line);
      pending_.erase(0, next);
      if (part_ == Part::kChunkEnd) {
        if (!text.empty()) Fail("a malformed chunk in the reply");
        part_ = Part::kChunkSize;
        return true;
      }
      if (part_ == Part::kTrailer) {
        if (text.empty()) state_ = State::kDone;
        return true;
      }
      const std::string_view size = Trim(std::string_view(text).substr(0, text.find(';')));
      if (size.empty() || size.size() > 15 || !std::all_of(size.begin(), size.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
          })) {
        Fail("a malformed chunk in the reply");
        return true;
      }
      remaining_ = std::stoull(std::string(size), nullptr, 16);
      if (remaining_ > maxBody_ - bodyBytes_) {
        Fail("the reply is larger than allowed");
        return true;
      }
      part_ = remaining_ == 0 ? Part::kTrailer : Part::kChunkData;
      return true;
    }
  }
  return false;
}

}  // namespace zendral::online
