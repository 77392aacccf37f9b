#pragma once

class QLabel;
class QString;
class QWidget;

namespace orvella {

// How the program's own elements present themselves to assistive technology (screen readers
// through AT-SPI): the labels of the reading panes (a field's name is its caption, its text
// the shown value), the pictures, the link labels, and the Tree of Life with a child object
// for every sphere and every path line. Installed once, before the
// first window is built; installing again does nothing.
void installAccessibleElements();

// Sets a label's text and tells assistive technology that the text changed.
void setAnnouncedText(QLabel* label, const QString& text);

} // namespace orvella
