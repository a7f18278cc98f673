#include "app/calendar/CalendarView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QTimer>
#include <set>

#include "present/geometry/TableScale.h"
#include "present/packs/PackFile.h"
#include "present/packs/PackNames.h"
#include "present/words/Words.h"
#include "support/TempFolder.h"

namespace zendral {
namespace {

const QColor kBaseColour(250, 250, 250);
const QColor kPictureColour(20, 90, 200);

void EnsureApp() {
  static int argc = 1;
  static char name[] = "calendarview_tests";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}

// A calendar pack made here: a plain base and, for each name given, a 20 x 20 picture of one
// colour.
std::filesystem::path MakeCalendarPack(const TempFolder& folder,
                                       const std::filesystem::path& target,
                                       const std::vector<std::string>& pictures) {
  const std::filesystem::path work = folder.path() / "work";
  std::filesystem::create_directories(work);
  const auto save = [&](const std::string& name, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    folder.Write(work / (name + ".png"), bytes.toStdString());
    return "<file alias=\"" + name + "\">" + name + ".png</file>";
  };
  std::string qrc = "<RCC><qresource prefix=\"/png\">";
  QImage base(kCalendarPageWidth, kCalendarPageHeight, QImage::Format_ARGB32);
  base.fill(kBaseColour);
  qrc += save("R_BASE", base);
  for (const std::string& name : pictures) {
    QImage picture(20, 20, QImage::Format_ARGB32);
    picture.fill(kPictureColour);
    qrc += save(name, picture);
  }
  qrc += "</qresource></RCC>\n";
  folder.Write(work / "pack.qrc", qrc);
  std::filesystem::create_directories(target.parent_path());
  QProcess rcc;
  rcc.setWorkingDirectory(QString::fromStdString(work.string()));
  rcc.start(ZENDRAL_RCC, {"--binary", "--no-compress", "pack.qrc", "-o",
                          QString::fromStdString(target.string())});
  EXPECT_TRUE(rcc.waitForFinished(30000));
  EXPECT_EQ(rcc.exitCode(), 0) << rcc.readAllStandardError().toStdString();
  return target;
}

class CalendarViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApp(); }
  void SetUp() override {
    std::filesystem::create_directories(program_);
    host_.resize(760, 500);
    view_.SetClock([this] { return now_; });
  }
  void MakePack(const std::filesystem::path& folder) {
    MakeCalendarPack(temp_, folder / std::string(kPackCalendar),
                     {"R_02", "R_10", "R_VOSSNAK", "R_RUSORDN", "R_ROGDEST"});
  }

  TempFolder temp_;
  std::filesystem::path parent_ = temp_.path() / "games";
  std::filesystem::path program_ = parent_ / "Zendral";
  QWidget host_;
  CalendarView view_{&host_, program_};
  QDateTime now_{QDate(2025, 5, 9), QTime(10, 0)};
};

TEST_F(CalendarViewTest, NothingIsShownWithoutThePack) {
  EXPECT_FALSE(view_.Show(1.0, 1.0, kEnglish));
  EXPECT_FALSE(view_.IsShown());
  EXPECT_FALSE(view_.LeftLabel()->isVisibleTo(&host_));
  EXPECT_FALSE(view_.RightLabel()->isVisibleTo(&host_));
  EXPECT_FALSE(view_.Timer()->isActive());
  // A damaged pack is as good as none.
  temp_.Write(program_ / std::string(kPackCalendar), "not a pack at all");
  EXPECT_FALSE(view_.Show(1.0, 1.0, kEnglish));
  EXPECT_FALSE(view_.Timer()->isActive());
}

TEST_F(CalendarViewTest, PagesTurnEveryTenSecondsWithTheirHints) {
  MakePack(parent_);  // the pack shared by the family of games serves as well
  ASSERT_TRUE(view_.Show(1.0, 1.0, kEnglish));
  EXPECT_TRUE(view_.LeftLabel()->isVisibleTo(&host_));
  EXPECT_TRUE(view_.RightLabel()->isVisibleTo(&host_));
  EXPECT_EQ(view_.LeftLabel()->geometry(), QRect(150, 95, 60, 100));
  EXPECT_EQ(view_.RightLabel()->geometry(), QRect(550, 95, 60, 100));
  EXPECT_TRUE(view_.Timer()->isActive());
  EXPECT_EQ(view_.Timer()->interval(), 10000);
  EXPECT_EQ(view_.Timer()->objectName(), "TimerCal");
  EXPECT_EQ(view_.PageCount(), 3);

  EXPECT_EQ(view_.LeftLabel()->toolTip(), "Taurus");
  EXPECT_EQ(view_.RightLabel()->toolTip(), "Year Of The Snake");
  int ticked = 0;
  QObject::connect(&view_, &CalendarView::Ticked, [&ticked] { ++ticked; });
  view_.Tick();
  EXPECT_EQ(view_.RightLabel()->toolTip(),
            "Victory day in Great Patriotic war (80-th anniversary, Russian Festival)");
  view_.Tick();
  EXPECT_EQ(view_.RightLabel()->toolTip(), "Year Of The Snake");
  EXPECT_EQ(ticked, 2);

  // A change of language builds the pages anew; larger windows move and enlarge them.
  ASSERT_TRUE(view_.Show(2.0, 2.0, kRussian));
  EXPECT_EQ(view_.LeftLabel()->toolTip(), "Телец");
  EXPECT_EQ(view_.RightLabel()->toolTip(), "Год Змеи");
  EXPECT_EQ(view_.LeftLabel()->geometry(), QRect(300, 190, 120, 200));
  EXPECT_EQ(view_.RightLabel()->geometry(), QRect(1100, 190, 120, 200));

  view_.Hide();
  EXPECT_FALSE(view_.Timer()->isActive());
  EXPECT_FALSE(view_.RightLabel()->isVisibleTo(&host_));
}

