#pragma once
// The menu's and the intro's title pictures (":/appart/Cap…", "GTitle", "Elite…", "Net__…"),
// each stored twice: at its design size (the name with "S") and at twice that size.

#include <QImage>
#include <QSize>
#include <QString>

namespace zendral {

// The title picture at exactly the target size (device pixels), scaled smoothly from the
// smaller stored picture that is still at least as large, so that the small window decodes a
// quarter of the pixels and scales nothing. A null image when the picture is missing.
QImage TitlePictureAt(const QString& name, QSize target);

}  // namespace zendral
