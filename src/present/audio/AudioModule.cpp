#include "present/audio/AudioModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <cstdio>
#include <mutex>

namespace zendral::audio {

namespace {

struct Module {
  std::mutex mutex;
  bool tried = false;
  const AudioEngines* engines = nullptr;
  std::string problem;
};

Module& TheModule() {
  static Module module;
  return module;
}

// Beside the executable first, then the installed module folder as seen from the executable's
// folder (ZENDRAL_AUDIO_MODULE_DIR, set by the build from the install layout).
QStringList Candidates() {
  const QString here = QCoreApplication::instance() != nullptr
                           ? QCoreApplication::applicationDirPath()
                           : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
  QStringList out{QDir(here).filePath(QLatin1String(kAudioModuleFile))};
#ifdef ZENDRAL_AUDIO_MODULE_DIR
  out << QDir::cleanPath(QDir(here).filePath(QStringLiteral(ZENDRAL_AUDIO_MODULE_DIR)) +
                         QLatin1Char('/') + QLatin1String(kAudioModuleFile));
#endif
  return out;
}

void Open(Module& module) {
  QString problem;
  for (const QString& path : Candidates()) {
    if (!QFileInfo::exists(path)) continue;
    // Never unloaded: the engines' code must outlive every object they made.
    auto* library = new QLibrary(path);
    library->setLoadHints(QLibrary::PreventUnloadHint);
    if (!library->load()) {
      problem = library->errorString();
      continue;
    }
    auto entry = reinterpret_cast<AudioEnginesEntry>(library->resolve(kAudioEnginesEntry));
    const AudioEngines* engines = entry != nullptr ? entry(kAudioEnginesVersion) : nullptr;
    if (engines == nullptr) {
      problem = path + QStringLiteral(": not an audio module of this build");
      continue;
    }
    module.engines = engines;
    return;
  }
  if (problem.isEmpty()) {
    problem =
        QStringLiteral("%1 not found beside the program").arg(QLatin1String(kAudioModuleFile));
  }
  module.problem = problem.toStdString();
  std::fprintf(stderr, "zendral: no sound: %s\n", module.problem.c_str());
}

}  // namespace

const AudioEngines* LoadAudioEngines() {
  Module& module = TheModule();
  std::lock_guard lock(module.mutex);
  if (!module.tried) {
    module.tried = true;
    Open(module);
  }
  return module.engines;
}

std::string AudioModuleProblem() {
  Module& module = TheModule();
  std::lock_guard lock(module.mutex);
  return module.problem;
}

}  // namespace zendral::audio
