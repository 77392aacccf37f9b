#include "Look.h"

#include <QAbstractButton>
#include <QWidget>

namespace orvella {

QFont verdana(double pointSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setColors(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void makeFlatButton(QAbstractButton* button, double pointSize)
{
    button->setFont(verdana(pointSize, true));
    const auto name = [](QRgb color) { return QColor(color).name(); };
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3; }"
                       "QPushButton:pressed { background-color: %4; }"
                       "QPushButton:focus { border: 2px solid %3; }")
            .arg(name(LightBlue), name(Black), name(Maroon), name(PressedBlue)));
}

} // namespace orvella
