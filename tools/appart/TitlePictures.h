#pragma once
// The main window's own title pictures: the program's title "Cap", the fan of nines "GTitle"
// under it, and the club list titles "Elite" (games against the computer) and "Net__" (network
// games), each in the languages that have pictures of their own.

#include <QImage>
#include <QString>

namespace zendral::appart {

// The codes of the languages with pictures of their own, in the order of the word tables.
inline constexpr const char* kPictureCodes[] = {"Eng", "Rus", "Deu", "Fra",
                                                "Spa", "Chi", "Ita", "Cze"};

// 400 x 70 design units, drawn at twice the size so the large windows stay sharp.
QImage PaintCaption();
// 300 x 90 design units: the four nines fanned over a ribbon. nine(suit) gives the large face.
QImage PaintTitleFan(const QImage (&nines)[4]);
// 350 x 40 design units: the club list title of a language, red for the local club and blue
// for the network club.
QImage PaintClubTitle(const QString& text, bool network);

// The club list titles by picture code.
QString EliteText(const QString& code);
QString NetworkClubText(const QString& code);

}  // namespace zendral::appart
