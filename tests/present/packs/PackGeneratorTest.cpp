// zendral-packs as pack makers run it: the small packs are made here and looked into, and
// every picture the program asks of them is there. The card and background packs are made
// once by PackTablesTest.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImageReader>
#include <QProcess>
#include <set>

#include "extras/calendar/CalendarPages.h"
#include "extras/calendar/HolidayTable.h"
#include "extras/radio/RadioState.h"
#include "extras/radio/RadioStations.h"
#include "present/packs/PackFile.h"
#include "present/packs/PackNames.h"
#include "present/words/Words.h"
#include "support/TempFolder.h"

namespace zendral {
namespace {

int RunGenerator(const QStringList& args) {
  QProcess tool;
  tool.start(ZENDRAL_PACKS_TOOL, args);
  if (!tool.waitForFinished(300000)) return -1;
  return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

class PackGenerator : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "packs_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    folder_ = new TempFolder;
    status_ = RunGenerator({"--out", QString::fromStdString(folder_->path().string()), "--only",
                            "KovCGraph1.dll", "KovCalendar01.dll", "KovRadio02.dll"});
  }
  static void TearDownTestSuite() { delete folder_; }

  // name -> size of every picture of a pack
  static std::map<QString, QSize> Pictures(std::string_view pack, PackKind kind) {
    const OpenPack open(folder_->path() / std::string(pack));
    EXPECT_TRUE(open.ok()) << open.error().toStdString();
    std::map<QString, QSize> out;
    for (const PackEntry& e : open.Entries()) {
      if (e.kind == kind) out[e.name] = QImageReader(open.PathOf(e.kind, e.name)).size();
    }
    return out;
  }

  static inline TempFolder* folder_ = nullptr;
  static inline int status_ = -1;
};

TEST_F(PackGenerator, WritesOnlyTheChosenPacksAndNothingHalfDone) {
  ASSERT_EQ(status_, 0);
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder_->path())) {
    files.insert(entry.path().filename().string());
  }
  EXPECT_EQ(files,
            (std::set<std::string>{"KovCGraph1.dll", "KovCalendar01.dll", "KovRadio02.dll"}));
  EXPECT_EQ(RunGenerator({"--out", QString::fromStdString(folder_->path().string()), "--only",
                          "KovCards09Z.dll"}),
            2);
  EXPECT_EQ(RunGenerator({"--only", "KovRadio02.dll"}), 2);
}

TEST_F(PackGenerator, CalendarPackHoldsEveryPictureOfTheCalendar) {
  const auto pictures = Pictures(kPackCalendar, PackKind::kPng);
  auto has = [&](std::string_view name, QSize size) {
    const auto it = pictures.find(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
    ASSERT_NE(it, pictures.end()) << name;
    EXPECT_EQ(it->second, size) << name;
  };
  has(kCalendarBasePicture, QSize(60, 100));
  for (int sign = 1; sign <= 12; ++sign) has(ZodiacPicture(sign), QSize(26, 26));
  for (int year = 2020; year < 2032; ++year) has(YearAnimalPicture(year), QSize(54, 70));
  for (const THolidayEntry& entry : HolidayTable()) has(entry.picture, QSize(54, 70));
}

TEST_F(PackGenerator, RadioPackHoldsTheWindowsPictures) {
  const auto pictures = Pictures(kPackRadio, PackKind::kPng);
  for (int volume = 0; volume <= 100; volume += 5) {
    EXPECT_TRUE(pictures.count(QString::fromStdString(radio::RadioVolumePicture(volume))))
        << volume;
  }
  for (std::string_view name : {std::string_view("RRADIO_MAING"), std::string_view("RRADIO_MAINR"),
                                std::string_view("RRADIO_RAMKA"), radio::kUnknownLogo}) {
    EXPECT_TRUE(pictures.count(QString::fromLatin1(name.data(), static_cast<int>(name.size()))))
        << name;
  }
}

TEST_F(PackGenerator, GraphicsPackHoldsHeadersAndCaptionsInEveryLanguage) {
  const auto pictures = Pictures(kPackGraphics, PackKind::kPng);
  for (int language = 0; language < kLanguageCount; ++language) {
    const std::string_view codeText = PictureCode(language);
    const QString code = QString::fromLatin1(codeText.data(), static_cast<int>(codeText.size()));
    for (const char* form : {"GFormOpt", "GFormSpeed", "GFormPass", "GFormEndG", "GFormHistory",
                             "GFormAdv", "GFormThank", "GFormAcc1"}) {
      const auto it = pictures.find(form + code);
      ASSERT_NE(it, pictures.end()) << form << code.toStdString();
      EXPECT_EQ(it->second, QSize(400, 50));
    }
    for (const char* caption : {"Options", "Speed", "Passport", "EndGame", "History", "OurGames",
                                "SupportUs", "MyAccount", "MyAccountR", "KovGamesChat"}) {
      EXPECT_TRUE(pictures.count(caption + code)) << caption << code.toStdString();
    }
  }
  EXPECT_EQ(pictures.at("GIcon48Opt"), QSize(48, 48));
  EXPECT_EQ(pictures.at("GTouch"), QSize(3000, 100));  // 30 frames of 100 x 100
  EXPECT_EQ(Pictures(kPackGraphics, PackKind::kJpeg).at("BGLilu"), QSize(1520, 1000));
}

}  // namespace
}  // namespace zendral
