#pragma once

#include <QCursor>

namespace orvella {

// The pointing hand shown over the drawing's spheres and over every link label.
QCursor handCursor();

} // namespace orvella
