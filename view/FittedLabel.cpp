#include "FittedLabel.h"

#include <QEvent>

namespace orvella {

FittedLabel::FittedLabel(const QString& text, int height, QWidget* parent)
    : QLabel(parent)
    , m_height(height)
{
    setTextFormat(Qt::PlainText);
    // The height is the designed one, which leaves little room below the letters: keep the
    // text at the top so that only the descent could ever be cut.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFittedText(text);
}

void FittedLabel::setFittedText(const QString& text)
{
    setText(text);
    resize(text.isEmpty() ? 0 : sizeHint().width(), m_height);
    if (m_tabFocus)
        setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

void FittedLabel::setTabFocusWhileShown(bool on)
{
    m_tabFocus = on;
    setFocusPolicy(on && !text().isEmpty() ? Qt::TabFocus : Qt::NoFocus);
}

void FittedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setFittedText(text());
}

} // namespace orvella
