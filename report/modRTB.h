#pragma once

class QTextEdit;
class QWidget;

namespace orvella {

// Link handling for the report box. While it is on, every web address written into the box
// (http://, https:// or www.) is marked as a link, and a press of the left mouse button on
// a link opens it in the browser. Releasing the button, moving over a link, the right
// button and the second press of a double click open nothing. One box at a time has it:
// turning it on for another box turns it off for the first. It lives at most as long as
// the owner window.
void EnableLinkDetection(QTextEdit* box, QWidget* owner);

// Turns link handling off and gives the box back its plain text look. Does nothing when it
// is already off.
void DisableLinkDetection();

// Whether link handling is on, and for which owner window.
bool IsLinkDetectionOn();
QWidget* LinkDetectionOwner();

} // namespace orvella
