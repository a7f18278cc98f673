// Where recordings go: the name after the time of writing, a number for a second recording in
// the same second instead of replacing the first, a clear error where the folder cannot be
// written, and the writer thread that keeps the order of the kons.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>
#include <mutex>

#include "RecordTestSupport.h"
#include "TempFolder.h"
#include "present/record/GifEncoder.h"
#include "present/record/RecordingFile.h"
#include "present/record/RecordingWriter.h"

namespace zendral {
namespace {

const QDateTime kWhen(QDate(2026, 12, 9), QTime(18, 5, 32));

KonRecording SmallRecording(int cards) {
  KonFrames frames;
  frames.Start();
  for (int k = 0; k <= cards; ++k) frames.Capture(testing::TablePicture(260, 200, k), 1000);
  return frames.Take();
}

QByteArray ReadAll(const std::filesystem::path& path) {
  QFile file(QString::fromStdString(path.string()));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RecordingFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureGuiApp(); }
  TempFolder folder;
};

TEST_F(RecordingFileTest, NamesFollowTheTimeOfWritingWithANumberForTheSameSecond) {
  EXPECT_EQ(RecordingFileName(kWhen), "2026.12.09-18.05.32.gif");
  EXPECT_EQ(RecordingFileName(kWhen, 2), "2026.12.09-18.05.32-2.gif");
  EXPECT_EQ(RecordingFileName(QDateTime(QDate(2027, 1, 2), QTime(3, 4, 5)), 11),
            "2027.01.02-03.04.05-11.gif");
}

TEST_F(RecordingFileTest, ThreeRecordingsInOneSecondKeepAllThree) {
  std::vector<QByteArray> sent;
  for (int k = 1; k <= 3; ++k) {
    const KonRecording recording = SmallRecording(k);
    const RecordingWrite written = WriteRecordingFile(recording, folder.path(), kWhen);
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    sent.push_back(ReadAll(written.path.toStdString()));
  }
  EXPECT_EQ(folder.Names("GIFGame"),
            (std::vector<std::string>{"2026.12.09-18.05.32-2.gif", "2026.12.09-18.05.32-3.gif",
                                      "2026.12.09-18.05.32.gif"}))
      << "no temporary file is left behind";
  EXPECT_EQ(ReadAll(folder.path() / "GIFGame" / "2026.12.09-18.05.32.gif"), sent[0])
      << "the first is not replaced";
  EXPECT_EQ(ReadAll(folder.path() / "GIFGame" / "2026.12.09-18.05.32-3.gif"), sent[2]);
  EXPECT_EQ(testing::PlayGif(sent[2]).frames.size(), 4u);
}

TEST_F(RecordingFileTest, AFolderThatCannotBeWrittenIsAnErrorWithItsPath) {
  // A file where the folder should be stops everyone, the administrator too.
  folder.Write("GIFGame", "not a folder");
  const RecordingWrite blocked = WriteRecordingFile(SmallRecording(1), folder.path(), kWhen);
  EXPECT_FALSE(blocked.ok);
  EXPECT_FALSE(blocked.error.isEmpty());
  EXPECT_TRUE(blocked.path.endsWith("GIFGame/2026.12.09-18.05.32.gif"))
      << blocked.path.toStdString();
  EXPECT_EQ(folder.Read("GIFGame"), "not a folder");

  if (::geteuid() != 0) {
    TempFolder locked;
    std::filesystem::create_directories(locked.path() / "GIFGame");
    std::filesystem::permissions(locked.path() / "GIFGame", std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::owner_exec);
    const RecordingWrite refused = WriteRecordingFile(SmallRecording(1), locked.path(), kWhen);
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.isEmpty());
  }
  const RecordingWrite empty = WriteRecordingFile(KonRecording{}, folder.path(), kWhen);
  EXPECT_FALSE(empty.ok) << "a recording without frames is no file";
}

TEST_F(RecordingFileTest, TheWriterKeepsTheOrderAndFinishesBeforeItGoes) {
  std::mutex mutex;
  std::vector<RecordingWrite> results;
  {
    RecordingWriter writer([&](const RecordingWrite& result) {
      std::lock_guard lock(mutex);
      results.push_back(result);
    });
    for (int k = 1; k <= 4; ++k) writer.Write(SmallRecording(k), folder.path(), kWhen);
    writer.WaitUntilDone();
    EXPECT_EQ(writer.Pending(), 0);
    writer.Write(SmallRecording(5), folder.path(), kWhen);
    // Going away writes what was handed in.
  }
  ASSERT_EQ(results.size(), 5u);
  for (std::size_t k = 0; k < results.size(); ++k) {
    ASSERT_TRUE(results[k].ok) << results[k].error.toStdString();
    EXPECT_EQ(QString::fromStdString(
                  std::filesystem::path(results[k].path.toStdString()).filename().string()),
              RecordingFileName(kWhen, static_cast<int>(k) + 1));
    EXPECT_EQ(testing::PlayGif(ReadAll(results[k].path.toStdString())).frames.size(), k + 2);
  }
}

TEST_F(RecordingFileTest, ARecordingHandedInFrameByFrameIsTheSameFile) {
  const KonRecording whole = SmallRecording(6);
  std::vector<RecordingWrite> results;
  {
    RecordingWriter writer([&](const RecordingWrite& result) { results.push_back(result); });
    // A kon dropped half way (a tournament table without a settlement) leaves nothing.
    writer.Begin(whole.size);
    writer.Add({whole.frames[0], whole.frames[1]});
    writer.Abort();
    // The next one, frame by frame as the kon goes on.
    writer.Begin(whole.size);
    for (std::size_t k = 0; k + 1 < whole.frames.size(); ++k) writer.Add({whole.frames[k]});
    writer.End({whole.frames.back()}, folder.path(), kWhen);
    writer.WaitUntilDone();
  }
  ASSERT_EQ(results.size(), 1u);
  ASSERT_TRUE(results[0].ok) << results[0].error.toStdString();
  EXPECT_EQ(folder.Names("GIFGame"), std::vector<std::string>{"2026.12.09-18.05.32.gif"});
  EXPECT_EQ(ReadAll(results[0].path.toStdString()), EncodeGif(whole));
}

}  // namespace
}  // namespace zendral
