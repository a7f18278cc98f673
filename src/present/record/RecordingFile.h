#pragma once
// Where a recording goes: the folder "GIFGame" in the program folder, one file per kon named
// after the date and time of writing ("2026.12.09-18.05.32.gif"). A second recording written
// in the same second gets "-2" before ".gif", a third "-3", and so on: a recording never
// replaces another. The file is written under a temporary name and renamed when complete.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <filesystem>

#include "present/record/KonFrames.h"

namespace zendral {

inline constexpr const char* kRecordingFolder = "GIFGame";

// The file name for the time of writing; number 1 is the plain name, 2 and on get "-<n>".
QString RecordingFileName(const QDateTime& when, int number = 1);

struct RecordingWrite {
  bool ok = false;
  QString path;   // the file written, or the one that could not be
  QString error;  // why not, for the message window
};

// Stores the bytes of a finished file in the folder under the first free name for `when`.
RecordingWrite StoreRecordingFile(const QByteArray& bytes, const std::filesystem::path& folder,
                                  const QDateTime& when);

// Encodes the recording and stores it in the folder (created when missing).
RecordingWrite WriteRecordingTo(const KonRecording& recording, const std::filesystem::path& folder,
                                const QDateTime& when);

// Encodes the recording and stores it in programFolder/GIFGame (created when missing).
RecordingWrite WriteRecordingFile(const KonRecording& recording,
                                  const std::filesystem::path& programFolder,
                                  const QDateTime& when);

}  // namespace zendral
