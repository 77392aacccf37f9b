#include "TreeOfLifeDrawing.h"

#include "Correspondences.h"
#include "DrawingCircle.h"
#include "DrawingLine.h"
#include "Look.h"
#include "SphereCaption.h"
#include "TextField.h"
#include "TreeHighlight.h"
#include "TreeOfLifeLayout.h"
#include "Twips.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace orvella {

namespace {

constexpr QRgb Background = Maroon;
constexpr QRgb ShapeGrey = DarkGrey;
constexpr QRgb DaatOutline = Cyan;
constexpr QRgb LeaderColor = SageGreen;
constexpr QRgb SphereCaptionColor = Cyan;
constexpr QRgb PathLabelColor = Green;
constexpr QRgb ZodiacCaptionColor = White;
// The keyboard's focus ring: white on the dark drawing, clear of the magenta highlight.
constexpr QRgb RingColor = White;
constexpr int RingWidth = 2;
// How far from a path line's middle the pointer still finds the line for its tooltip.
constexpr int PathReach = 2;

// A caption of the drawing's tables, in the user's language where the tables mark it.
QString utf8(const char* text)
{
    return QCoreApplication::translate("orvella::TreeOfLifeLayout", text);
}

// Labels on the drawing take a movement themselves and do nothing with it: only the drawing
// behind them and the sphere captions answer the pointer.
void keepPointerMoves(QWidget* widget)
{
    widget->setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace

TreeOfLifeDrawing::TreeOfLifeDrawing(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Frame2"));
    setAccessibleName(tr("Tree of Life"));
    setAccessibleDescription(
        tr("The arrow keys move from sphere to sphere; P moves to the path of your reading."));
    // Tab reaches the drawing; a click does not take the focus, so the pointer keeps to the
    // hover alone.
    setFocusPolicy(Qt::TabFocus);
    setColors(this, SphereCaptionColor, Background);
    buildShapes();
    buildCaptions();
}

void TreeOfLifeDrawing::buildShapes()
{
    for (int i = 0; i < SphereCount; ++i) {
        const tree::CircleSpec& row = tree::Circles[static_cast<std::size_t>(i)];
        auto* circle = new DrawingCircle(
            QStringLiteral("ShpCircle%1").arg(i),
            twipsRect(row.left, row.top, tree::CircleWidth, tree::CircleHeight), ShapeGrey, this);
        m_circles.push_back(circle);
    }
    // Da'at, the hidden sphere, is only outlined in dots.
    circle(SphereIndex::Daat)->setOutlineColor(DaatOutline);
    circle(SphereIndex::Daat)->setOutlineStyle(Qt::DotLine);

    for (const tree::LineSpec& row : tree::PathLines)
        m_pathLines.push_back(
            new DrawingLine(QString::fromLatin1(row.name), twipsPoint(row.fromX, row.fromY),
                            twipsPoint(row.toX, row.toY), tree::PathLineWidth, ShapeGrey, this));
    for (const tree::PathLabelSpec& row : tree::PathLabels)
        m_leaderLines.push_back(new DrawingLine(
            QString::fromLatin1(row.leader), twipsPoint(row.fromX, row.fromY),
            twipsPoint(row.toX, row.toY), tree::LeaderLineWidth, LeaderColor, this));

    for (DrawingCircle* circle : m_circles)
        connect(circle, &DrawingCircle::changed, this, qOverload<>(&QWidget::update));
    for (const auto* lines : {&m_pathLines, &m_leaderLines})
        for (DrawingLine* line : *lines)
            connect(line, &DrawingLine::changed, this, qOverload<>(&QWidget::update));
}

void TreeOfLifeDrawing::buildCaptions()
{
    const auto addLabel = [this](const char* name, const char* text, const QFont& font, QRgb color,
                                 int left, int top) {
        auto* label = new TextField(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(font);
        label->fitToText(twips(tree::LabelHeight));
        label->setText(utf8(text));
        setColors(label, color);
        label->move(twipsPoint(left, top));
        keepPointerMoves(label);
        return label;
    };
    for (const tree::PathLabelSpec& row : tree::PathLabels)
        addLabel(row.name, row.text, verdana(8.25, true, true), PathLabelColor, row.left, row.top);
    for (const tree::ZodiacCaptionSpec& row : tree::ZodiacCaptions)
        addLabel(row.name, row.text, verdana(8.25, true), ZodiacCaptionColor, row.left, row.top)
            ->hide();
    // The sphere captions come last, so they lie above every other label: a sphere's hover
    // area is its whole box, even where a card caption reaches into it.
    for (int i = 0; i < SphereCount; ++i) {
        const tree::SphereCaptionSpec& row = tree::SphereCaptions[static_cast<std::size_t>(i)];
        auto* caption = new SphereCaption(static_cast<SphereIndex>(i), utf8(row.text), this);
        caption->setObjectName(QStringLiteral("lblClick%1").arg(i));
        caption->setFont(verdana(8.25, true));
        setColors(caption, SphereCaptionColor);
        caption->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        caption->setToolTip(caption->accessibleName());
        connect(caption, &SphereCaption::pointerMoved, this, &TreeOfLifeDrawing::spherePointed);
        m_sphereCaptions.push_back(caption);
    }
}

SphereCaption* TreeOfLifeDrawing::sphereCaption(SphereIndex sphere) const
{
    return m_sphereCaptions.at(static_cast<std::size_t>(toInt(sphere)));
}

bool TreeOfLifeDrawing::isHighlighted(const DrawingCircle* circle) const
{
    return circle && circle->fillColor() != QColor(ShapeGrey);
}

bool TreeOfLifeDrawing::isHighlighted(const DrawingLine* line) const
{
    return line && line->color() != QColor(ShapeGrey);
}

QString TreeOfLifeDrawing::pathTitle(const DrawingLine* line) const
{
    if (!line)
        return {};
    for (const tree::PathLabelSpec& row : tree::PathLabels)
        if (line->objectName() == QLatin1StringView(row.pathLine))
            return utf8(row.text);
    // A path without a name is named by the spheres it joins, with their numbers.
    const auto numbered = [](int i) {
        return QStringLiteral("%1 %2").arg(i + 1).arg(sphereName(static_cast<SphereIndex>(i)));
    };
    for (int a = 0; a < toInt(SphereIndex::Daat); ++a)
        for (int b = a + 1; b < toInt(SphereIndex::Daat); ++b)
            if (pathLineName(static_cast<SphereIndex>(a), static_cast<SphereIndex>(b)) ==
                line->objectName())
                return tr("Path between %1 and %2").arg(numbered(a), numbered(b));
    return line->objectName();
}

QString TreeOfLifeDrawing::pathDescription(const DrawingLine* line) const
{
    if (!line)
        return {};
    QStringList parts;
    if (const std::optional<SignIndex> sign = signOfPathLine(line->objectName())) {
        const SignRow& row = signRow(*sign);
        QString letter = QCoreApplication::translate("orvella::Correspondences", row.hebrewLetter);
        if (letter.endsWith(QLatin1Char('.')))
            letter.chop(1);
        parts << tr("Card: %1")
                     .arg(
                         QCoreApplication::translate("orvella::Correspondences", row.pathsCardName))
              << tr("Hebrew letter: %1").arg(letter);
    }
    return parts.isEmpty() ? QString() : parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

DrawingLine* TreeOfLifeDrawing::pathLineAt(QPoint point) const
{
    for (DrawingLine* line : m_pathLines) {
        const QLineF segment(line->from(), line->to());
        const QPointF d = segment.p2() - segment.p1();
        const double length2 = QPointF::dotProduct(d, d);
        const double t =
            length2 > 0
                ? std::clamp(QPointF::dotProduct(point - segment.p1(), d) / length2, 0.0, 1.0)
                : 0.0;
        const QPointF nearest = segment.p1() + t * d;
        if (QLineF(point, nearest).length() <= line->lineWidth() / 2.0 + PathReach)
            return line;
    }
    return nullptr;
}

bool TreeOfLifeDrawing::event(QEvent* event)
{
    // A path line names itself in a tooltip; the spheres' captions carry their own.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const DrawingLine* line = pathLineAt(help->pos()))
            QToolTip::showText(help->globalPos(), pathTitle(line), this, line->geometry());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

DrawingLine* TreeOfLifeDrawing::highlightedPath() const
{
    for (DrawingLine* line : m_pathLines)
        if (isHighlighted(line))
            return line;
    return nullptr;
}

void TreeOfLifeDrawing::moveRing(SphereIndex sphere)
{
    m_onPath = false;
    m_ringSphere = sphere;
    update();
    announceRing();
    emit sphereFocused(sphere);
}

void TreeOfLifeDrawing::moveRingToPath()
{
    // The hover texts are the spheres' own: the path leaves them as they are.
    if (!highlightedPath())
        return;
    m_onPath = true;
    update();
    announceRing();
}

void TreeOfLifeDrawing::announceRing()
{
    if (!QAccessible::isActive())
        return;
    // Only the keys move the ring, so the drawing has the focus already: its part takes it.
    QObject* part = focusedPath();
    if (!part && m_ringSphere)
        part = sphereCaption(*m_ringSphere);
    if (part && hasFocus()) {
        QAccessibleEvent focus(part, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void TreeOfLifeDrawing::keyPressEvent(QKeyEvent* event)
{
    const auto at = m_ringSphere ? std::find(RingOrder.begin(), RingOrder.end(), *m_ringSphere)
                                 : RingOrder.end();
    const int position = at == RingOrder.end() ? -1 : static_cast<int>(at - RingOrder.begin());
    const int count = static_cast<int>(RingOrder.size());
    int next = -1;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        // From the path the ring goes on from the sphere it left.
        next = position < 0 ? 0 : m_onPath ? position : (position + 1) % count;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        next = position < 0 ? count - 1 : m_onPath ? position : (position + count - 1) % count;
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = count - 1;
        break;
    case Qt::Key_P:
        if (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
            break;
        moveRingToPath();
        return;
    case Qt::Key_Escape:
        if (!m_ringSphere && !m_onPath)
            break;
        m_ringSphere.reset();
        m_onPath = false;
        update();
        if (QAccessible::isActive()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        emit sphereFocusCleared();
        return;
    default:
        break;
    }
    if (next < 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    moveRing(RingOrder[static_cast<std::size_t>(next)]);
}

void TreeOfLifeDrawing::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // Coming back to the window leaves things as they were. Reaching the drawing frames it as
    // a whole, so that a screen reader tells the drawing and its keys first; the arrow keys
    // then start from the first or the last sphere.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
        m_ringSphere.reset();
        m_onPath = false;
    }
    update();
}

void TreeOfLifeDrawing::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

DrawingCircle* TreeOfLifeDrawing::circle(SphereIndex sphere) const
{
    return m_circles.at(static_cast<std::size_t>(toInt(sphere)));
}

DrawingLine* TreeOfLifeDrawing::pathLine(const QString& name) const
{
    for (DrawingLine* line : m_pathLines)
        if (line->objectName() == name)
            return line;
    return nullptr;
}

void TreeOfLifeDrawing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Paths first, the spheres over their ends, the leader lines on top so that each one can
    // be followed all the way to its path.
    for (const DrawingLine* line : m_pathLines)
        line->paint(painter);
    for (const DrawingCircle* circle : m_circles)
        circle->paint(painter);
    for (const DrawingLine* line : m_leaderLines)
        line->paint(painter);

    // The keyboard's ring around the sphere's caption box, the area the pointer points at;
    // with no sphere under it (after Esc) around the whole drawing, which has the focus.
    if (hasFocus()) {
        painter.setPen(QPen(QColor(RingColor), RingWidth));
        painter.setBrush(Qt::NoBrush);
        if (const DrawingLine* path = focusedPath())
            painter.drawRoundedRect(QRectF(path->geometry()).adjusted(-3, -3, 3, 3), 4, 4);
        else if (const SphereCaption* caption =
                     m_ringSphere ? sphereCaption(*m_ringSphere) : nullptr)
            painter.drawRoundedRect(QRectF(caption->geometry()).adjusted(1, 1, -1, -1), 6, 6);
        else
            painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

} // namespace orvella
