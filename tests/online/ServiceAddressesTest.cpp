// The service addresses: the base, the settings lines and the path directory.

#include <gtest/gtest.h>

#include <cstdlib>

#include "online/ServiceAddresses.h"
#include "protocol/Scramble.h"

namespace zendral::online {

using protocol::Scramble;
using protocol::Unscramble;
namespace {

TEST(ServiceAddresses, EveryAddressUnderTheBase) {
  const auto a = AddressesUnder("http://h:1/");
  EXPECT_EQ(a.account, "http://h:1/services/account");
  EXPECT_EQ(a.records, "http://h:1/services/records");
  EXPECT_EQ(a.statistics, "http://h:1/services/stats");
  EXPECT_EQ(a.photoUpload, "http://h:1/services/photo");
  EXPECT_EQ(a.pathDirectory, "http://h:1/services/paths.txt");
  EXPECT_EQ(a.photoFolder, "http://h:1/photos/");
}

TEST(ServiceAddresses, TheEnvironmentNamesTheBase) {
  ::setenv("ZENDRAL_SERVICE_BASE", "http://127.0.0.5:9000/", 1);
  EXPECT_EQ(ServiceBase(), "http://127.0.0.5:9000");
  ::setenv("ZENDRAL_SERVICE_BASE", "", 1);
  EXPECT_EQ(ServiceBase(), BuiltInServiceBase());
  ::unsetenv("ZENDRAL_SERVICE_BASE");
  EXPECT_EQ(ServiceBase(), "http://127.0.0.1:8044");
}

TEST(ServiceAddresses, SettingsLinesMoveTheTwoServicesAndEmptyLinesKeepTheBuiltIn) {
  auto a = AddressesUnder("http://h");
  Settings firstStart;  // no settings file: both lines empty
  ApplySettingsAddresses(firstStart, a);
  EXPECT_EQ(a.records, "http://h/services/records");
  EXPECT_EQ(a.statistics, "http://h/services/stats");

  Settings s;
  s.RecordsServiceAddress = Scramble("http://r/rec");
  s.StatisticsServiceAddress = "not hex";
  ApplySettingsAddresses(s, a);
  EXPECT_EQ(a.records, "http://r/rec");
  EXPECT_EQ(a.statistics, "http://h/services/stats");

  const auto stored = StoredAddressDefaults(AddressesUnder("http://h"));
  EXPECT_EQ(Unscramble(stored.records), "http://h/services/records");
}

TEST(PathDirectory, ValuesSwitchesAndFailures) {
  EXPECT_EQ(PathDirectoryValue("A=1#B=2#", "B"), "2");
  EXPECT_EQ(PathDirectoryValue("A=1#B=22", "B"), "22");  // no "#": to the end
  EXPECT_EQ(PathDirectoryValue("A=1#", "C"), std::nullopt);

  const std::string doc = "WTGamesPatt=" + Scramble("http://r2/records") +
                          "#StatPath=" + Scramble("http://s2/stats") +
                          "#AccPath=" + Scramble("http://a2/account") + "#";
  auto a = AddressesUnder("http://h");
  PathSwitches sw;
  ApplyPathDirectory(doc, a, sw);
  EXPECT_EQ(a.records, "http://r2/records");
  EXPECT_EQ(a.statistics, "http://s2/stats");
  EXPECT_EQ(a.account, "http://a2/account");
  EXPECT_FALSE(sw.chatOff);
  EXPECT_FALSE(sw.worldTopTenOff);

  auto paused = AddressesUnder("http://h");
  ApplyPathDirectory("CTGamesPause#WTGamesPause#" + doc, paused, sw);
  EXPECT_TRUE(sw.chatOff);
  EXPECT_TRUE(sw.worldTopTenOff);
  EXPECT_EQ(paused.records, "http://h/services/records");  // paused: not moved
  EXPECT_EQ(paused.account, "http://a2/account");

  auto failed = AddressesUnder("http://h");
  ApplyPathDirectory(std::nullopt, failed, sw);
  EXPECT_FALSE(sw.chatOff);
  EXPECT_FALSE(sw.worldTopTenOff);
  EXPECT_EQ(failed.account, "http://h/services/account");

  auto garbage = AddressesUnder("http://h");
  ApplyPathDirectory(std::string("AccPath=zz#StatPath="), garbage, sw);
  EXPECT_EQ(garbage.account, "http://h/services/account");
  EXPECT_EQ(garbage.statistics, "http://h/services/stats");
}

TEST(PathDirectory, TheAndroidEditionsAddressesOnlyAsWebAddresses) {
  const std::string doc = "WTGamesPatt=" + Scramble("http://r2/records") + "#";
  struct Case {
    const char* tag;
    std::string extra;
    std::string package, store;
  } cases[] = {
      {"none named", "", "", ""},
      {"both",
       "ApkPath=" + Scramble("https://e.example/Zendral.apk") +
           "#StorePath=" + Scramble("http://127.0.0.1:8044/store") + "#",
       "https://e.example/Zendral.apk", "http://127.0.0.1:8044/store"},
      {"a local file", "ApkPath=" + Scramble("file:///etc/passwd") + "#", "", ""},
      {"a blank inside", "StorePath=" + Scramble("http://x/a b") + "#", "", ""},
      {"a quote inside", "StorePath=" + Scramble("http://x/\"") + "#", "", ""},
      {"not scrambled", "ApkPath=http://x/a.apk#", "", ""},
      {"empty", "ApkPath=#StorePath=#", "", ""},
  };
  for (const Case& c : cases) {
    auto a = AddressesUnder("http://h");
    PathSwitches sw;
    ApplyPathDirectory(doc + c.extra, a, sw);
    EXPECT_EQ(a.androidPackage, c.package) << c.tag;
    EXPECT_EQ(a.androidStore, c.store) << c.tag;
    EXPECT_EQ(a.records, "http://r2/records") << c.tag;
  }
}

}  // namespace
}  // namespace zendral::online
