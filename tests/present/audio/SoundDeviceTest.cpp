// Whether the machine has a sound device, read from the kernel's card list and the user's
// sound server, without opening an audio library.

#include "present/audio/SoundDevice.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <fstream>

#include "TempFolder.h"

namespace zendral::audio {
namespace {

// A listening Unix socket at `path`, as a sound server leaves in the runtime folder.
class UnixSocket {
 public:
  explicit UnixSocket(const std::filesystem::path& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~UnixSocket() { ::close(fd_); }
  UnixSocket(const UnixSocket&) = delete;
  UnixSocket& operator=(const UnixSocket&) = delete;
  bool bound() const { return bound_; }

 private:
  int fd_;
  bool bound_ = false;
};

TEST(SoundDevice, TheCardListAndTheSoundServerDecide) {
  struct Case {
    const char* what;
    const char* cards;        // the kernel's card list; null: no such file
    const char* pulseServer;  // PULSE_SERVER
    const char* socket;       // a socket in the runtime folder; null: none
    bool found;
  } cases[] = {
      {"no cards, no server", "--- no soundcards ---\n", "", nullptr, false},
      {"no card list at all (no ALSA in the kernel)", nullptr, "", nullptr, false},
      {"one card", " 0 [PCH            ]: HDA-Intel - HDA Intel PCH\n   HDA Intel PCH at 0xf1\n",
       "", nullptr, true},
      {"a second card only on a later line", "\n 1 [USB ]: USB-Audio - Headset\n", "", nullptr,
       true},
      {"a PulseAudio server named in the environment", "--- no soundcards ---\n", "tcp:studio:4713",
       nullptr, true},
      {"PulseAudio's socket in the runtime folder", "--- no soundcards ---\n", "", "pulse/native",
       true},
      {"PipeWire's socket in the runtime folder", "--- no soundcards ---\n", "", "pipewire-0",
       true},
      {"a plain file where the socket would be is no server", "--- no soundcards ---\n", "",
       "plain", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    SoundDevicePlaces places;
    places.alsaCards = folder.path() / "cards";
    if (c.cards != nullptr) std::ofstream(places.alsaCards) << c.cards;
    places.runtimeFolder = folder.path() / "run";
    std::filesystem::create_directories(places.runtimeFolder / "pulse");
    places.pulseServer = c.pulseServer;
    std::unique_ptr<UnixSocket> server;
    if (c.socket != nullptr && std::string(c.socket) == "plain") {
      std::ofstream(places.runtimeFolder / "pulse" / "native") << "x";
    } else if (c.socket != nullptr) {
      server = std::make_unique<UnixSocket>(places.runtimeFolder / c.socket);
      ASSERT_TRUE(server->bound());
    }
    EXPECT_EQ(HasSoundDevice(places), c.found);
  }
}

}  // namespace
}  // namespace zendral::audio
