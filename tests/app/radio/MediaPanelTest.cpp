#include "app/radio/MediaPanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <fstream>

#include "LoopbackMusicServer.h"
#include "app/radio/MediaButtons.h"
#include "app/radio/TFormRadio.h"
#include "extras/radio/RadioState.h"
#include "present/audio/OnlinePlayer.h"
#include "present/audio/StreamPlayer.h"
#include "present/geometry/TableScale.h"
#include "present/words/SoundDeviceWords.h"
#include "present/words/Words.h"
#include "store/Cp1251.h"
#include "support/TempFolder.h"

namespace zendral::radioui {
namespace {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "radioui_tests";
  static char* argv[] = {name, nullptr};
  audio::ChooseMediaBackend();
  static QApplication* app = QApplication::instance() ? nullptr : new QApplication(argc, argv);
  (void)app;
}

bool WaitFor(const std::function<bool()>& done, int ms = 15000) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

// A radio pack with the window's pictures, made with rcc as zendral-packs makes packs.
void MakeRadioPack(const std::filesystem::path& work, const std::filesystem::path& target) {
  std::filesystem::create_directories(work / "png");
  std::string qrc = "<RCC>\n<qresource prefix=\"/png\">\n";
  auto add = [&](const QString& name, QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(QString::fromStdString((work / "png").string()) + "/" + name + ".png", "PNG");
    qrc += "<file alias=\"" + name.toStdString() + "\">png/" + name.toStdString() + ".png</file>\n";
  };
  add("RRADIO_MAING", {200, 110}, QColor(40, 160, 60));
  add("RRADIO_MAINR", {200, 110}, QColor(160, 40, 40));
  add("RRADIO_RAMKA", {120, 80}, QColor(190, 150, 60));
  add("RRADIO_LOGO_RADIOUN", {100, 60}, QColor(60, 90, 160));
  for (int tens = 0; tens <= 10; ++tens) {
    add(QStringLiteral("RRADIO_VOLUME%1").arg(tens, 2, 10, QChar('0')), {110, 24},
        QColor::fromHsv(tens * 30, 200, 200));
  }
  qrc += "</qresource>\n</RCC>\n";
  std::ofstream(work / "pack.qrc") << qrc;
  QProcess rcc;
  rcc.setWorkingDirectory(QString::fromStdString(work.string()));
  rcc.start(ZENDRAL_RCC, {"--binary", "pack.qrc", "-o", QString::fromStdString(target.string())});
  ASSERT_TRUE(rcc.waitForFinished(30000));
  ASSERT_EQ(rcc.exitCode(), 0);
}

class MediaPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    mp3_ = audio::test::MakeToneMp3(folder_.path());
    if (mp3_.isEmpty()) GTEST_SKIP() << "lame is needed to make the test's MP3";
    server_ = std::make_unique<audio::test::LoopbackMusicThread>(
        mp3_,
        "Band_A~One.mp3\nBand_B~Two.mp3\nBand_C~Three.mp3\nBand_D~Four.mp3\n"
        "Band_E~Five.mp3\n");
    base_ = server_->Base().toString().toStdString();
    program_ = folder_.path() / "games" / "zendral";
    std::filesystem::create_directories(program_);
    MakeRadioPack(folder_.path() / "work", program_.parent_path() / "KovRadio02.dll");
    // For looking at the screenshots with the real pictures: the pack zendral-packs made,
    // standing in the program folder, comes before the test's own.
    if (const char* real = std::getenv("ZENDRAL_RADIO_PACK")) {
      std::filesystem::copy_file(real, program_ / "KovRadio02.dll");
    }
    // The local list, in Windows-1251: a live station and a dead one in Russia, one in the USA.
    const std::string list =
        "# stations of the test\r\n"
        "RUS 0000001#x#Радио Тест#Russian Federation#" +
        base_ +
        "/radio/test#\r\n"
        "RUS 0000002#x#Dead Air#Russian Federation#" +
        base_ +
        "/dead#\r\n"
        "USA 0000003#x#Loop FM#USA#" +
        base_ + "/radio/test#\r\n";
    std::ofstream(program_.parent_path() / "KovRadio.rad", std::ios::binary) << Utf8ToCp1251(list);
    window_ = std::make_unique<QWidget>();
    window_->resize(1290, 850);
  }

  std::unique_ptr<MediaPanel> MakePanel(bool* musicOff = nullptr) {
    MediaPanel::Hooks hooks;
    hooks.modal = [this](QDialog& dialog) {
      if (onWindow_) onWindow_(dialog);
      return 0;
    };
    hooks.musicOff = [musicOff] {
      if (musicOff) *musicOff = true;
    };
    hooks.random = [](int) { return 1; };
    hooks.soundDevice = [this] { return soundDevice_; };
    auto panel = std::make_unique<MediaPanel>(*window_, base_, std::move(hooks));
    panel->StartUp(program_, false, QStringLiteral("Comic Neue"));
    panel->StartDownloads();
    return panel;
  }

  static void Click(QWidget* widget, int x, Qt::MouseButton button = Qt::LeftButton) {
    const QPointF at(x, widget->height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }

  TempFolder folder_;
  QByteArray mp3_;
  std::unique_ptr<audio::test::LoopbackMusicThread> server_;
  std::string base_;
  std::filesystem::path program_;
  std::unique_ptr<QWidget> window_;
  std::function<void(QDialog&)> onWindow_;
  bool soundDevice_ = true;
};