TEST_F(CalendarViewTest, AfterMidnightThePagesAreBuiltForTheNewDay) {
  MakePack(program_);
  now_ = QDateTime(QDate(2025, 1, 6), QTime(23, 59, 50));
  ASSERT_TRUE(view_.Show(1.0, 1.0, kEnglish));
  EXPECT_EQ(view_.PageCount(), 2);  // no holiday on 6 January
  now_ = QDateTime(QDate(2025, 1, 7), QTime(0, 0, 0));
  view_.Tick();
  EXPECT_EQ(view_.PageCount(), 3);
  EXPECT_EQ(view_.RightLabel()->toolTip(), "Christmas (The Orthodox holiday)");
  EXPECT_EQ(view_.LeftLabel()->toolTip(), "Capricorn");
  // A tick that comes late still finds the new day.
  now_ = QDateTime(QDate(2025, 1, 8), QTime(0, 3, 10));
  view_.Tick();
  EXPECT_EQ(view_.PageCount(), 2);
  EXPECT_EQ(view_.RightLabel()->toolTip(), "Year Of The Snake");
}

// The colours of a page picture shown by a label.
QImage Shown(const QLabel* label) {
  return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

bool HasRed(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() < 80 && c.blue() < 80) return true;
    }
  }
  return false;
}

bool HasDark(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() < 90 && c.green() < 90 && c.blue() < 90) return true;
    }
  }
  return false;
}

TEST_F(CalendarViewTest, TheDatePageDrawsDayMonthAndSign) {
  MakePack(program_);
  now_ = QDateTime(QDate(2025, 1, 5), QTime(12, 0));  // a Sunday
  ASSERT_TRUE(view_.Show(1.0, 1.0, kEnglish));
  QImage page = Shown(view_.LeftLabel());
  const QRect dayArea(0, 22, 60, 18);
  const QRect monthArea(0, 42, 60, 14);
  EXPECT_TRUE(HasRed(page, dayArea));  // Sundays in red
  EXPECT_FALSE(HasDark(page, dayArea));
  EXPECT_TRUE(HasDark(page, monthArea));
  EXPECT_EQ(page.pixelColor(17, 65), kPictureColour);  // the sign at (17, 65)
  EXPECT_EQ(page.pixelColor(36, 84), kPictureColour);
  EXPECT_EQ(page.pixelColor(16, 64), kBaseColour);
  EXPECT_EQ(page.pixelColor(37, 85), kBaseColour);
  EXPECT_FALSE(HasDark(page, QRect(0, 0, 60, 21)));  // nothing above the day number

  now_ = QDateTime(QDate(2025, 1, 6), QTime(12, 0));  // a Monday: the number in black
  ASSERT_TRUE(view_.Show(1.0, 1.0, kEnglish));
  page = Shown(view_.LeftLabel());
  EXPECT_FALSE(HasRed(page, dayArea));
  EXPECT_TRUE(HasDark(page, dayArea));

  // Holiday and year pages carry their picture at (3, 27) over the base.
  const QImage year = Shown(view_.RightLabel());
  EXPECT_EQ(year.pixelColor(3, 27), kPictureColour);
  EXPECT_EQ(year.pixelColor(22, 46), kPictureColour);
  EXPECT_EQ(year.pixelColor(2, 26), kBaseColour);
  EXPECT_EQ(year.pixelColor(23, 47), kBaseColour);
}

