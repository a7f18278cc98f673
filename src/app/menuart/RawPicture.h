#pragma once
// A picture stored as its pixels, for the program's own pictures that the start shows at once:
// "ZRAW", the width and the height (32-bit, little-endian), then the rows of premultiplied ARGB32
// pixels as they lie in memory. Stored uncompressed among the program's resources, such a
// picture is read without decoding or copying: the image stands on the resource's bytes.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zendral {

// The bytes of a picture (converted to premultiplied ARGB32 first).
QByteArray EncodeRawPicture(const QImage& image);
// The picture of such bytes; a null image for bytes of another kind or of a wrong length. The
// image is a copy of the bytes.
QImage DecodeRawPicture(const QByteArray& bytes);
// The picture of a resource holding such bytes: the image stands on the resource's own bytes
// when they are stored uncompressed (they stay as long as the program runs), else it is decoded
// from a copy. A null image when the resource is missing or holds no such picture.
QImage RawPictureResource(const QString& path);

}  // namespace zendral
