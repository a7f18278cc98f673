#include "present/audio/CardVoice.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <fstream>

#include "AudioTestData.h"
#include "QtTestApp.h"
#include "present/audio/QtSoundOutput.h"
#include "present/audio/VoiceNames.h"
#include "support/TempFolder.h"

namespace zendral::audio {
namespace {

void WriteFile(const std::filesystem::path& path, const test::Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// A voice pack the way zendral-packs makes one: the WAVs under wav/ by name, rcc --binary.
void MakeVoicePack(const std::filesystem::path& work, const std::filesystem::path& target,
                   const std::vector<std::pair<std::string, test::Bytes>>& voices) {
  std::filesystem::create_directories(work);
  std::string qrc = "<RCC>\n<qresource prefix=\"/wav\">\n";
  for (const auto& [name, bytes] : voices) {
    WriteFile(work / name, bytes);
    qrc += "<file alias=\"" + name + "\">" + name + "</file>\n";
  }
  qrc += "</qresource>\n</RCC>\n";
  std::ofstream(work / "voice.qrc") << qrc;
  QProcess rcc;
  rcc.setWorkingDirectory(QString::fromStdString(work.string()));
  rcc.start(ZENDRAL_RCC, {"--binary", "voice.qrc", "-o", QString::fromStdString(target.string())});
  ASSERT_TRUE(rcc.waitForFinished(30000));
  ASSERT_EQ(rcc.exitCode(), 0) << rcc.readAllStandardError().toStdString();
}

class CardVoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureQtApp();
    program_ = folder_.path() / "games" / "zendral";
    std::filesystem::create_directories(program_);
  }
  TempFolder folder_;
  std::filesystem::path program_;
  const TCardCode queenOfHearts_{7, kHearts};
};

TEST_F(CardVoiceTest, AVoiceIsFoundInTheProgramFolderOrItsParent) {
  const test::Bytes russian = test::MakeWav(1, 22050, 16, 4410);
  const test::Bytes korean = test::MakeWav(1, 22050, 16, 2205);
  // In the parent folder, where the packs shared by the family of games lie.
  MakeVoicePack(folder_.path() / "work", program_.parent_path() / kVoicePackFile,
                {{"Ch3QVoiceRus", russian}, {"Ch3QVoiceKor", korean}});
  EXPECT_EQ(LoadCardVoice(program_, queenOfHearts_, 1), russian);
  EXPECT_EQ(LoadCardVoice(program_, queenOfHearts_, 9), korean);
  EXPECT_TRUE(LoadCardVoice(program_, queenOfHearts_, 0).empty());  // not in this pack
  EXPECT_TRUE(LoadCardVoice(program_, kEmptyCard, 1).empty());

  // A pack in the program folder comes first.
  const test::Bytes own = test::MakeWav(2, 44100, 16, 441);
  MakeVoicePack(folder_.path() / "work2", program_ / kVoicePackFile, {{"Ch3QVoiceRus", own}});
  EXPECT_EQ(LoadCardVoice(program_, queenOfHearts_, 1), own);
}

TEST_F(CardVoiceTest, MissingDamagedOrWrongPacksGiveNoVoice) {
  EXPECT_TRUE(LoadCardVoice(program_, queenOfHearts_, 1).empty());  // no pack at all

  std::ofstream(program_ / kVoicePackFile, std::ios::binary) << "qres\0\0\0\3garbage";
  EXPECT_TRUE(LoadCardVoice(program_, queenOfHearts_, 1).empty());

  // A pack cut short is refused before Qt reads it.
  const std::filesystem::path whole = folder_.path() / "whole.dll";
  MakeVoicePack(folder_.path() / "work", whole,
                {{"Ch3QVoiceRus", test::MakeWav(1, 22050, 16, 4410)}});
  std::ifstream in(whole, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::ofstream(program_ / kVoicePackFile, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  EXPECT_TRUE(LoadCardVoice(program_, queenOfHearts_, 1).empty());

  // A resource of the right name that is no WAV.
  test::Bytes text;
  test::PutText(text, "not a sound");
  MakeVoicePack(folder_.path() / "work3", program_ / kVoicePackFile, {{"Ch3QVoiceRus", text}});
  EXPECT_TRUE(LoadCardVoice(program_, queenOfHearts_, 1).empty());
  EXPECT_EQ(LoadVoiceResource(program_, "Ch3QVoiceRus"), text);
}

TEST_F(CardVoiceTest, AVoiceReplacesTheEventSoundAndIsReplacedByTheNext) {
  QtSoundOutput output(false);  // effects even without a device, which then play nothing
  output.Start("WKoGutX");
  output.StartVoice("voice", test::MakeWav(1, 22050, 16, 22050));
  EXPECT_EQ(output.PlayingNames(), std::vector<std::string>{"voice"});
  output.Start("WHodsDo");
  EXPECT_EQ(output.PlayingNames(), std::vector<std::string>{"WHodsDo"});
  output.StartVoice("voice", test::MakeWav(1, 22050, 16, 22050));
  output.StopAll();
  EXPECT_TRUE(output.PlayingNames().empty());
}

}  // namespace
}  // namespace zendral::audio
