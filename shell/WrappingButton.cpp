#include "WrappingButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace orvella {

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(area.adjusted(4, 4, -4, -4),
                     Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

} // namespace orvella
