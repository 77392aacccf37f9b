#include "Fonts.h"

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
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: rgb(103,182,245);"
                       " color: black; border: 1px solid rgb(64,0,0); }"
                       "QPushButton:pressed { background-color: rgb(80,150,220); }"
                       "QPushButton:focus { border: 2px solid rgb(64,0,0); }"));
}

} // namespace orvella
