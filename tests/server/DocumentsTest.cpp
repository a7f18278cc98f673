// The documents the program fetches, and the photo upload that replaces the old FTP upload.

#include <filesystem>
#include <fstream>

#include "ServerFixture.h"
#include "online/Reply.h"
#include "online/ServiceAddresses.h"
#include "protocol/Scramble.h"

namespace zendral::server_test {
namespace {

class Documents : public ServerTest {};

// The value of a key in the path directory: up to the next "#".
std::string DirectoryValue(const std::string& text, const std::string& key) {
  const auto at = text.find(key + "=");
  if (at == std::string::npos) return {};
  const auto start = at + key.size() + 1;
  return text.substr(start, text.find('#', start) - start);
}

TEST_F(Documents, PathDirectoryNamesThisServersServicesInTheScrambledForm) {
  auto client = NewClient();
  const HttpReply r = client->Get("/services/paths.txt");
  ASSERT_EQ(r.status, 200);
  for (const auto& [key, service] : std::vector<std::pair<std::string, std::string>>{
           {"WTGamesPatt", "records"}, {"StatPath", "stats"}, {"AccPath", "account"}}) {
    const auto address = protocol::Unscramble(DirectoryValue(r.body, key));
    ASSERT_TRUE(address.has_value()) << key;
    EXPECT_EQ(*address, Server().Base() + "/services/" + service);
    // The address it names answers.
    Client direct(address->substr(0, address->find("/services/")));
    EXPECT_EQ(direct.Form("/services/" + service, {{"label1", "0"}}).status, 200);
  }
  EXPECT_EQ(r.body.find("WTGamesPause"), std::string::npos);
  ASSERT_EQ(Server().Admin("pause world on").first, 0);
  EXPECT_NE(client->Get("/services/paths.txt").body.find("WTGamesPause#"), std::string::npos);
  ASSERT_EQ(Server().Admin("pause world off").first, 0);
}

// Behind the club's balancer: only a balancer the server trusts names the player and the
// scheme the player used.
TEST(Balancer, ItsForwardedHeadersCountOnlyWhenTrusted) {
  const std::vector<std::string> forwarded = {"X-Forwarded-For: 127.0.0.66",
                                              "X-Forwarded-Proto: https"};
  const auto accountAddress = [&](Client& client, const std::string& base) {
    online::ServiceAddresses addresses = online::AddressesUnder(base);
    online::PathSwitches switches;
    online::ApplyPathDirectory(client.Get("/services/paths.txt", forwarded).body, addresses,
                               switches);
    return addresses.account;
  };
  const auto radioList = [&](Client& client, ServerProcess& server) {
    std::filesystem::create_directories(server.DataDir() / "music");
    std::ofstream(server.DataDir() / "music" / "Band~Tune.mp3", std::ios::binary) << "ID3";
    return client.Get("/downloads/progr/cards/KovRadio.rad", forwarded).body;
  };

  ServerProcess open({"--no-relay"});
  Client stranger(open.Base());
  EXPECT_EQ(stranger.Get("/get_ip.php", forwarded).body, "127.0.0.1");
  EXPECT_EQ(accountAddress(stranger, open.Base()).rfind("http://", 0), 0u);
  EXPECT_NE(radioList(stranger, open).find("#http://"), std::string::npos);

  ServerProcess behind({"--no-relay", "--trusted-proxy", "127.0.0.1"});
  Client balancer(behind.Base());
  EXPECT_EQ(balancer.Get("/get_ip.php", forwarded).body, "127.0.0.66");
  EXPECT_EQ(balancer.Get("/get_ip.php").body, "127.0.0.1");
  EXPECT_EQ(accountAddress(balancer, behind.Base()).rfind("https://", 0), 0u);
  const std::string stations = radioList(balancer, behind);
  EXPECT_NE(stations.find("#https://"), std::string::npos) << stations;
  EXPECT_EQ(stations.find("#http://"), std::string::npos) << stations;
}

TEST_F(Documents, TheAndroidEditionsAddressesReachTheProgramOnlyOnceNamed) {
  auto client = NewClient();
  const auto read = [&] {
    online::ServiceAddresses addresses = online::AddressesUnder(Server().Base());
    online::PathSwitches switches;
    online::ApplyPathDirectory(client->Get("/services/paths.txt").body, addresses, switches);
    return std::pair{addresses.androidPackage, addresses.androidStore};
  };
  EXPECT_EQ(read(), std::pair(std::string(), std::string()));
  const std::string package = Server().Base() + "/downloads/progr/Zendral.apk";
  ASSERT_EQ(Server().Admin("edition apk " + package).first, 0);
  ASSERT_EQ(Server().Admin("edition store https://store.example/zendral").first, 0);
  EXPECT_EQ(read(), std::pair(package, std::string("https://store.example/zendral")));
  // What could break the directory or reach a local file is refused and changes nothing.
  for (const char* bad : {"file:///etc/passwd", "javascript:alert(1)", "http://x/a#b"}) {
    EXPECT_NE(Server().Admin(std::string("edition apk '") + bad + "'").first, 0) << bad;
  }
  EXPECT_EQ(read().first, package);
  ASSERT_EQ(Server().Admin("edition apk off").first, 0);
  ASSERT_EQ(Server().Admin("edition store off").first, 0);
  EXPECT_EQ(read(), std::pair(std::string(), std::string()));
}

TEST_F(Documents, NewsCarriesTheNumberOfTheLatestItem) {
  auto client = NewClient();
  const auto number = [&] {
    const std::string page = client->Get("/news/index.html").body;
    const auto at = page.find("KovNews");
    return at == std::string::npos ? -1 : std::stoi(page.substr(at + 7, 5));
  };
  const int before = number();
  ASSERT_GE(before, 0);
  const auto [code, out] = Server().Admin("news add 'Club evening on <Friday> & prizes'");
  ASSERT_EQ(code, 0) << out;
  EXPECT_EQ(number(), before + 1);
  const std::string page = client->Get("/news/index.html").body;
  EXPECT_NE(page.find("Club evening on &lt;Friday&gt; &amp; prizes"), std::string::npos);
  EXPECT_EQ(page.find("KovNews" + std::string(5 - std::to_string(before + 1).size(), '0') +
                      std::to_string(before + 1)),
            page.find("KovNews"));
}

TEST_F(Documents, ServesFilesOfTheDataFolderAndNothingBesides) {
  namespace fs = std::filesystem;
  const fs::path data = Server().DataDir();
  fs::create_directories(data / "packs");
  fs::create_directories(data / "music");
  std::ofstream(data / "packs" / "KovCards06A.dll", std::ios::binary) << std::string("PACK\0\1", 6);
  std::ofstream(data / "music" / "Kov_Band~Night_Ride.mp3", std::ios::binary) << "ID3";
  std::ofstream(data / "music" / "Kov_Band~Morning.mp3", std::ios::binary) << "ID3";
  std::ofstream(data / "music" / "notes.txt") << "not a track";
  std::ofstream(data / "adv.txt") << "SecAdv0000=001##SecAdv001N=Kov Patience##";

  auto client = NewClient();
  EXPECT_EQ(client->Get("/downloads/progr/cards/KovCards06A.dll").body, std::string("PACK\0\1", 6));
  EXPECT_EQ(client->Get("/musik/_playlist.html").body,
            "Kov_Band~Morning.mp3\nKov_Band~Night_Ride.mp3\n");
  EXPECT_EQ(client->Get("/musik/Kov_Band~Morning.mp3").body, "ID3");
  EXPECT_EQ(client->Get("/services/adv.txt").body, "SecAdv0000=001##SecAdv001N=Kov Patience##");
  EXPECT_EQ(client->Get("/get_ip.php").body, "127.0.0.1");
  const HttpReply page = client->Get("/zendral/");
  EXPECT_EQ(page.status, 200);
  EXPECT_NE(page.body.find("nine of diamonds"), std::string::npos);

  for (const char* path :
       {"/downloads/progr/cards/../zendral-server.sqlite",
        "/downloads/progr/cards/%2E%2E%2Fzendral-server.sqlite",
        "/downloads/progr/cards/..%2Fadv.txt", "/musik/.hidden", "/photos/../server.log",
        "/downloads/progr/cards/Missing.dll", "/zendral-server.sqlite", "/services/account"}) {
    EXPECT_NE(client->Get(path).status, 200) << path;
  }
}

TEST_F(Documents, OnlyTheMembersSessionUploadsItsPhotoOfTheRightSize) {
  auto owner = NewClient();
  const std::string nick = NewNick("Foto");
  CreateAndLogIn(*owner, nick, "pass1234");
  const std::string photo = TestJpeg(200, 250);
  auto stranger = NewClient();
  EXPECT_EQ(stranger->Post("/services/photo", photo, "image/jpeg").body, "no");
  EXPECT_EQ(owner->Post("/services/photo", TestJpeg(250, 200), "image/jpeg").body, "no");
  EXPECT_EQ(owner->Post("/services/photo", "GIF89a" + photo, "image/jpeg").body, "no");
  EXPECT_EQ(owner->Post("/services/photo", photo.substr(0, 12), "image/jpeg").body, "no");
  EXPECT_NE(stranger->Get("/photos/" + nick + ".jpg").status, 200);
  EXPECT_EQ(owner->Post("/services/photo", photo, "image/jpeg").body, "ok");
  const HttpReply got = stranger->Get("/photos/" + nick + ".jpg");
  EXPECT_EQ(got.status, 200);
  EXPECT_EQ(JpegPictureSize(got.body), std::make_pair(200, 250));
}

// A photo is a picture and nothing else: what follows a JPEG's own end, or a page behind a
// valid frame header, never reaches anybody who looks at the photo.
TEST_F(Documents, OnlyAPictureEncodedByTheServerIsEverServedAsAPhoto) {
  auto owner = NewClient();
  const std::string nick = NewNick("Html");
  CreateAndLogIn(*owner, nick, "pass1234");
  const std::string page = "<html><script>alert(1)</script></html>";
  const std::string photo = TestJpeg(200, 250);
  // The frame header of a real photo followed by a page instead of the picture's data.
  const std::size_t scan = photo.find("\xFF\xDA");
  ASSERT_NE(scan, std::string::npos);
  for (const std::string& upload : {photo + page, photo.substr(0, scan) + page}) {
    const std::string answer = owner->Post("/services/photo", upload, "image/jpeg").body;
    const HttpReply got = owner->Get("/photos/" + nick + ".jpg");
    if (answer == "ok") {
      EXPECT_EQ(got.body.find("<html"), std::string::npos);
      EXPECT_EQ(JpegPictureSize(got.body), std::make_pair(200, 250));
    } else {
      EXPECT_EQ(answer, "no");
    }
  }
}

// The club's own pictures and the members' photos share a folder name; the club's files win,
// and a member whose nick is a club picture's name cannot upload under it.
TEST_F(Documents, AMembersPhotoNeverShadowsAClubPicture) {
  const std::filesystem::path folder = Server().DataDir() / "photos";
  std::filesystem::create_directories(folder);
  const std::string picture = TestJpeg(40, 30);
  const std::string club = NewNick("Clu");
  std::ofstream(folder / (club + ".jpg"), std::ios::binary) << picture;
  auto member = NewClient();
  CreateAndLogIn(*member, club, "pass1234");
  EXPECT_EQ(member->Post("/services/photo", TestJpeg(200, 250), "image/jpeg").body, "no");
  EXPECT_EQ(member->Get("/photos/" + club + ".jpg").body, picture);
}

}  // namespace
}  // namespace zendral::server_test
