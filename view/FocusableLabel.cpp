#include "FocusableLabel.h"

#include <QEvent>

namespace orvella {

FocusableLabel::FocusableLabel(QWidget* parent, bool selectableByKeys)
    : QLabel(parent)
    , m_selectableByKeys(selectableByKeys)
{
    setTextFormat(Qt::PlainText);
}

bool FocusableLabel::hasTextDocument() const
{
    constexpr auto Selecting =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
    return textInteractionFlags() & Selecting;
}

void FocusableLabel::setLabelText(const QString& text)
{
    if (hasTextDocument()) {
        setText(text);
        return;
    }
    // QLabel makes the document for a label that takes the focus: for a moment it takes none.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    setText(text);
    setFocusPolicy(policy);
}

bool FocusableLabel::event(QEvent* event)
{
    // QLabel would make the document on being polished, too.
    if (event->type() == QEvent::Polish && !hasTextDocument())
        return QFrame::event(event);
    return QLabel::event(event);
}

void FocusableLabel::focusInEvent(QFocusEvent* event)
{
    if (m_selectableByKeys && !hasTextDocument()) {
        const Qt::FocusPolicy policy = focusPolicy();
        setTextInteractionFlags(Qt::TextSelectableByKeyboard);
        setFocusPolicy(policy); // the flags above ask for focus by click as well
    }
    if (hasTextDocument())
        QLabel::focusInEvent(event);
    else
        QFrame::focusInEvent(event);
}

} // namespace orvella
