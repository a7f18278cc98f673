#include "online/HttpCookies.h"

#include <algorithm>
#include <cctype>
#include <ctime>

namespace zendral::online {
namespace {

// Bounds on what one server may leave in the jar.
constexpr std::size_t kMaxCookiesPerHost = 50;
constexpr std::size_t kMaxCookieBytes = 4096;

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Whether an Expires date ("Thu, 01 Jan 1970 00:00:00 GMT") has passed; an unreadable date
// leaves the cookie for the session, as if there were none.
bool Expired(std::string_view date) {
  std::tm tm{};
  const std::string text(date);
  const char* end = strptime(text.c_str(), "%a, %d %b %Y %H:%M:%S", &tm);
  if (end == nullptr) return false;
  return timegm(&tm) <= std::time(nullptr);
}

}  // namespace

void HttpCookies::Keep(const std::string& host, bool loopback,
                       const std::vector<std::string>& setCookies) {
  for (const std::string& line : setCookies) {
    std::string_view text(line);
    const std::size_t semicolon = std::min(text.find(';'), text.size());
    const std::string_view pair = text.substr(0, semicolon);
    const std::size_t equals = pair.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string name(Trimmed(pair.substr(0, equals)));
    const std::string value(Trimmed(pair.substr(equals + 1)));
    if (name.empty() || name.size() + value.size() > kMaxCookieBytes) continue;
    bool remove = false;
    bool secure = false;
    std::string_view attributes = text.substr(semicolon);
    while (!attributes.empty()) {
      attributes.remove_prefix(1);  // the ';'
      const std::size_t next = std::min(attributes.find(';'), attributes.size());
      const std::string_view attribute = attributes.substr(0, next);
      attributes = attributes.substr(next);
      const std::size_t eq = attribute.find('=');
      const std::string_view key = Trimmed(attribute.substr(0, eq));
      const std::string_view arg =
          eq == std::string_view::npos ? std::string_view() : Trimmed(attribute.substr(eq + 1));
      if (SameWord(key, "Secure")) secure = true;
      if (SameWord(key, "Max-Age")) {
        remove = !arg.empty() &&
                 (arg.front() == '-' || arg.find_first_not_of('0') == std::string_view::npos);
      }
      if (SameWord(key, "Expires") && Expired(arg)) remove = true;
    }
    // A cookie meant for https only comes back over plain http to this machine alone, which
    // counts as a secure context (as in libcurl and the browsers).
    if (secure && !loopback) continue;
    auto& jar = jars_[host];
    if (remove) {
      jar.erase(name);
    } else if (jar.count(name) != 0 || jar.size() < kMaxCookiesPerHost) {
      jar[name] = value;
    }
  }
}

std::string HttpCookies::Header(const std::string& host) const {
  const auto jar = jars_.find(host);
  if (jar == jars_.end() || jar->second.empty()) return {};
  std::string header = "Cookie: ";
  bool first = true;
  for (const auto& [name, value] : jar->second) {
    if (!first) header += "; ";
    header += name + "=" + value;
    first = false;
  }
  return header + "\r\n";
}

}  // namespace zendral::online
