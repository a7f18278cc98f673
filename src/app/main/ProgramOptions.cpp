#include "app/main/ProgramOptions.h"

#include "app/main/ExpertCoach.h"
#include "app/main/ProgramPacks.h"
#include "app/main/TableCoach.h"
#include "app/main/WindowServices.h"
#include "app/windows/TFormOptions.h"

namespace zendral {

ProgramOptions::ProgramOptions(Settings& settings, const std::filesystem::path& programFolder,
                               WindowServices& window, ProgramPacks& packs, TableCoach& coach,
                               Hooks hooks)
    : settings_(settings),
      programFolder_(programFolder),
      window_(window),
      packs_(packs),
      coach_(coach),
      hooks_(std::move(hooks)) {}

void ProgramOptions::Open() {
  if (!hooks_.menuIdle()) return;
  window_.PlaySound("WOpenFo", false);
  OptionsEnvironment environment;
  environment.programFolder = programFolder_;
  environment.menuShown = true;  // it opens over the menu only
  environment.soundDeviceFound = hooks_.soundDeviceFound();
  environment.changed = hooks_.changed;
  packs_.FillEnvironment(environment);
  environment.computerLevel = coach_.Coach()->Level() == ComputerLevel::kExpert ? 1 : 0;
  environment.levelChanged = [this](int level) {
    coach_.SetLevel(level == 1 ? ComputerLevel::kExpert : ComputerLevel::kClassic);
  };
  TFormOptions dialog(settings_, std::move(environment), &window_.Window());
  window_.RunModal(dialog);
}

}  // namespace zendral
