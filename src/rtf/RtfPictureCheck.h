#pragma once

#include "rtf/RtfPicture.h"

#include <QByteArrayView>

namespace veldra::rtf
{

// What is wrong with a PNG or JPEG picture's bytes, or null when they hold a
// whole picture. The image plugins print to the terminal when they meet a
// damaged file (libpng writes straight to stderr), so a picture is checked
// here before they see it: a PNG's signature, chunk lengths, checksums, header
// and end; a JPEG's markers and segment lengths up to its end marker.
const char *PictureDamage(RtfPictureData::Format format, QByteArrayView data);

} // namespace veldra::rtf
