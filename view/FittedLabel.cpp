#include "FittedLabel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

namespace orvella {

namespace {

using ShapedTexts = QHash<QFont, QHash<QString, std::shared_ptr<const QTextLayout>>>;

// Every reading view shows the same captions, and values out of the same tables, in the same
// few fonts: each text is laid out once in each font and then measured and painted from that
// layout by every label that shows it. Fonts hold engines of the application: the layouts go
// with it.
ShapedTexts& shapedTexts()
{
    static ShapedTexts* texts = nullptr;
    if (!texts) {
        texts = new ShapedTexts;
        qAddPostRoutine([] {
            delete texts;
            texts = nullptr;
        });
    }
    return *texts;
}

} // namespace

FittedLabel::FittedLabel(const QString& text, int height, const QFont& font, QWidget* parent)
    : FocusableLabel(parent)
    , m_height(height)
{
    // The height is the designed one, which leaves little room below the letters: keep the
    // text at the top so that only the descent could ever be cut.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(font);
    setFittedText(text);
}

void FittedLabel::setFittedText(const QString& text)
{
    setLabelText(text);
    m_line.reset();
    if (text.isEmpty())
        resize(0, m_height);
    else if (hasTextDocument()) // selectable text is laid out and painted as a document
        resize(sizeHint().width(), m_height);
    else
        resize(layOutLine(text), m_height);
    if (m_tabFocus)
        setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::TabFocus);
}

void FittedLabel::setTabFocusWhileShown(bool on)
{
    m_tabFocus = on;
    setFocusPolicy(on && !text().isEmpty() ? Qt::TabFocus : Qt::NoFocus);
}

int FittedLabel::layOutLine(const QString& text)
{
    // By font alone: the desktop has one logical resolution for all its screens.
    auto& texts = shapedTexts()[font()];
    auto shaped = texts.find(text);
    if (shaped == texts.end()) {
        // One line, laid out as QLabel lays out plain text; its shapes are kept for painting.
        auto line = std::make_shared<QTextLayout>(text, font(), this);
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        line->setTextOption(option);
        line->setCacheEnabled(true);
        line->beginLayout();
        QTextLine only = line->createLine();
        only.setLineWidth(QWIDGETSIZE_MAX);
        only.setPosition(QPointF(0, 0));
        line->endLayout();
        shaped = texts.insert(text, line);
    }
    m_line = *shaped;
    const qreal textWidth = m_line->lineCount() > 0 ? m_line->lineAt(0).naturalTextWidth() : 0;
    const QMargins margins = contentsMargins();
    return qCeil(textWidth) + 2 * margin() + margins.left() + margins.right();
}

void FittedLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        setFittedText(text());
}

QPoint FittedLabel::textOrigin() const
{
    return contentsRect().topLeft() + QPoint(margin(), margin());
}

void FittedLabel::paintEvent(QPaintEvent* event)
{
    if (hasTextDocument() || !m_line) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setPen(palette().color(foregroundRole()));
    m_line->draw(&painter, textOrigin());
}

} // namespace orvella
