#pragma once
// Test doubles for the outside of the rules: they record every call as one line of text,
// so a test can check what was asked and in which order.

#include <string>
#include <vector>

#include "game/TableView.h"

namespace zendral::testing {

inline const char* CaptionName(MainCaption c) {
  switch (c) {
    case MainCaption::kToBegin:
      return "ToBegin";
    case MainCaption::kPass:
      return "Pass";
    case MainCaption::kTotalOfGame:
      return "TotalOfGame";
    case MainCaption::kNextGame:
      return "NextGame";
  }
  return "?";
}

class RecordingTable : public TableView {
 public:
  std::vector<std::string> calls;

  void DrawHand(int seat, bool faceUp) override {
    calls.push_back("hand " + std::to_string(seat) + (faceUp ? " up" : " down"));
  }
  void DrawLayout() override { calls.push_back("layout"); }
  void FlyCard(int seat, int slot, TCardCode card) override {
    calls.push_back("fly " + std::to_string(seat) + " " + std::to_string(slot) + " " +
                    ToNotation(card));
  }
  void DrawScoreTabs(int marker) override { calls.push_back("tabs " + std::to_string(marker)); }
  void DrawKonPanel() override { calls.push_back("panel"); }
  void SetMainButton(MainCaption caption, bool enabled) override {
    calls.push_back(std::string("button ") + CaptionName(caption) + (enabled ? " on" : " off"));
  }
  void PlaySound(std::string_view name, bool wait) override {
    calls.push_back("sound " + std::string(name) + (wait ? " wait" : ""));
  }
};

class RecordingPeer : public PeerLink {
 public:
  std::vector<std::string> calls;
  void SendToPeer(std::string_view m) override { calls.push_back("peer " + std::string(m)); }
  void SendToRelay(std::string_view m) override { calls.push_back("relay " + std::string(m)); }
  void StartPeerMoveClock() override { calls.push_back("clock"); }
};

}  // namespace zendral::testing
