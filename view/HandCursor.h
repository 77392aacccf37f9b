#pragma once

#include <QCursor>

class QWidget;

namespace orvella {

// The pointing hand shown over the drawing's spheres and over every link label.
QCursor handCursor();

// Shows the hand over the widget. The picture is decoded when the pointer first comes over
// such a widget, not before a window's first paint: until then the widget waits for it.
void showHandCursor(QWidget* widget);

} // namespace orvella
