#pragma once
// The frame shared by the build-time picture tools: an offscreen GUI application (drawing text
// needs the font database), the output folder named by the one argument, atomic writes of the
// pictures into it, and the exit status the build checks.

#include <QImage>
#include <QString>
#include <functional>
#include <string>

namespace zendral::picturegen {

class PictureFolder {
 public:
  PictureFolder(const QString& folder, std::string toolName);

  // name + ".png" (or ".jpg" for format "jpg"), written to a temporary file and renamed.
  void Save(const QString& name, const QImage& image, const char* format = "png");
  // A file this tool wrote by other means: counted, and reported when it failed.
  void Count(bool ok, const QString& path, const QString& error = {});
  QString PathOf(const QString& fileName) const;

  int failures() const { return failures_; }
  int written() const { return written_; }

 private:
  QString folder_;
  std::string toolName_;
  int failures_ = 0;
  int written_ = 0;
};

// Runs a picture tool: `TOOL OUTPUT_FOLDER`. Returns 2 for a wrong command line, 1 when the
// folder cannot be made or a picture could not be written, 0 otherwise.
int RunPictureTool(int argc, char** argv, const char* toolName,
                   const std::function<void(PictureFolder&)>& draw);

}  // namespace zendral::picturegen
