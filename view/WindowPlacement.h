#pragma once

class QWidget;

namespace orvella {

// Places a top-level window in the middle of its screen (its parent's screen, when it has a
// parent) now, and again the first time it is shown, once its frame is known.
void centreWhenShown(QWidget* window);

} // namespace orvella
