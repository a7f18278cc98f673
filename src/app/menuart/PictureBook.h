#pragma once
// The main window's small pictures that the program paints in code and the menu shows at once
// (its icons, ornaments, lamps, the frames of its animations, the music player's buttons and the
// radio), by name. Painting them costs a start tens of milliseconds of path filling and font
// loading, so the build paints each one once into the program's resources (tools/menuart and
// tools/appart) and the program reads them from there; where a picture is not stored (a test
// program without those resources) it is painted as before.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace zendral {

struct BookPage {
  QString name;
  std::function<QImage()> paint;
  // Stored as its pixels (":/menuart/NAME.raw", read without decoding), or as a PNG
  // (":/appart/NAME.png") where a picture is large and only a few are shown at a time: the
  // frames of the animations.
  bool compact = false;
};

// Every picture of the book, each under a name of its own.
const std::vector<BookPage>& PictureBookPages();

// The picture of a page: the stored one, or painted when none is stored; a null image for a
// name that is not in the book.
QImage BookPicture(const QString& name);

// The names of the menu's pictures that take a number.
QString LampPage(int index);            // the decoration's lamps, 0 .. 5
QString GifPage(int which, int frame);  // "GifMenu1"/"GifMenu2", frame 0 .. 7
QString AccountLampPage(char colour);   // the account's lamp: 'R', 'Y', 'G'

}  // namespace zendral
