#include "app/main/ProgramMain.h"

#include <unistd.h>
#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

#include "app/main/ExpertCoach.h"
#include "app/main/MainMenuWidget.h"
#include "app/main/PicturePrefetch.h"
#include "app/main/SessionStarter.h"
#include "app/main/StartDialog.h"
#include "app/main/TForm1.h"
#include "app/main/TableCoach.h"
#include "app/main/TableWidget.h"
#include "app/windows/ProgramFont.h"
#include "art/ArtLibrary.h"
#include "game/ComputerPlayer.h"
#include "present/audio/AudioModule.h"
#include "present/audio/StreamPlayer.h"

namespace zendral {

namespace {

// ---- Measurements. With ZENDRAL_MEASURE set the program reports on itself and ends:
//   "menu": the time from the process start to the first painted main menu;
//   "audio": then opens the audio module, as the first sound does, and reports how long that
//           took, or why the module could not be opened;
//   "kon":  plays one whole kon as a new player (cards flying at speed 5) and reports the
//           peak memory and the flight's steps per second.
// ZENDRAL_MEASURE_T0_NS may give the start as CLOCK_MONOTONIC nanoseconds, taken by the
// script just before it started the program; otherwise the kernel's start time is used.

double MillisecondsSinceStart() {
  timespec now{};
  if (const char* t0 = std::getenv("ZENDRAL_MEASURE_T0_NS")) {
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long double ns = static_cast<long double>(now.tv_sec) * 1e9L + now.tv_nsec;
    return static_cast<double>((ns - std::strtold(t0, nullptr)) / 1e6L);
  }
  // Field 22 of /proc/self/stat: the start in clock ticks after boot.
  std::ifstream stat("/proc/self/stat");
  std::string field;
  for (int i = 1; i <= 22 && stat >> field; ++i) {
  }
  clock_gettime(CLOCK_BOOTTIME, &now);
  const double started =
      std::strtod(field.c_str(), nullptr) / static_cast<double>(sysconf(_SC_CLK_TCK));
  return (static_cast<double>(now.tv_sec) + now.tv_nsec / 1e9 - started) * 1000.0;
}

std::string StatusLine(const char* key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key, 0) == 0) return line;
  }
  return std::string(key) + " ?";
}

// Answers the start dialog for the measured kon: a new player named "Bench".
int AnswerModal(QDialog& dialog) {
  if (auto* start = dynamic_cast<StartDialog*>(&dialog)) {
    start->NameBox()->setText("Bench");
    start->OkButton()->click();
    return dialog.result();
  }
  return QDialog::Accepted;
}

class Measurement : public QObject {
 public:
  Measurement(TForm1& form, std::string mode) : form_(form), mode_(std::move(mode)) {
    form_.Menu()->installEventFilter(this);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == form_.Menu() && event->type() == QEvent::Paint && !menuPainted_) {
      menuPainted_ = true;
      // Reported once the paint has been done.
      QTimer::singleShot(0, this, [this] { MenuPainted(); });
    }
    return false;
  }

 private:
  void MenuPainted() {
    std::printf("menu painted after %.1f ms\n", MillisecondsSinceStart());
    std::printf("sound: %s, music: %s\n", form_.CurrentSettings().SoundOn ? "on" : "off",
                form_.CurrentSettings().MusicOn ? "on" : "off");
    std::fflush(stdout);
    if (mode_ == "audio") ReportAudioModule();
    if (mode_ != "kon") {
      QCoreApplication::exit(0);
      return;
    }
    form_.CurrentSettings().CardSpeed = 5;
    form_.Sessions().Start(kNewPlayerSlot);
    started_ = std::chrono::steady_clock::now();
    connect(&driver_, &QTimer::timeout, this, [this] { Step(); });
    driver_.start(20);
  }

  static void ReportAudioModule() {
    const auto start = std::chrono::steady_clock::now();
    const bool opened = audio::LoadAudioEngines() != nullptr;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (opened) {
      std::printf("audio module opened in %.1f ms\n", ms);
    } else {
      std::printf("audio module not opened: %s\n", audio::AudioModuleProblem().c_str());
    }
    std::fflush(stdout);
  }

  // One action of the player, as a person would take it: the main button, or a click on the
  // card the computer player would choose for him.
  void Step() {
    if (form_.Busy()) return;
    const GameState& s = form_.State();
    TableWidget* table = form_.Table();
    if (s.TurnState == ksKonSettled) {
      // The kon's review runs on the coach's thread from the settlement: the peak counts it
      // whole.
      if (ExpertCoach* coach = form_.CoachPart().Coach()) coach->WaitIdle();
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
      std::printf("kon played in %.1f s\n", seconds);
      std::printf("%s\n", StatusLine("VmHWM").c_str());
      std::printf("flight: %ld steps in %.3f s at speed 5: %.0f steps per second\n",
                  table->TotalFlightSteps(), table->TotalFlightSeconds(),
                  table->TotalFlightSteps() / std::max(1e-9, table->TotalFlightSeconds()));
      std::fflush(stdout);
      driver_.stop();
      QCoreApplication::exit(0);
      return;
    }
    QPushButton* main = table->Button7();
    if (s.KonPhase == kpDealt || s.TurnState == ksKonOver) {
      if (main->isEnabled()) main->click();
      return;
    }
    if (s.TurnState != ksSeat2ToMove) return;
    const int slot = ChooseMove(s.Hands[kSeat2], s.Board, s.Hands[kSeat1], s.LayCounter);
    if (slot == 0) {
      if (main->isEnabled()) main->click();
      return;
    }
    const QRect card = table->CardRect(kSeat2, slot);
    const QPointF at(card.left() + table->Fan(kSeat2).VisibleWidth(slot) / 2.0, card.center().y());
    QMouseEvent press(QEvent::MouseButtonPress, at, table->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(table, &press);
  }

  TForm1& form_;
  std::string mode_;
  bool menuPainted_ = false;
  QTimer driver_;
  std::chrono::steady_clock::time_point started_;
};

}  // namespace

int RunZendral(int argc, char** argv) {
  audio::ChooseMediaBackend();  // before the first sound
  QApplication app(argc, argv);
  UseProgramFont();
  QApplication::setApplicationName("Zendral");
  // The installed menu entry's name, so that desktops match the window to its icon.
  QApplication::setDesktopFileName("org.zendral.Zendral");
  // The installed icon (hicolor theme) for the window too; a build tree has none.
  if (const QIcon icon = QIcon::fromTheme("zendral"); !icon.isNull()) {
    QApplication::setWindowIcon(icon);
  }
  const char* measure = std::getenv("ZENDRAL_MEASURE");
  FormOptions options;
  // The felt under the menu (the program's own, which most players keep) is decoded on a thread
  // of its own while the windows are built.
  InitArtLibrary();
  options.ownPictures = PrefetchingLoader(
      std::make_shared<PicturePrefetch>(QStringList{QStringLiteral("FonG")}, LoadArtPicture),
      LoadArtPicture);
  if (measure != nullptr) options.modal = AnswerModal;
  TForm1 form(std::move(options));
  std::unique_ptr<Measurement> measurement;
  if (measure != nullptr) measurement = std::make_unique<Measurement>(form, measure);
  form.show();
  QTimer::singleShot(0, &form, [&form, measure] {
    if (!form.StartUp()) {
      form.close();
      QCoreApplication::exit(1);
      return;
    }
    if (measure != nullptr) form.EndIntro();
  });
  return QApplication::exec();
}

}  // namespace zendral
