#include "Look.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QIcon>
#include <QMap>
#include <QWidget>
#include <tuple>

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
    // One palette for each pair of colours, made once: it holds only the roles set here, so
    // every other role still comes from the widget's parent.
    // The key: the text colour, and the background with whether there is one.
    static QMap<std::tuple<QRgb, bool, QRgb>, QPalette> palettes;
    const std::tuple<QRgb, bool, QRgb> key{text.rgba(), background.isValid(),
                                           background.isValid() ? background.rgba() : 0};
    auto found = palettes.find(key);
    if (found == palettes.end()) {
        QPalette palette;
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, text);
        if (background.isValid())
            for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                palette.setColor(role, background);
        found = palettes.insert(key, palette);
    }
    if (background.isValid())
        widget->setAutoFillBackground(true);
    widget->setPalette(*found);
}

void useApplicationIcon()
{
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/orvella.png")));
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
