#pragma once
// The table drawn into a picture with nobody watching, and recorded: a kon driver's view for
// tools that make recordings without a screen. It draws what the window draws (the table over
// "GIFBackGr", both hands, the layout, the score tabs, the kon panel, the name plates and the
// two buttons) and takes a frame wherever the program would wait for a sound or a click, as
// the capture timer would see the table there. Needs a QGuiApplication (the offscreen platform
// will do).

#include <QImage>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "game/Simulation.h"
#include "present/draw/TableArt.h"
#include "present/record/KonFrames.h"
#include "present/record/RecordingFile.h"

namespace zendral {

class OffscreenTable : public SilentTable {
 public:
  // windowSize 1..5 (the sizes of the settings; 2, the whole screen, as on a 1920 × 1080
  // screen), frames shown delayMs each, recordings written into the folder.
  OffscreenTable(const GameState& state, int windowSize, int delayMs, std::filesystem::path folder);
  ~OffscreenTable() override;

  const QImage& picture() const { return picture_; }
  const KonFrames& frames() const { return frames_; }
  // Every recording written so far, in order, and those that failed.
  const std::vector<RecordingWrite>& written() const { return written_; }

  void DrawHand(int seat, bool faceUp) override;
  void DrawLayout() override;
  void FlyCard(int, int, TCardCode) override {}
  void DrawScoreTabs(int turnMarkerSeat) override;
  void DrawKonPanel(const KonPanel& panel) override;
  void DrawNamePlates(const SeatArray<std::string>& names) override;
  void SetMainButton(MainCaption caption, bool enabled) override;
  void SetExitButton(bool enabled) override;
  void PlaySound(std::string_view name, bool wait) override;
  void StartRecording() override;
  void RedrawTable() override;
  void CaptureFrame() override;
  void WriteRecording() override;

 private:
  void RedrawAll();
  void PaintButtons();

  const GameState& state_;
  std::unique_ptr<TableArt> art_;
  int delayMs_;
  std::filesystem::path folder_;
  QImage picture_;
  KonPanel panel_;
  SeatArray<std::string> names_;
  int marker_ = 0;
  MainCaption caption_ = MainCaption::kToBegin;
  bool mainEnabled_ = false, exitEnabled_ = false, buttonsShown_ = false;
  bool recording_ = false;
  KonFrames frames_;
  std::vector<RecordingWrite> written_;
};

}  // namespace zendral