TEST_F(MediaPanelTest, RadioNeedsItsPackAndList) {
  std::filesystem::remove(program_.parent_path() / "KovRadio.rad");
  auto panel = MakePanel();
  EXPECT_FALSE(panel->Radio().Available());
  EXPECT_EQ(panel->Icon()->Lamp(), "GRadioB");
  EXPECT_EQ(panel->RadioHint(), "Can`t find KovRadio.rad + KovRadio02.dll");
  panel->Icon()->onLeftClick();
  EXPECT_FALSE(panel->Radio().On());
  // The station stored in an earlier run is kept for the run that finds its radio again.
  std::ofstream(program_.parent_path() / "KovRadio.ini", std::ios::binary)
      << "Loop FM\r\nhttp://x/radio\r\nUSA\r\nL\r\n1\r\n70\r\n12\r\n";
  EXPECT_FALSE(panel->SaveRadioState());
  EXPECT_EQ(radio::ReadRadioState(program_.parent_path() / "KovRadio.ini", {}).stationName,
            "Loop FM");
}

TEST_F(MediaPanelTest, IconPlaysTheStationAndADeadStationShowsItself) {
  auto panel = MakePanel();
  ASSERT_TRUE(panel->Radio().Available());
  EXPECT_EQ(panel->Icon()->Lamp(), "GRadioR");
  EXPECT_EQ(panel->RadioHint(), "Kov Internet-Radio: Zendral Radio");

  // The window: the 28 countries, the stored one's stations; the current station is not among
  // them, so the first becomes current.
  onWindow_ = [&](QDialog& dialog) {
    auto& window = dynamic_cast<TFormRadio&>(dialog);
    EXPECT_EQ(window.Countries()->count(), 28);
    EXPECT_EQ(window.Countries()->currentIndex(), 0);
    ASSERT_EQ(window.Stations()->count(), 2);
    EXPECT_EQ(window.Stations()->currentText(), "Радио Тест");
    EXPECT_EQ(panel->Radio().State().stationName, "Радио Тест");
    EXPECT_EQ(window.LogoName(), "RRADIO_LOGO_RADIOUN");
    EXPECT_EQ(window.VolumePictureName(), "RRADIO_VOLUME03");
    window.Plus()->click();
    EXPECT_EQ(window.VolumePictureName(), "RRADIO_VOLUME04");
    // The USA lists its one station.
    window.Countries()->setCurrentIndex(12);
    Q_EMIT window.Countries()->activated(12);
    ASSERT_EQ(window.Stations()->count(), 1);
    EXPECT_EQ(panel->Radio().State().stationName, "Loop FM");
    EXPECT_EQ(panel->Radio().State().countryPosition, 12);
    Click(window.OnOff(), 10);  // on
    EXPECT_EQ(window.MainPictureName(), "RRADIO_MAING");
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    window.grab().save(ZENDRAL_SCREENSHOT_DIR "/TFormRadio.png");
  };
  panel->OpenRadioWindow();
  EXPECT_TRUE(panel->Radio().On());
  EXPECT_EQ(panel->Icon()->Lamp(), "GRadioG");
  ASSERT_TRUE(WaitFor([&] { return panel->Radio().Lamp() == radio::RadioLamp::kPlaying; }));
  EXPECT_EQ(panel->RadioStreamPlayer().Status(), audio::StreamStatus::kPlaying);
  panel->Icon()->onLeftClick();  // off
  EXPECT_EQ(panel->Icon()->Lamp(), "GRadioR");

  // A dead station: the lamp and the hint say so, and nothing waits for it.
  onWindow_ = [&](QDialog& dialog) {
    auto& window = dynamic_cast<TFormRadio&>(dialog);
    window.Countries()->setCurrentIndex(0);
    Q_EMIT window.Countries()->activated(0);
    window.Stations()->setCurrentIndex(1);
    Q_EMIT window.Stations()->activated(1);
  };
  panel->OpenRadioWindow();
  EXPECT_EQ(panel->Radio().State().stationName, "Dead Air");
  panel->Icon()->onLeftClick();
  ASSERT_TRUE(WaitFor([&] { return panel->Icon()->Lamp() == "GRadioB"; }));
  EXPECT_FALSE(panel->Radio().On());
  EXPECT_EQ(panel->RadioHint(), "Kov Internet-Radio: Dead Air — The station is not available");
  panel->Icon()->onLeftClick();  // tried again
  EXPECT_TRUE(panel->Radio().On());
}

