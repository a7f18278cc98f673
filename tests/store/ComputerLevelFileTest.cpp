// The computer's level file: read tolerantly (anything but the expert's line is the classic
// player), written whole.

#include <gtest/gtest.h>

#include <fstream>

#include "TempFolder.h"
#include "store/ComputerLevelFile.h"
#include "store/FileIo.h"

namespace zendral {
namespace {

TEST(ComputerLevelFile, ReadsAnythingButTheExpertLineAsClassic) {
  struct Case {
    std::string bytes;
    ComputerLevel level;
  };
  const Case cases[] = {
      {"Expert\r\n", ComputerLevel::kExpert},
      {"Expert", ComputerLevel::kExpert},
      {"Expert\nmore lines", ComputerLevel::kExpert},
      {"Classic\r\n", ComputerLevel::kClassic},
      {"expert\r\n", ComputerLevel::kClassic},
      {" Expert\r\n", ComputerLevel::kClassic},
      {"", ComputerLevel::kClassic},
      {std::string("\xff\x00\x01", 3), ComputerLevel::kClassic},
      {std::string(5000, 'E'), ComputerLevel::kClassic},
  };
  TempFolder folder;
  const auto path = folder.path() / kComputerLevelFileName;
  for (const Case& c : cases) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << c.bytes;
    EXPECT_EQ(ReadComputerLevel(path), c.level) << c.bytes.substr(0, 20);
  }
  EXPECT_EQ(ReadComputerLevel(folder.path() / "missing.ini"), ComputerLevel::kClassic);
  EXPECT_EQ(ReadComputerLevel(folder.path()), ComputerLevel::kClassic);  // a folder
}

TEST(ComputerLevelFile, WrittenLevelReadsBack) {
  TempFolder folder;
  const auto path = folder.path() / kComputerLevelFileName;
  for (const ComputerLevel level : {ComputerLevel::kExpert, ComputerLevel::kClassic}) {
    ASSERT_TRUE(WriteComputerLevel(path, level));
    EXPECT_EQ(ReadComputerLevel(path), level);
  }
  EXPECT_EQ(ReadFileBytes(path, 100).bytes, "Classic\r\n");
  EXPECT_FALSE(
      WriteComputerLevel(folder.path() / "no-such-folder" / "x.ini", ComputerLevel::kExpert));
}

}  // namespace
}  // namespace zendral
