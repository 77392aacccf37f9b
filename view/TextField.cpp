#include "TextField.h"

#include <QAccessible>
#include <QCache>
#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QtMath>

namespace orvella {

namespace {

// Every reading view shows the same captions, and values out of the same tables, in the same
// few fonts: a fitted line is laid out once for each text and font and then measured and
// painted from that layout by every field that shows it. The program shows a few hundred
// such texts; the bound keeps names typed by the user from piling up. The layouts hold font
// engines of the application, so they go with it.
class SharedLines {
public:
    static constexpr int MostLines = 1024;

    static SharedLines& instance()
    {
        static SharedLines* lines = nullptr;
        if (!lines) {
            lines = new SharedLines;
            qAddPostRoutine([] {
                delete lines;
                lines = nullptr;
            });
        }
        return *lines;
    }

    std::shared_ptr<const QTextLayout> line(const QString& text, const QFont& font,
                                            QPaintDevice* device)
    {
        const Key key{font, text};
        if (auto* kept = m_lines.object(key))
            return *kept;
        // One line, laid out as QLabel lays out plain text; its shapes are kept for painting.
        auto line = std::make_shared<QTextLayout>(text, font, device);
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        line->setTextOption(option);
        line->setCacheEnabled(true);
        line->beginLayout();
        QTextLine only = line->createLine();
        only.setLineWidth(QWIDGETSIZE_MAX);
        only.setPosition(QPointF(0, 0));
        line->endLayout();
        m_lines.insert(key, new std::shared_ptr<const QTextLayout>(line));
        return line;
    }

private:
    using Key = std::pair<QFont, QString>;
    QCache<Key, std::shared_ptr<const QTextLayout>> m_lines{MostLines};
};

constexpr auto KeySelection = Qt::ShiftModifier;

} // namespace

TextField::TextField(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

TextField::TextField(const QString& text, QWidget* parent)
    : TextField(parent)
{
    setText(text);
}

void TextField::setText(const QString& text)
{
    if (text == m_text)
        return;
    const QString before = m_text;
    m_text = text;
    m_cursor = m_anchor = 0;
    layOut();
    updateFocusPolicy();
    update();
    if (before != text && QAccessible::isActive()) {
        QAccessibleTextUpdateEvent replaced(this, 0, before, text);
        QAccessible::updateAccessibility(&replaced);
        // A field's name holds its value.
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void TextField::fitToText(int height)
{
    m_fittedHeight = height;
    layOut();
}

void TextField::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    layOut();
    update();
}

void TextField::setWordWrap(bool on)
{
    m_wordWrap = on;
    layOut();
    update();
}

void TextField::setTabStopWhileShown(bool on)
{
    m_tabStop = on;
    if (!on)
        setFocusPolicy(Qt::NoFocus);
    updateFocusPolicy();
}

void TextField::setSelectableByKeys(bool on)
{
    m_selectable = on;
}

void TextField::updateFocusPolicy()
{
    // An empty field is passed over; the one that has the focus keeps it while it has it.
    if (!m_tabStop)
        return;
    if (m_text.isEmpty() && hasFocus())
        return;
    setFocusPolicy(m_text.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

QString TextField::selectedText() const
{
    const int start = std::min(m_anchor, m_cursor);
    return m_text.mid(start, std::abs(m_cursor - m_anchor));
}

int TextField::selectionStart() const
{
    return hasSelectedText() ? std::min(m_anchor, m_cursor) : -1;
}

void TextField::setSelection(int start, int length)
{
    const int size = static_cast<int>(m_text.size());
    m_anchor = std::clamp(start, 0, size);
    m_cursor = std::clamp(start + length, 0, size);
    update();
    announceCursor();
}

void TextField::setCursorPosition(int position)
{
    moveCursor(position, false);
}

void TextField::layOut()
{
    m_line.reset();
    m_box.reset();
    if (isFittedToText()) {
        int width = 0;
        if (!m_text.isEmpty()) {
            // By font alone: the desktop has one logical resolution for all its screens.
            m_line = SharedLines::instance().line(m_text, font(), this);
            const qreal textWidth =
                m_line->lineCount() > 0 ? m_line->lineAt(0).naturalTextWidth() : 0;
            const QMargins margins = contentsMargins();
            width = qCeil(textWidth) + margins.left() + margins.right();
        }
        resize(width, m_fittedHeight);
        return;
    }
    m_boxStale = true;
}

std::unique_ptr<QTextLayout> TextField::boxLayout() const
{
    QString shown = m_text;
    shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
    auto layout = std::make_unique<QTextLayout>(shown, font(), this);
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    if (!m_wordWrap)
        option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    return layout;
}

QSizeF TextField::breakLines(QTextLayout& layout, int width, qreal bottom) const
{
    // As QPainter::drawText lays out a label's plain text: lines on whole pixels, the font's
    // leading between them, no more lines than reach the bottom.
    const QFontMetricsF metrics(font(), this);
    const qreal lineWidth = m_wordWrap ? std::max(0, width) : 0x01000000;
    qreal height = m_text.isEmpty() ? metrics.height() : -metrics.leading();
    qreal widest = 0;
    layout.beginLayout();
    if (!m_text.isEmpty())
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(lineWidth);
            height = qCeil(height + metrics.leading());
            line.setPosition(QPointF(0, height));
            height += line.ascent() + line.descent();
            widest = std::max(widest, line.naturalTextWidth());
            if (height >= bottom)
                break;
        }
    layout.endLayout();
    return {widest, height};
}

void TextField::layOutBox() const
{
    m_boxStale = false;
    const QRect box = contentsRect();
    m_box = boxLayout();
    const QSizeF text = breakLines(*m_box, box.width(), box.height());
    const qreal width = text.width();
    const qreal height = text.height();

    // Each line aligned in the box on its own, the block of lines as a whole.
    for (int i = 0; i < m_box->lineCount(); ++i) {
        QTextLine line = m_box->lineAt(i);
        qreal x = 0;
        if (m_alignment & Qt::AlignRight)
            x = box.width() - line.horizontalAdvance();
        else if (m_alignment & Qt::AlignHCenter)
            x = (box.width() - line.horizontalAdvance()) / 2;
        line.setPosition(QPointF(x, line.y()));
    }
    qreal y = 0;
    if (m_alignment & Qt::AlignBottom)
        y = box.height() - height;
    else if (m_alignment & Qt::AlignVCenter)
        y = (box.height() - height) / 2;
    qreal x = 0;
    if (m_alignment & Qt::AlignRight)
        x = box.width() - width;
    else if (m_alignment & Qt::AlignHCenter)
        x = (box.width() - width) / 2;
    m_boxOffset = QPointF(box.x(), box.y() + y);
    m_boxTextSize = QSizeF(width, height);
    m_boxClipped = !QRectF(box).contains(QRectF(QPointF(box.x() + x, box.y() + y), m_boxTextSize));
}

const QTextLayout* TextField::layout() const
{
    if (m_line)
        return m_line.get();
    if (isFittedToText())
        return nullptr;
    if (m_boxStale)
        layOutBox();
    return m_box.get();
}

QPointF TextField::origin() const
{
    if (m_line)
        return contentsRect().topLeft();
    return m_boxOffset;
}

QSize TextField::sizeHint() const
{
    if (isFittedToText())
        return size();
    // As QLabel measures plain text: one line as wide as it is, or wrapped text tried at a
    // few widths for a pleasing shape.
    const QFontMetrics metrics(font(), const_cast<TextField*>(this));
    const QMargins margins = contentsMargins();
    const auto measure = [this](int width) {
        const std::unique_ptr<QTextLayout> layout = boxLayout();
        return QRectF(QPointF(0, 0), breakLines(*layout, width, QWIDGETSIZE_MAX))
            .toAlignedRect()
            .size();
    };
    QSize text;
    if (m_wordWrap) {
        int width = std::min(metrics.averageCharWidth() * 80, maximumWidth()) -
                    (margins.left() + margins.right());
        text = measure(width);
        if (text.height() < 4 * metrics.lineSpacing() && text.width() > width / 2)
            text = measure(width / 2);
        if (text.height() < 2 * metrics.lineSpacing() && text.width() > width / 4)
            text = measure(width / 4);
    } else {
        text = measure(2000);
    }
    return (text + QSize(margins.left() + margins.right(), margins.top() + margins.bottom()))
        .expandedTo(minimumSize());
}

QSize TextField::minimumSizeHint() const
{
    return isFittedToText() ? size() : QWidget::minimumSizeHint();
}

std::pair<int, int> TextField::lineAround(int position) const
{
    const QTextLayout* laid = layout();
    if (!laid || laid->lineCount() == 0)
        return {0, static_cast<int>(m_text.size())};
    const QTextLine line = laid->lineForTextPosition(std::clamp(position, 0, int(m_text.size())));
    if (!line.isValid()) {
        const QTextLine last = laid->lineAt(laid->lineCount() - 1);
        return {last.textStart(), static_cast<int>(m_text.size())};
    }
    return {line.textStart(), line.textStart() + line.textLength()};
}

QRect TextField::characterRect(int position) const
{
    const QTextLayout* laid = layout();
    if (!laid || position < 0 || position >= m_text.size())
        return {};
    const QTextLine line = laid->lineForTextPosition(position);
    if (!line.isValid())
        return {};
    const qreal left = line.cursorToX(position);
    const qreal right = line.cursorToX(position + 1);
    const QPointF at = origin();
    return QRectF(at.x() + std::min(left, right), at.y() + line.y(), std::abs(right - left),
                  line.height())
        .toAlignedRect();
}

int TextField::positionAt(QPoint point) const
{
    const QTextLayout* laid = layout();
    if (!laid)
        return -1;
    const QPointF at = QPointF(point) - origin();
    for (int i = 0; i < laid->lineCount(); ++i) {
        const QTextLine line = laid->lineAt(i);
        if (at.y() >= line.y() && at.y() < line.y() + line.height())
            return line.xToCursor(at.x());
    }
    return -1;
}

bool TextField::event(QEvent* event)
{
    // Shortcuts of the window do not take the keys the field uses for its selection.
    if (event->type() == QEvent::ShortcutOverride && m_selectable) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TextField::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ContentsRectChange) {
        layOut();
        update();
    }
}

void TextField::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!isFittedToText())
        m_boxStale = true;
}

void TextField::paintEvent(QPaintEvent*)
{
    const QTextLayout* laid = layout();
    if (!laid || m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    if (m_box && m_boxClipped)
        painter.setClipRect(contentsRect(), Qt::IntersectClip);
    QList<QTextLayout::FormatRange> selections;
    if (hasSelectedText()) {
        QTextLayout::FormatRange selected;
        selected.start = std::min(m_anchor, m_cursor);
        selected.length = std::abs(m_cursor - m_anchor);
        selected.format.setBackground(palette().brush(QPalette::Highlight));
        selected.format.setForeground(palette().brush(QPalette::HighlightedText));
        selections << selected;
    }
    laid->draw(&painter, origin(), selections);
    if (m_selectable && hasFocus())
        laid->drawCursor(&painter, origin(), m_cursor);
}

void TextField::moveCursor(int position, bool select)
{
    m_cursor = std::clamp(position, 0, static_cast<int>(m_text.size()));
    if (!select)
        m_anchor = m_cursor;
    update();
    announceCursor();
}

void TextField::announceCursor()
{
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent moved(this, m_cursor);
        QAccessible::updateAccessibility(&moved);
    }
}

void TextField::keyPressEvent(QKeyEvent* event)
{
    const QTextLayout* laid = layout();
    if (!m_selectable || !laid) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        if (hasSelectedText())
            QGuiApplication::clipboard()->setText(selectedText());
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        m_anchor = 0;
        moveCursor(static_cast<int>(m_text.size()), true);
        return;
    }
    const bool select = event->modifiers() & KeySelection;
    const bool words = event->modifiers() & Qt::ControlModifier;
    const int size = static_cast<int>(m_text.size());
    const QTextLine line = laid->lineForTextPosition(std::min(m_cursor, size));
    const auto onLine = [&](int step) {
        if (!line.isValid())
            return m_cursor;
        const int next = line.lineNumber() + step;
        if (next < 0)
            return 0;
        if (next >= laid->lineCount())
            return size;
        const qreal x = line.cursorToX(m_cursor);
        return laid->lineAt(next).xToCursor(x);
    };
    const auto mode = words ? QTextLayout::SkipWords : QTextLayout::SkipCharacters;
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursor(laid->previousCursorPosition(m_cursor, mode), select);
        return;
    case Qt::Key_Right:
        moveCursor(laid->nextCursorPosition(m_cursor, mode), select);
        return;
    case Qt::Key_Up:
        moveCursor(onLine(-1), select);
        return;
    case Qt::Key_Down:
        moveCursor(onLine(1), select);
        return;
    case Qt::Key_Home:
        moveCursor(words || !line.isValid() ? 0 : line.textStart(), select);
        return;
    case Qt::Key_End:
        moveCursor(words || !line.isValid() ? size : line.textStart() + line.textLength(), select);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TextField::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void TextField::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    updateFocusPolicy();
    update();
}

} // namespace orvella
