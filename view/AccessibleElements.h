#pragma once

class QLabel;
class QString;
class QWidget;

namespace orvella {

// How the program's own elements present themselves to assistive technology (screen readers
// through AT-SPI): the fields of the reading, the pictures, the link labels, and the Tree of
// Life with a child object for every sphere and every path line. Installed once, before the
// first window is built; installing again does nothing.
void installAccessibleElements();

// A label that shows a value of the reading: its accessible name stays the field's caption,
// and the shown value becomes its text, read through the text interface.
void markAsReadingField(QLabel* field);

// Sets a label's text and tells assistive technology that the text changed.
void setAnnouncedText(QLabel* label, const QString& text);

} // namespace orvella
