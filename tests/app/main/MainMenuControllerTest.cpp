// The main menu's controller against a stand-in program: a menu window opens only while the
// menu is shown and nothing else runs, with the window's sound and over the main window; "Mode"
// switches the club list whenever the program is not busy.

#include <gtest/gtest.h>

#include <QDialog>
#include <QWidget>
#include <string>
#include <vector>

#include "LanTestSupport.h"
#include "TempFolder.h"
#include "app/main/MainMenuController.h"
#include "store/Settings.h"

namespace zendral {
namespace {

class StandInProgram : public MenuProgram {
 public:
  bool busy = false;
  bool menuShown = true;
  Settings settings;
  std::filesystem::path folder;
  QWidget window;
  std::vector<std::string> sounds;
  std::vector<QString> windows;  // the object names of the windows run, with their parent

  bool Busy() const override { return busy; }
  bool MenuIdle() const override { return !busy && menuShown; }
  void WhileBusy(const std::function<void()>& work) override { work(); }
  QWidget& MainWindow() override { return window; }
  int RunModal(QDialog& dialog) override {
    windows.push_back(dialog.objectName() +
                      (dialog.parentWidget() == &window ? "@main" : "@elsewhere"));
    return QDialog::Rejected;
  }
  void PlaySound(std::string_view name, bool) override { sounds.emplace_back(name); }
  void ShowMessage(const QString&, bool) override {}
  Settings& CurrentSettings() override { return settings; }
  const std::filesystem::path& ProgramFolder() const override { return folder; }
  std::filesystem::path ClubPath(bool) const override { return folder / "Club.dat"; }
  PackPictureLoader HeaderPictures() override { return nullptr; }
  OnlineLink* Online() const override { return nullptr; }
  OnlineLink* OnlineIfReady() const override { return nullptr; }
  MenuServices* Services() const override { return nullptr; }
  void ShowMainMenuScreen() override {}
  void ShowPopup(QPoint) override {}
  void Quit() override {}
};

class MainMenuControllerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }
};

TEST_F(MainMenuControllerTest, AMenuWindowOpensOnlyWhileTheMenuIsShownAndNothingRuns) {
  const struct {
    const char* name;
    void (MainMenuController::*open)();
    const char* window;
  } actions[] = {{"History", &MainMenuController::OpenHistory, "TFHistory"},
                 {"Top Ten", &MainMenuController::OpenTopTen, "TFormTopTen"}};
  const struct {
    bool busy;
    bool menuShown;
    bool opens;
  } states[] = {{false, true, true}, {true, true, false}, {false, false, false}};
  TempFolder folder;
  for (const auto& action : actions) {
    for (const auto& state : states) {
      SCOPED_TRACE(std::string(action.name) + (state.busy ? " busy" : "") +
                   (state.menuShown ? "" : " at the table"));
      StandInProgram program;
      program.folder = folder.path();
      program.busy = state.busy;
      program.menuShown = state.menuShown;
      MainMenuController controller(program);
      (controller.*action.open)();
      if (state.opens) {
        EXPECT_EQ(program.windows, std::vector<QString>{QString(action.window) + "@main"});
        EXPECT_EQ(program.sounds, std::vector<std::string>{"WOpenFo"});
      } else {
        EXPECT_TRUE(program.windows.empty());
        EXPECT_TRUE(program.sounds.empty());
      }
    }
  }
}

TEST_F(MainMenuControllerTest, ModeSwitchesTheClubListUnlessTheProgramIsBusy) {
  for (const auto& [busy, menuShown, after] :
       {std::tuple{false, true, 2}, {false, false, 2}, {true, true, 1}}) {
    SCOPED_TRACE(std::to_string(busy) + std::to_string(menuShown));
    StandInProgram program;
    program.busy = busy;
    program.menuShown = menuShown;
    program.settings.ClubListMode = 1;
    MainMenuController controller(program);
    controller.ToggleClubListMode();
    EXPECT_EQ(program.settings.ClubListMode, after);
  }
}

}  // namespace
}  // namespace zendral
