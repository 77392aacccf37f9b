#pragma once

#include <QWidget>
#include <vector>

namespace orvella {

class DrawingCircle;
class DrawingLine;

// The drawing area Frame2 of the reading view: the eleven spheres, the twenty-two paths and
// the leader lines, painted from the state of their objects (ShpCircle0…10, ln12…ln910,
// Line1…12, all children of this widget), with the captions and labels above them as real
// labels. The circles and lines take no pointer events: a movement over them is a movement
// over the drawing itself.
class TreeOfLifeDrawing : public QWidget {
    Q_OBJECT

public:
    explicit TreeOfLifeDrawing(QWidget* parent = nullptr);

    // nullptr for an index or name the drawing does not have.
    DrawingCircle* circle(int sphereIndex) const;
    DrawingLine* pathLine(const QString& name) const;

signals:
    // The pointer moved inside the caption box of a sphere.
    void spherePointed(int sphereIndex);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildShapes();
    void buildCaptions();

    std::vector<DrawingCircle*> m_circles;
    std::vector<DrawingLine*> m_pathLines;
    std::vector<DrawingLine*> m_leaderLines;
};

} // namespace orvella