// A machine without a sound device: the radio can be switched on, but the lamp never shows
// the green of a radio that is heard, and the hint says why nothing is heard.
TEST_F(MediaPanelTest, WithoutASoundDeviceTheLampAndHintSaySo) {
  soundDevice_ = false;
  auto panel = MakePanel();
  ASSERT_TRUE(panel->Radio().Available());
  const std::string_view words = Word(kWordNoSoundDevice, kEnglish);
  const QString noDevice = QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size()));
  for (bool on : {false, true}) {
    SCOPED_TRACE(on);
    if (panel->Radio().On() != on) panel->Icon()->onLeftClick();
    ASSERT_EQ(panel->Radio().On(), on);
    EXPECT_EQ(panel->Icon()->Lamp(), "GRadioB");
    EXPECT_EQ(panel->RadioHint(), "Kov Internet-Radio: Zendral Radio — " + noDevice);
    EXPECT_EQ(panel->Icon()->toolTip(), panel->RadioHint());
  }
  // The device comes (a sound server started): the next refresh shows the radio as it is.
  soundDevice_ = true;
  panel->Icon()->onLeftClick();  // off
  EXPECT_EQ(panel->Icon()->Lamp(), "GRadioR");
  EXPECT_EQ(panel->RadioHint(), "Kov Internet-Radio: Zendral Radio");
}

TEST_F(MediaPanelTest, StationAndVolumeSurviveTheNextRunAndTurnTheSongOff) {
  {
    auto panel = MakePanel();
    radio::Station loop{"USA", "0000003", "Loop FM", "USA", base_ + "/radio/test", ""};
    panel->Radio().ChooseStation(loop, 12);
    panel->Radio().VolumeUp();
    panel->Radio().Toggle();
    ASSERT_TRUE(panel->SaveRadioState());
  }
  bool musicOff = false;
  auto panel = MakePanel(&musicOff);
  EXPECT_FALSE(panel->Radio().On() && panel->RadioStreamPlayer().Status() !=
                                          audio::StreamStatus::kStopped);  // silent in the intro
  EXPECT_EQ(panel->Radio().State().stationName, "Loop FM");
  EXPECT_EQ(panel->Radio().State().volume, 40);
  EXPECT_EQ(panel->Radio().State().countryPosition, 12);
  panel->IntroEnded();
  EXPECT_TRUE(musicOff);
  EXPECT_TRUE(WaitFor([&] { return panel->Radio().Lamp() == radio::RadioLamp::kPlaying; }));
}

