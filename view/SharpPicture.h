#pragma once

#include <QPixmap>
#include <QString>

namespace orvella {

// Every picture of the program comes in two sizes: "name.jpg" for ordinary screens and
// "name@2x.jpg", painted at twice the size, for screens with two (or more) device pixels to
// the logical pixel. Returns the one that suits `devicePixelRatio`, marked with its own
// ratio so that it takes the same logical size either way; a missing "@2x" picture falls
// back to the ordinary one.
QPixmap sharpPicture(const QString& resource, qreal devicePixelRatio);

} // namespace orvella
