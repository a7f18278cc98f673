#pragma once
// Starting a session from the main menu's member buttons: the start dialog for a club member
// or a new player, the rated game of a logged-in account on the fifth line, and the LAN
// session when the settings want a network game. A confirmed start gets a new kon driver and
// its first deal.

#include <functional>

namespace zendral {

class FileSessionStore;
class KonDriver;
class LanSession;
class OnlineLink;
class PeerLink;
class WindowServices;
struct GameState;
struct Settings;
struct StartEntry;
struct StartPlayer;

class SessionStarter {
 public:
  struct Hooks {
    // A session starts only over the menu while nothing else runs.
    std::function<bool()> menuIdle;
    // The online layer, once the online start-up is over.
    std::function<OnlineLink&()> online;
    // The club and history store; null before the start-up.
    std::function<FileSessionStore*()> store;
    // A new kon driver, talking to the peer when there is one.
    std::function<KonDriver&(PeerLink* peer)> useDriver;
    // The first deal of the session, through the driver's gate.
    std::function<void()> dealFirstKon;
    // The settings that the game state copies (flights, highlights, recording).
    std::function<void()> applySettings;
    // The whole menu again (the account window may have logged in, out or to another nick).
    std::function<void()> menuAgain;
  };
  SessionStarter(GameState& state, Settings& settings, WindowServices& window, LanSession& lan,
                 Hooks hooks);

  // A member button: 1..5 a club member, 6 a new player. A line without a member does
  // nothing.
  void Start(int playerSlot);

 private:
  void TakeStartEntry(int playerSlot, const StartEntry& entry);
  void StartRated();
  void StartNetwork(int playerSlot, const StartPlayer& player);

  GameState& state_;
  Settings& settings_;
  WindowServices& window_;
  LanSession& lan_;
  Hooks hooks_;
};

}  // namespace zendral