// At every window size the pages grow with the window: each label is as large as its picture,
// and the picture is the whole page drawn larger (its sign and day number where the small
// page has them, times the scale), not the small page in a corner.
TEST_F(CalendarViewTest, ThePagesGrowWithTheWindowAtEverySize) {
  MakePack(program_);
  now_ = QDateTime(QDate(2025, 1, 5), QTime(12, 0));  // a Sunday: the day number in red
  const ClientSize screen{1920, 1080};
  for (int size = kSmallWindow; size <= kLargeWindow; ++size) {
    SCOPED_TRACE(size);
    const ClientSize client = ClientAreaFor(size, screen);
    const TableScale scale = ScaleFor(size, client);
    host_.resize(client.width, client.height);
    ASSERT_TRUE(view_.Show(scale.scaleX, scale.scaleY, kEnglish));
    const double k = scale.pictureScale;
    for (QLabel* label : {view_.LeftLabel(), view_.RightLabel()}) {
      EXPECT_EQ(label->width(), qRound(60 * k));
      EXPECT_EQ(label->height(), qRound(100 * k));
      EXPECT_EQ(label->pixmap().size(), label->size());
      EXPECT_TRUE(host_.rect().contains(label->geometry()));
    }
    EXPECT_FALSE(view_.LeftLabel()->geometry().intersects(view_.RightLabel()->geometry()));
    const QImage page = Shown(view_.LeftLabel());
    // The sign covers (17, 65)..(36, 84) of the small page.
    EXPECT_EQ(page.pixelColor(qRound(26 * k), qRound(75 * k)), kPictureColour);
    EXPECT_EQ(page.pixelColor(qRound(12 * k), qRound(75 * k)), kBaseColour);
    EXPECT_EQ(page.pixelColor(qRound(26 * k), qRound(92 * k)), kBaseColour);
    EXPECT_TRUE(HasRed(page, QRect(0, qRound(22 * k), page.width(), qRound(18 * k))));
  }
}

#ifdef ZENDRAL_PACKS_TOOL
// The calendar pack as the pack generator writes it.
std::filesystem::path GeneratedPack(const std::filesystem::path& folder) {
  QProcess tool;
  tool.start(ZENDRAL_PACKS_TOOL, {"--out", QString::fromStdString(folder.string()), "--only",
                                  QString::fromLatin1(kPackCalendar.data(), kPackCalendar.size())});
  EXPECT_TRUE(tool.waitForFinished(60000));
  EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
  return folder / std::string(kPackCalendar);
}

TEST_F(CalendarViewTest, TheGeneratedPackHoldsEveryPictureThePagesName) {
  const auto file = GeneratedPack(program_);
  const OpenPack pack(file);
  ASSERT_TRUE(pack.ok()) << pack.error().toStdString();
  std::set<std::string> names = {std::string(kCalendarBasePicture)};
  for (int year = 2024; year <= 2035; ++year) {
    for (int day = 1; day <= (IsLeapYear(year) ? 366 : 365); ++day) {
      for (const TCalendarPage& page : CalendarPagesFor(*DateOfDayOfYear(year, day), kEnglish)) {
        names.insert(page.picture);
      }
    }
  }
  for (const THolidayEntry& entry : HolidayTable()) names.insert(std::string(entry.picture));
  for (const std::string& name : names) {
    const QImage picture = pack.Picture(PackKind::kPng, QString::fromStdString(name));
    EXPECT_FALSE(picture.isNull()) << name;
    EXPECT_LE(picture.width(), kCalendarPageWidth) << name;
    EXPECT_LE(picture.height(), kCalendarPageHeight) << name;
  }
}

TEST_F(CalendarViewTest, ScreenshotOfThePagesOverTheMenuBackground) {
  GeneratedPack(program_);
  QWidget window;
  window.resize(760, 500);
  window.setAutoFillBackground(true);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(30, 100, 50));
  window.setPalette(palette);
  CalendarView view(&window, program_);
  const std::pair<QDateTime, int> days[] = {
      {QDateTime(QDate(2025, 5, 9), QTime(10, 0)), kEnglish},
      {QDateTime(QDate(2025, 9, 7), QTime(10, 0)), kRussian},
      {QDateTime(QDate(2025, 4, 20), QTime(10, 0)), kChinese},
  };
  int shot = 0;
  for (const auto& [when, language] : days) {
    view.SetClock([when] { return when; });
    ASSERT_TRUE(view.Show(1.0, 1.0, language));
    view.Tick();  // the first holiday on the right
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 5), QColor(30, 100, 50));
    // The page's corners are the page's, its edges the window's background.
    EXPECT_NE(image.pixelColor(150 + 30, 95 + 50), QColor(30, 100, 50));
    QDir().mkpath(ZENDRAL_SCREENSHOT_DIR);
    const QString name = QStringLiteral(ZENDRAL_SCREENSHOT_DIR "/calendar-%1.png").arg(++shot);
    EXPECT_TRUE(image.copy(120, 70, 520, 150).scaled(1040, 300).save(name));
  }
}
#endif

}  // namespace
}  // namespace zendral