TEST_F(MediaPanelTest, ListFromTheServerIsDownloadedBeforeTheRadioCanPlay) {
  std::filesystem::remove(program_.parent_path() / "KovRadio.rad");
  auto panel = MakePanel();
  panel->PrepareRadio(true);  // the loopback server has no list: no radio in this run
  EXPECT_TRUE(panel->RadioPending());
  EXPECT_FALSE(panel->Radio().Available());
  EXPECT_TRUE(WaitFor([&] { return !panel->RadioPending(); }));
  EXPECT_FALSE(panel->Radio().Available());
  EXPECT_FALSE(std::filesystem::exists(program_.parent_path() / "KovRadio.ser"));
}

TEST_F(MediaPanelTest, MusicButtonsPlayTheServersTracks) {
  auto panel = MakePanel();
  MediaRooms large;
  large.music = {QRect(10, 780, 61, 61), QRect(75, 780, 61, 61), QRect(140, 780, 61, 61)};
  large.radio = QRect(60, 500, 190, 100);
  panel->Place(false, true, large);
  ASSERT_TRUE(WaitFor([&] { return panel->Music().Available(); }));
  EXPECT_TRUE(panel->PlayButton()->isVisibleTo(window_.get()));
  EXPECT_EQ(panel->PlayButton()->geometry(), (*large.music)[0]);
  EXPECT_EQ(panel->NextButton()->geometry(), (*large.music)[1]);
  EXPECT_EQ(panel->VolumeButton()->geometry(), (*large.music)[2]);
  EXPECT_TRUE(panel->Icon()->isVisibleTo(window_.get()));
  EXPECT_EQ(panel->Icon()->geometry(), *large.radio);
  EXPECT_EQ(panel->PlayButton()->toolTip(), "Band B  :  Two");  // the random track 1

  Click(panel->PlayButton(), 30);
  EXPECT_TRUE(panel->Music().Playing());
  EXPECT_TRUE(
      WaitFor([&] { return panel->Music().Stream().Status() == audio::StreamStatus::kPlaying; }));
  EXPECT_TRUE(panel->Music().Stream().Address().toString().endsWith("/musik/Band_B~Two.mp3"));
  Click(panel->VolumeButton(), 50);
  Click(panel->VolumeButton(), 30);  // between the zones
  EXPECT_EQ(panel->Music().Volume(), 55);
  Click(panel->VolumeButton(), 5);
  Click(panel->VolumeButton(), 5);
  EXPECT_EQ(panel->Music().Volume(), 45);
  Click(panel->PlayButton(), 30);
  EXPECT_FALSE(panel->Music().Playing());
  EXPECT_EQ(panel->Music().Stream().Status(), audio::StreamStatus::kPaused);

  // A smaller room draws the buttons smaller; a click falls in the same volume zone as the
  // same spot of the full-size button.
  MediaRooms small;
  small.music = {QRect(8, 609, 36, 36), QRect(48, 609, 36, 36), QRect(88, 609, 36, 36)};
  small.radio = QRect(136, 610, 66, 35);
  panel->Place(false, true, small);
  EXPECT_EQ(panel->VolumeButton()->geometry(), (*small.music)[2]);
  EXPECT_EQ(panel->Icon()->geometry(), *small.radio);
  EXPECT_TRUE(panel->VolumeButton()->isVisibleTo(window_.get()));
  Click(panel->VolumeButton(), 50 * 36 / 61);
  EXPECT_EQ(panel->Music().Volume(), 50);
  Click(panel->VolumeButton(), 5 * 36 / 61);
  EXPECT_EQ(panel->Music().Volume(), 45);
  window_->grab().save(ZENDRAL_SCREENSHOT_DIR "/MediaPanel-small.png");

  // Without a room, in the intro and at the table (where the score tab stands in that corner)
  // the buttons and the radio are hidden.
  for (const auto& [intro, menu, rooms] :
       {std::tuple{false, true, MediaRooms{}}, {true, false, large}, {false, false, large}}) {
    panel->Place(intro, menu, rooms);
    EXPECT_FALSE(panel->PlayButton()->isVisibleTo(window_.get()));
    EXPECT_FALSE(panel->Icon()->isVisibleTo(window_.get()));
  }

  panel->Place(false, true, large);
  panel->Radio().Toggle();
  window_->grab().save(ZENDRAL_SCREENSHOT_DIR "/MediaPanel.png");
}

}  // namespace
}  // namespace zendral::radioui
