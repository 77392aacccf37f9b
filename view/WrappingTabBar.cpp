#include "WrappingTabBar.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace orvella {

namespace {
constexpr int FocusFrameWidth = 2;
} // namespace

WrappingTabBar::WrappingTabBar(QSize stripSize, QWidget* parent)
    : QTabBar(parent)
    , m_strip(stripSize)
{
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
}

QSize WrappingTabBar::tabSizeHint(int index) const
{
    // Tab i spans from i/n to (i+1)/n of the strip, so the tabs fill it without a gap even
    // when its width does not divide evenly.
    const int n = qMax(1, count());
    const int left = m_strip.width() * index / n;
    const int right = m_strip.width() * (index + 1) / n;
    return {right - left, m_strip.height()};
}

QSize WrappingTabBar::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void WrappingTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const int selected = currentIndex();
    // The selected tab is drawn last so that its shape overlaps its neighbours.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count(); ++i) {
            if ((i == selected) != (pass == 1))
                continue;
            QStyleOptionTab option;
            initStyleOption(&option, i);
            const QString caption = option.text;
            option.text.clear();
            option.state &= ~QStyle::State_HasFocus;
            painter.drawControl(QStyle::CE_TabBarTab, option);
            // Tabs that are not selected sit a little lower, as the style draws them.
            QRect textRect = option.rect.adjusted(4, 2, -4, -2);
            if (i != selected)
                textRect.translate(
                    0, style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, &option, this));
            painter.setPen(option.palette.color(
                isTabEnabled(i) ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
            painter.drawText(textRect, Qt::AlignCenter | Qt::TextWordWrap, caption);
            // The style's own focus mark is a faint dotted line: with the keyboard's focus the
            // selected tab gets a frame in its text colour instead.
            if (i == selected && hasFocus()) {
                painter.setPen(QPen(painter.pen().color(), FocusFrameWidth));
                painter.drawRect(QRectF(textRect).adjusted(0, 1, -1, -1));
            }
        }
    }
}

} // namespace orvella
