#include "online/ServiceAddresses.h"

#include <cstdlib>

#include "protocol/Keys.h"
#include "protocol/Scramble.h"

#ifndef ZENDRAL_SERVICE_BASE
#define ZENDRAL_SERVICE_BASE "http://127.0.0.1:8044"
#endif

namespace zendral::online {

using protocol::Scramble;
using protocol::Unscramble;
namespace paths = protocol::paths;
namespace {

std::string TrimBase(std::string base) {
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base;
}

void TakeScrambled(std::string_view scrambled, std::string& address) {
  if (scrambled.empty()) return;
  if (auto plain = Unscramble(scrambled); plain && !plain->empty()) address = *plain;
}

// An address the program may hand to the system's browser or download from: http or https,
// nothing that could reach a command or a local file.
bool IsWebAddress(std::string_view address) {
  const bool scheme = address.starts_with("http://") || address.starts_with("https://");
  if (!scheme || address.size() > 1000) return false;
  for (const char c : address) {
    if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == '\\' || c == 0x7f) return false;
  }
  return true;
}

void TakeWebAddress(const std::optional<std::string>& scrambled, std::string& address) {
  if (!scrambled || scrambled->empty()) return;
  if (auto plain = Unscramble(*scrambled); plain && IsWebAddress(*plain)) address = *plain;
}

}  // namespace

std::string BuiltInServiceBase() {
  return TrimBase(ZENDRAL_SERVICE_BASE);
}

std::string ServiceBase() {
  const char* fromEnvironment = std::getenv(std::string(kServiceBaseVariable).c_str());
  if (fromEnvironment != nullptr && *fromEnvironment != '\0') return TrimBase(fromEnvironment);
  return BuiltInServiceBase();
}

ServiceAddresses AddressesUnder(std::string_view base) {
  const std::string b = TrimBase(std::string(base));
  ServiceAddresses a;
  namespace service = protocol::service;
  namespace location = protocol::location;
  a.account = b + protocol::ServicePath(service::kAccount);
  a.records = b + protocol::ServicePath(service::kRecords);
  a.statistics = b + protocol::ServicePath(service::kStats);
  a.tournament = b + protocol::ServicePath(service::kTournament);
  a.photoUpload = b + protocol::ServicePath(service::kPhoto);
  a.pathDirectory = b + location::kPathDirectory;
  a.news = b + location::kNews;
  a.photoFolder = b + location::kPhotos;
  a.ownAddress = b + location::kOwnAddress;
  a.playlist = b + location::kPlaylist;
  a.advertising = b + location::kAdvertising;
  a.downloads = b + location::kDownloads;
  return a;
}

ServiceAddressDefaults StoredAddressDefaults(const ServiceAddresses& addresses) {
  return {Scramble(addresses.records), Scramble(addresses.statistics)};
}

void ApplySettingsAddresses(const Settings& settings, ServiceAddresses& addresses) {
  TakeScrambled(settings.RecordsServiceAddress, addresses.records);
  TakeScrambled(settings.StatisticsServiceAddress, addresses.statistics);
}

std::optional<std::string> PathDirectoryValue(std::string_view text, std::string_view key) {
  const std::size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  std::size_t start = at + key.size();
  if (start < text.size()) ++start;  // the "=" behind the key
  const std::size_t end = text.find('#', start);
  return std::string(
      text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

void ApplyPathDirectory(const std::optional<std::string>& text, ServiceAddresses& addresses,
                        PathSwitches& switches) {
  switches = {};
  if (!text) return;
  switches.chatOff = text->find(paths::kChatPaused) != std::string::npos;
  switches.worldTopTenOff = text->find(paths::kWorldPaused) != std::string::npos;
  if (!switches.worldTopTenOff) {
    if (auto records = PathDirectoryValue(*text, paths::kRecords)) {
      TakeScrambled(*records, addresses.records);
    }
  }
  if (auto statistics = PathDirectoryValue(*text, paths::kStatistics)) {
    TakeScrambled(*statistics, addresses.statistics);
  }
  if (auto account = PathDirectoryValue(*text, paths::kAccount)) {
    TakeScrambled(*account, addresses.account);
  }
  TakeWebAddress(PathDirectoryValue(*text, paths::kAndroidPackage), addresses.androidPackage);
  TakeWebAddress(PathDirectoryValue(*text, paths::kAndroidStore), addresses.androidStore);
}

}  // namespace zendral::online
