#include "FittedLabel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>

namespace orvella {

namespace {

using WidthsByFont = QHash<std::pair<QFont, int>, QHash<QString, int>>;

// Fonts hold engines of the application: the widths go with it.
WidthsByFont& knownWidths()
{
    static WidthsByFont* widths = nullptr;
    if (!widths) {
        widths = new WidthsByFont;
        qAddPostRoutine([] {
            delete widths;
            widths = nullptr;
        });
    }
    return *widths;
}

} // namespace

FittedLabel::FittedLabel(const QString& text, int height, const QFont& font, QWidget* parent)
    : QLabel(parent)
    , m_height(height)
{
    setTextFormat(Qt::PlainText);
    // The height is the designed one, which leaves little room below the letters: keep the
    // text at the top so that only the descent could ever be cut.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(font);
    setFittedText(text);
}

void FittedLabel::setFittedText(const QString& text)
{
    setText(text);
    resize(fittedWidth(text), m_height);
}

// The width QLabel's size hint gives a line of plain text, found with one measurement of the
// same kind where the size hint lays the text out three times. Every reading view shows the
// same captions in the same few fonts, so each text is measured once in each font.
int FittedLabel::fittedWidth(const QString& text) const
{
    if (text.isEmpty())
        return 0;
    constexpr auto Selectable =
        Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard | Qt::TextEditable;
    if (textInteractionFlags() & Selectable)
        return sizeHint().width(); // selectable text is measured as a document

    QHash<QString, int>& widths = knownWidths()[{font(), logicalDpiY()}];
    if (const auto known = widths.constFind(text); known != widths.cend())
        return *known;
    const QMargins margins = contentsMargins();
    const int extra = 2 * margin() + margins.left() + margins.right();
    const QRect line = fontMetrics().boundingRect(
        0, 0, 2000 - extra, 2000, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, text);
    return widths[text] = line.width() + extra;
}

void FittedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setFittedText(text());
}

} // namespace orvella
