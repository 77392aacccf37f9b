#pragma once

class QComboBox;

namespace orvella {

// How the program's own elements present themselves to assistive technology (screen readers
// through AT-SPI), shaped by what a screen reader speaks: a field of the reading is named by
// its caption and its value together, its text being the value; the date lists tell their
// current entry as an item that takes the focus; the Tree of Life is a chart with a child
// object for every sphere and every path; pictures are named by what they show. Installed
// once, before the first window is built; installing again does nothing.
void installAccessibleElements();

// Tells assistive technology that the list's current entry took the focus.
void announceCurrentEntry(QComboBox* list);

} // namespace orvella
