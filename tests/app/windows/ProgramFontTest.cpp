// The program's texts in one family: the names the settings ask for reach a face with Latin and
// Cyrillic letters of one design, Russian letters are drawn as large and as heavy as Latin
// ones, Japanese still finds a face, and the Options window in Russian is written in it.

#include "app/windows/ProgramFont.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontDatabase>
#include <QPainter>
#include <QRawFont>

#include "WindowsTestSupport.h"
#include "app/windows/TFormOptions.h"
#include "app/windows/WindowResources.h"
#include "store/Settings.h"

namespace zendral {
namespace {

class ProgramFont : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApp();
    UseProgramFont();
  }
  void TearDown() override { UseLanguage(kEnglish); }
};

// The ink of a text drawn in black on white: its bounding box and how many pixels it darkens.
struct Ink {
  QRect box;
  int pixels = 0;
};

Ink InkOf(const QString& text, const QFont& font) {
  QImage image(200, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(20, 70, text);
  }
  Ink ink;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) {
        ink.box |= QRect(x, y, 1, 1);
        ++ink.pixels;
      }
    }
  }
  return ink;
}

TEST_F(ProgramFont, TheNamesTheProgramAsksForReachOneFamilyWithCyrillic) {
  const QString family = QString::fromLatin1(kProgramFontFamily);
  const auto systems = QFontDatabase::writingSystems(family);
  ASSERT_TRUE(systems.contains(QFontDatabase::Latin)) << "is the font installed?";
  EXPECT_TRUE(systems.contains(QFontDatabase::Cyrillic));

  Settings settings;  // the defaults of a fresh settings file
  for (const std::string& asked : {settings.FontSmall, settings.FontLarge}) {
    SCOPED_TRACE(asked);
    const QFont font(QString::fromStdString(asked));
    EXPECT_EQ(ResolvedFamily(font.family()), family);
    // The face that draws Latin letters has the Cyrillic ones itself: no fallback face.
    const QRawFont latin = QRawFont::fromFont(font, QFontDatabase::Latin);
    EXPECT_EQ(latin.familyName().toLower(), family.toLower());  // the file's own spelling
    for (QChar letter : QStringLiteral("АБВГДЖЗИЙЛФЦЧШЩЪЫЭЮЯабвгджзийлфцчшщъыэюяЁё")) {
      EXPECT_TRUE(latin.supportsCharacter(letter)) << static_cast<int>(letter.unicode());
    }
  }
  // The windows' own font, the serif role of the settings.
  EXPECT_EQ(ResolvedFamily(SerifFont(Settings{}, 15).family()), family);
  EXPECT_EQ(QFontInfo(QApplication::font()).family(), family);

  // Japanese is beyond any Latin face: the system's CJK face draws it.
  const QRawFont japanese =
      QRawFont::fromFont(QFont(QStringLiteral("Comic Sans MS")), QFontDatabase::Japanese);
  EXPECT_TRUE(japanese.supportsCharacter(QChar(0x65E5)));  // 日
  EXPECT_TRUE(japanese.supportsCharacter(QChar(0x3042)));  // あ
}

// Letters that look alike in the two alphabets are drawn alike: a fallback face of another
// design shows as a taller or heavier Cyrillic letter beside its Latin twin.
TEST_F(ProgramFont, CyrillicLettersMatchTheirLatinTwins) {
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(40);
  const std::pair<QString, QString> twins[] = {
      {QStringLiteral("o"), QStringLiteral("о")}, {QStringLiteral("a"), QStringLiteral("а")},
      {QStringLiteral("e"), QStringLiteral("е")}, {QStringLiteral("O"), QStringLiteral("О")},
      {QStringLiteral("T"), QStringLiteral("Т")}, {QStringLiteral("x"), QStringLiteral("х")},
  };
  for (const auto& [latin, cyrillic] : twins) {
    SCOPED_TRACE(latin.toStdString());
    const Ink a = InkOf(latin, font);
    const Ink b = InkOf(cyrillic, font);
    ASSERT_GT(a.pixels, 0);
    EXPECT_EQ(b.box, a.box);
    EXPECT_NEAR(b.pixels, a.pixels, a.pixels / 20);
  }
}

TEST_F(ProgramFont, ScreenshotOfTheOptionsWindowInRussian) {
  testing::TempFolder folder;
  Settings settings;
  OptionsEnvironment env;
  env.screen = {1920, 1200};
  env.programFolder = folder.path();
  env.packInstalled = [](std::string_view) { return true; };
  TFormOptions window(settings, env);
  window.show();
  testing::Child<QComboBox>(window, "ComboBoxLan")->setCurrentIndex(kRussian);
  EXPECT_EQ(QFontInfo(window.font()).family(), QString::fromLatin1(kProgramFontFamily));
  QCoreApplication::processEvents();  // the pages lay out their new texts
  EXPECT_TRUE(window.grab().save(testing::ScreenshotPath("options-ru-font.png")));
}

}  // namespace
}  // namespace zendral
