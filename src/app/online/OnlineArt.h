#pragma once
// The small pictures of the online windows, drawn by the program: the account lamps and stars,
// the 14 × 12 country flags, the sex icons, the neutral faces shown without a photo, the Kovs
// coin and the account picture.

#include <QImage>
#include <QPixmap>
#include <QString>
#include <string_view>

#include "online/Accounts.h"

namespace zendral {

// "LampR24", "LampY24", "LampG24" as a lamp of 24 pixels in red, yellow or green.
QImage PaintLamp(char colour, int size = 24);
// The lamp of a field check result: 1 red, 2 yellow, 3 green.
QImage LampOfCheck(int result);
// The lamp and the star of an account state ("LampR24"/"StarR0" …).
QImage LampOfState(online::AccountState state);
QImage StarOfState(online::AccountState state, int size = 32);
// The flag of a country code; a grey frame for a code that is none.
QImage PaintFlag(std::string_view countryCode);
// "M" or "W" as a small figure.
QImage PaintSexIcon(char sex, int size = 16);
// "GAcNoM" / "GAcNoF": a neutral face in the photo's size, by sex.
QImage PaintNoPhoto(char sex);
// "GAcFrame": the frame around a photo.
QImage PaintPhotoFrame();
// "GKovs128" and "Account48".
QImage PaintKovsCoin(int size = 128);
// "GKovsT128": a little tower of Kovs, the award beside the coin.
QImage PaintKovsStack(int size = 128);
QImage PaintAccountPicture(int size = 48);
// "Earth48": the globe of the World Top Ten icon.
QImage PaintWorldPicture(int size = 48);

}  // namespace zendral
