#pragma once

class QTextEdit;
class QWidget;

namespace orvella {

// Link handling for the report box, whose links the report writes as anchors. While it is on, a
// press of the left mouse button on a link opens it in the browser, and the pointer is a hand
// over a link. Releasing the button, moving over a link, the right button and the second press
// of a double click open nothing; a third press opens again. A link the browser cannot open is
// passed over in silence. One box at a time has it: turning it on for another box turns it off
// for the first. It lives at most as long as the owner window.
void EnableLinkDetection(QTextEdit* box, QWidget* owner);

// Turns link handling off: presses open nothing and the box has its own pointer back; the
// links stay in the text. Does nothing when it is already off.
void DisableLinkDetection();

// Whether link handling is on, and for which owner window.
bool IsLinkDetectionOn();
QWidget* LinkDetectionOwner();

} // namespace orvella
