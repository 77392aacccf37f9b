#include "SphereCaption.h"

#include "HandCursor.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvella {

SphereCaption::SphereCaption(SphereIndex sphere, const QString& text, QWidget* parent)
    : QLabel(parent)
    , m_index(sphere)
{
    setTextFormat(Qt::PlainText);
    setText(text);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAutoFillBackground(false);
    // Movements without a button pressed only reach widgets that track the mouse.
    setMouseTracking(true);
    showHandCursor(this);
    setAccessibleName(text.simplified());
}

QStringList SphereCaption::captionLines(const QString& text)
{
    // The name is the last word; everything before it is the number (Da'at has none).
    const QString trimmed = text.trimmed();
    const qsizetype lastBlank = trimmed.lastIndexOf(QLatin1Char(' '));
    if (lastBlank < 0)
        return {QString(), trimmed};
    return {trimmed.left(lastBlank).trimmed(), trimmed.mid(lastBlank + 1)};
}

void SphereCaption::mouseMoveEvent(QMouseEvent* event)
{
    // A movement with a button held is resolved by the view, by what is under the pointer.
    event->accept();
    if (event->buttons() == Qt::NoButton)
        emit pointerMoved(m_index);
}

void SphereCaption::paintEvent(QPaintEvent*)
{
    // QLabel would break the text wherever the font's widths happen to allow; the design
    // always has the number above the name, both centred in the box.
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const QStringList lines = captionLines(text());
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const int top = (height() - 2 * lineHeight) / 2;
    for (int i = 0; i < 2; ++i)
        painter.drawText(QRect(0, top + i * lineHeight, width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, lines.value(i));
}

} // namespace orvella
