#pragma once

#include <QColor>
#include <QFont>
#include <QLatin1StringView>

class QAbstractButton;
class QWidget;

namespace orvella {

// The look of every window of the program, named once: its titles, its colours and its
// typeface. Layout tables pick from these by name.

// The caption of every window, and of every message box.
inline constexpr QLatin1StringView WindowTitle{"Orvella v1.25"};
inline constexpr QLatin1StringView ApplicationTitle{"Orvella"};

// The program's colours (RGB, 0-255).
inline constexpr QRgb Maroon = qRgb(64, 0, 0);
inline constexpr QRgb Peach = qRgb(255, 192, 128);
inline constexpr QRgb LightBlue = qRgb(103, 182, 245);
inline constexpr QRgb PressedBlue = qRgb(80, 150, 220);
inline constexpr QRgb Blue = qRgb(0, 0, 255);
inline constexpr QRgb Lavender = qRgb(128, 128, 255);
inline constexpr QRgb Cyan = qRgb(0, 255, 255);
inline constexpr QRgb Green = qRgb(0, 255, 0);
inline constexpr QRgb SageGreen = qRgb(139, 193, 119);
inline constexpr QRgb Yellow = qRgb(255, 255, 0);
inline constexpr QRgb PaleYellow = qRgb(255, 255, 128);
inline constexpr QRgb Orange = qRgb(255, 128, 0);
inline constexpr QRgb Magenta = qRgb(255, 0, 255);
inline constexpr QRgb Red = qRgb(255, 0, 0);
inline constexpr QRgb DarkRed = qRgb(128, 0, 0);
inline constexpr QRgb DarkGrey = qRgb(64, 64, 64);
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb White = qRgb(255, 255, 255);

// The program's typeface is Verdana; where it is missing, DejaVu Sans stands in.
QFont verdana(double pointSize, bool bold = false, bool underline = false);

// Sets the colour of a widget's text, and its background unless it is transparent.
void setColors(QWidget* widget, const QColor& text, const QColor& background = QColor());

// Gives every window the program's icon, once. Decoding the icon takes time the first paint of
// the input window should not wait for: the program calls this after that paint, or before a
// message that comes first.
void useApplicationIcon();

// The program's buttons: flat, light blue, bold captions.
void makeFlatButton(QAbstractButton* button, double pointSize = 8.25);

} // namespace orvella
