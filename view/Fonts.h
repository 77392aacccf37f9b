#pragma once

#include <QColor>
#include <QFont>

class QAbstractButton;
class QWidget;

namespace orvella {

// The program's typeface is Verdana; where it is missing, DejaVu Sans stands in.
QFont verdana(double pointSize, bool bold = false, bool underline = false);

inline QColor rgb(int red, int green, int blue)
{
    return QColor(red, green, blue);
}

// Sets the colour of a widget's text, and its background unless it is transparent.
void setColors(QWidget* widget, const QColor& text, const QColor& background = QColor());

// The program's buttons: flat, light blue, bold captions.
void makeFlatButton(QAbstractButton* button, double pointSize = 8.25);

inline const QColor LightBlue{103, 182, 245};
inline const QColor Maroon{64, 0, 0};
inline const QColor Peach{255, 192, 128};

} // namespace orvella
