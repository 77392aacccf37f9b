#include "CaptionedFrame.h"

#include <QPainter>

namespace orvella {

namespace {
// Where the caption starts, and the gap left in the frame line around it, in pixels.
constexpr int CaptionIndent = 8;
constexpr int CaptionGap = 2;
} // namespace

CaptionedFrame::CaptionedFrame(const QString& caption, const QFont& captionFont,
                               const QColor& captionColor, const QColor& background,
                               QWidget* parent)
    : QGroupBox(caption, parent)
    , m_captionFont(captionFont)
    , m_captionColor(captionColor)
    , m_background(background)
{
    setAccessibleName(caption);
}

void CaptionedFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);

    // An etched frame: a dark line with a light one beside it, running through the middle of
    // the caption's height.
    const QFontMetrics metrics(m_captionFont);
    const int lineY = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, lineY, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect captionRect(CaptionIndent, 0, metrics.horizontalAdvance(caption), metrics.height());
    painter.fillRect(captionRect.adjusted(-CaptionGap, 0, CaptionGap, 0), m_background);
    painter.setFont(m_captionFont);
    painter.setPen(m_captionColor);
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

} // namespace orvella
