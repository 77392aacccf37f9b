#include "SharedPaletteStyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOptionSlider>

namespace orvella {

SharedPaletteStyle* SharedPaletteStyle::instance()
{
    static QPointer<SharedPaletteStyle> style;
    if (!style) {
        style = new SharedPaletteStyle;
        style->setParent(qApp);
    }
    return style;
}

void SharedPaletteStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex* option, QPainter* painter,
                                            const QWidget* widget) const
{
    if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
        QStyleOptionSlider same = *slider;
        same.palette = shared(slider->palette);
        QProxyStyle::drawComplexControl(control, &same, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

const QPalette& SharedPaletteStyle::shared(const QPalette& palette) const
{
    for (const QPalette& known : m_palettes)
        if (known == palette)
            return known;
    m_palettes.append(palette);
    return m_palettes.constLast();
}

} // namespace orvella
