#include "present/audio/SoundDevice.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace zendral::audio {

namespace fs = std::filesystem;

namespace {

// The kernel lists each card as " N [id ]: driver - name"; with none it writes
// "--- no soundcards ---".
bool AlsaListsACard(const fs::path& cards) {
  std::ifstream in(cards);
  for (std::string line; std::getline(in, line);) {
    const auto first = line.find_first_not_of(' ');
    if (first != std::string::npos && line[first] >= '0' && line[first] <= '9') return true;
  }
  return false;
}

bool IsSocket(const fs::path& path) {
  std::error_code ec;
  return fs::is_socket(path, ec);
}

}  // namespace

SoundDevicePlaces ThisMachinesSoundPlaces() {
  SoundDevicePlaces places;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR")) places.runtimeFolder = runtime;
  if (const char* server = std::getenv("PULSE_SERVER")) places.pulseServer = server;
  return places;
}

bool HasSoundDevice(const SoundDevicePlaces& places) {
  if (AlsaListsACard(places.alsaCards)) return true;
  if (!places.pulseServer.empty()) return true;
  if (places.runtimeFolder.empty()) return false;
  return IsSocket(places.runtimeFolder / "pulse" / "native") ||
         IsSocket(places.runtimeFolder / "pipewire-0");
}

}  // namespace zendral::audio
