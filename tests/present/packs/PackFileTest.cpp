#include "present/packs/PackFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>

#include "PackMaker.h"
#include "art/ArtLibrary.h"
#include "support/TempFolder.h"

namespace zendral {
namespace {

class PackFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "packs_tests";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
  }
  TempFolder temp_;
  std::filesystem::path parent_ = temp_.path() / "games";
  std::filesystem::path program_ = parent_ / "Zendral";
  void SetUp() override { std::filesystem::create_directories(program_); }
};

TEST_F(PackFileTest, NoPackIsMissingAndNoPackNameMeansTheProgramsOwn) {
  EXPECT_TRUE(FindPack(program_, "KovCards06A.dll").empty());
  QImage image;
  EXPECT_FALSE(LoadPackPng("Ch06Med", "KovCards06A.dll", image, program_));
  EXPECT_TRUE(image.isNull());
  InitArtLibrary();
  EXPECT_TRUE(LoadPackPng("Ch06B", "", image, program_));
  EXPECT_EQ(image.size(), QSize(146, 198));
  EXPECT_TRUE(LoadPackJpeg("FonG", "", image, program_));
  EXPECT_EQ(image.size(), QSize(760, 500));
  EXPECT_FALSE(LoadPackPng("Ch06Med", "", image, program_));
}

TEST_F(PackFileTest, PackInTheParentFolderLoadsLikeOneBesideTheProgram) {
  MakePack(temp_, parent_ / "KovCards06A.dll", {{PackKind::kPng, "Ch06Med", Qt::red}});
  EXPECT_EQ(FindPack(program_, "KovCards06A.dll"), parent_ / "KovCards06A.dll");
  // A program folder written with a trailing separator has the same parent.
  EXPECT_EQ(FindPack(program_ / "", "KovCards06A.dll"), parent_ / "KovCards06A.dll");
  QImage image;
  ASSERT_TRUE(LoadPackPng("Ch06Med", "KovCards06A.dll", image, program_));
  EXPECT_EQ(image.size(), QSize(4, 3));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
  // A picture the pack lacks is no picture, and leaves the target as it was.
  EXPECT_FALSE(LoadPackPng("Ch07Med", "KovCards06A.dll", image, program_));
  EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
}

TEST_F(PackFileTest, ProgramFolderComesFirstAndAReplacedPackIsReadAnew) {
  MakePack(temp_, parent_ / "KovBackG03.dll", {{PackKind::kJpeg, "Fon01Gr", Qt::blue}});
  MakePack(temp_, program_ / "KovBackG03.dll", {{PackKind::kJpeg, "Fon01Gr", Qt::white}});
  QImage image;
  ASSERT_TRUE(LoadPackJpeg("Fon01Gr", "KovBackG03.dll", image, program_));
  EXPECT_GT(image.pixelColor(1, 1).blue(), 240);
  EXPECT_GT(image.pixelColor(1, 1).red(), 240);
  // The pack is released after each load: a new file under the same name is what counts.
  std::filesystem::remove(program_ / "KovBackG03.dll");
  MakePack(temp_, program_ / "KovBackG03.dll", {{PackKind::kJpeg, "Fon01Gr", Qt::black}});
  ASSERT_TRUE(LoadPackJpeg("Fon01Gr", "KovBackG03.dll", image, program_));
  EXPECT_LT(image.pixelColor(1, 1).red(), 20);
  // A PNG is not found under the JPEG's name.
  EXPECT_FALSE(LoadPackPng("Fon01Gr", "KovBackG03.dll", image, program_));
}

TEST_F(PackFileTest, EntriesListEveryPictureByKind) {
  const auto file = MakePack(temp_, program_ / "KovCGraph1.dll",
                             {{PackKind::kPng, "GIcon48Opt", Qt::green},
                              {PackKind::kJpeg, "BGLilu", Qt::magenta},
                              {PackKind::kPng, "GTouch", Qt::yellow}});
  const OpenPack pack(file);
  ASSERT_TRUE(pack.ok()) << pack.error().toStdString();
  const std::vector<PackEntry> entries = pack.Entries();
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].kind, PackKind::kPng);
  EXPECT_EQ(entries[0].name, "GIcon48Opt");
  EXPECT_EQ(entries[1].name, "GTouch");
  EXPECT_EQ(entries[2].kind, PackKind::kJpeg);
  EXPECT_EQ(entries[2].name, "BGLilu");
}

TEST_F(PackFileTest, AFileThatIsNotAWholeResourceFileIsAClearFailure) {
  const auto good =
      MakePack(temp_, temp_.path() / "good.dll",
               {{PackKind::kPng, "Ch06Med", Qt::red}, {PackKind::kPng, "Ch07Med", Qt::green}});
  const std::string bytes = temp_.Read("good.dll");
  struct Case {
    const char* what;
    std::string content;
  };
  std::string badOffset = bytes;
  badOffset[9] = '\x7f';  // the tree offset far past the end
  const Case cases[] = {
      {"text", "MZ this is not a pack\r\n"},
      {"empty", ""},
      {"header only", bytes.substr(0, 20)},
      {"cut in the middle", bytes.substr(0, bytes.size() / 2)},
      {"cut near the end", bytes.substr(0, bytes.size() - 3)},
      {"offset past the end", badOffset},
  };
  for (const Case& c : cases) {
    temp_.Write(program_ / "KovCards06A.dll", c.content);
    const OpenPack pack(program_ / "KovCards06A.dll");
    EXPECT_FALSE(pack.ok()) << c.what;
    EXPECT_FALSE(pack.error().isEmpty()) << c.what;
    QImage image;
    EXPECT_FALSE(LoadPackPng("Ch06Med", "KovCards06A.dll", image, program_)) << c.what;
  }
  const OpenPack whole(good);
  EXPECT_TRUE(whole.ok()) << whole.error().toStdString();
}

}  // namespace
}  // namespace zendral
