#include "online/ServiceAddresses.h"

#include <cstdlib>

#include "online/Scramble.h"

#ifndef ZENDRAL_SERVICE_BASE
#define ZENDRAL_SERVICE_BASE "http://127.0.0.1:8044"
#endif

namespace zendral::online {
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
  a.account = b + "/services/account";
  a.records = b + "/services/records";
  a.statistics = b + "/services/stats";
  a.tournament = b + "/services/tournament";
  a.photoUpload = b + "/services/photo";
  a.pathDirectory = b + "/services/paths.txt";
  a.news = b + "/news/index.html";
  a.photoFolder = b + "/photos/";
  a.ownAddress = b + "/get_ip.php";
  a.playlist = b + "/musik/_playlist.html";
  a.advertising = b + "/services/adv.txt";
  a.downloads = b + "/downloads/progr/cards/";
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
  switches.chatOff = text->find("CTGamesPause") != std::string::npos;
  switches.worldTopTenOff = text->find("WTGamesPause") != std::string::npos;
  if (!switches.worldTopTenOff) {
    if (auto records = PathDirectoryValue(*text, "WTGamesPatt")) {
      TakeScrambled(*records, addresses.records);
    }
  }
  if (auto statistics = PathDirectoryValue(*text, "StatPath")) {
    TakeScrambled(*statistics, addresses.statistics);
  }
  if (auto account = PathDirectoryValue(*text, "AccPath")) {
    TakeScrambled(*account, addresses.account);
  }
  TakeWebAddress(PathDirectoryValue(*text, "ApkPath"), addresses.androidPackage);
  TakeWebAddress(PathDirectoryValue(*text, "StorePath"), addresses.androidStore);
}

}  // namespace zendral::online
