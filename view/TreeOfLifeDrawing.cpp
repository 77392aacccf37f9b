#include "TreeOfLifeDrawing.h"

#include "DrawingCircle.h"
#include "DrawingLine.h"
#include "FittedLabel.h"
#include "Look.h"
#include "SphereCaption.h"
#include "TreeOfLifeLayout.h"
#include "Twips.h"

#include <QPainter>

namespace orvella {

namespace {

constexpr QRgb Background = Maroon;
constexpr QRgb ShapeGrey = DarkGrey;
constexpr QRgb DaatOutline = Cyan;
constexpr QRgb LeaderColor = SageGreen;
constexpr QRgb SphereCaptionColor = Cyan;
constexpr QRgb PathLabelColor = Green;
constexpr QRgb ZodiacCaptionColor = White;

QString utf8(const char* text)
{
    return QString::fromUtf8(text);
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
    setAccessibleName(QStringLiteral("Tree of Life"));
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
    m_circles[static_cast<std::size_t>(toInt(SphereIndex::Daat))]->setOutlineColor(DaatOutline);
    m_circles[static_cast<std::size_t>(toInt(SphereIndex::Daat))]->setOutlineStyle(Qt::DotLine);

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
    for (const tree::PathLabelSpec& row : tree::PathLabels) {
        auto* label = new FittedLabel(utf8(row.text), twips(tree::LabelHeight),
                                      verdana(8.25, true, true), this);
        label->setObjectName(QString::fromLatin1(row.name));
        label->setAccessibleName(label->text());
        setColors(label, PathLabelColor);
        label->move(twipsPoint(row.left, row.top));
        keepPointerMoves(label);
    }
    for (const tree::ZodiacCaptionSpec& row : tree::ZodiacCaptions) {
        auto* label =
            new FittedLabel(utf8(row.text), twips(tree::LabelHeight), verdana(8.25, true), this);
        label->setObjectName(QString::fromLatin1(row.name));
        label->setAccessibleName(label->text());
        setColors(label, ZodiacCaptionColor);
        label->move(twipsPoint(row.left, row.top));
        label->hide();
        keepPointerMoves(label);
    }
    // The sphere captions come last, so they lie above every other label: a sphere's hover
    // area is its whole box, even where a card caption reaches into it.
    for (int i = 0; i < SphereCount; ++i) {
        const tree::SphereCaptionSpec& row = tree::SphereCaptions[static_cast<std::size_t>(i)];
        auto* caption = new SphereCaption(i, utf8(row.text), this);
        caption->setObjectName(QStringLiteral("lblClick%1").arg(i));
        caption->setFont(verdana(8.25, true));
        setColors(caption, SphereCaptionColor);
        caption->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
        connect(caption, &SphereCaption::pointerMoved, this, &TreeOfLifeDrawing::spherePointed);
    }
}

DrawingCircle* TreeOfLifeDrawing::circle(int sphereIndex) const
{
    if (sphereIndex < 0 || sphereIndex >= static_cast<int>(m_circles.size()))
        return nullptr;
    return m_circles[static_cast<std::size_t>(sphereIndex)];
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
}

} // namespace orvella
