#pragma once

#include "SphereIndex.h"

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace orvella {

class DrawingCircle;
class DrawingLine;
class SphereCaption;

// The drawing area Frame2 of the reading view: the eleven spheres, the twenty-two paths and
// the leader lines, painted from the state of their objects (ShpCircle0…10, ln12…ln910,
// Line1…12, all children of this widget), with the captions and labels above them as real
// labels. The circles and lines take no pointer events: a movement over them is a movement
// over the drawing itself.
//
// The keyboard reaches the drawing with Tab; inside it the arrow keys move a focus ring from
// sphere to sphere in the order of the Tree (1, 2, 3, Da'at, 4 … 10), round and round, P puts
// it on the path of the reading, and Esc takes the ring away. Each sphere and each path is an
// object of its own for assistive technology.
class TreeOfLifeDrawing : public QWidget {
    Q_OBJECT

public:
    // The spheres by SphereIndex in the order the ring visits them.
    static constexpr std::array<SphereIndex, SphereCount> RingOrder{
        SphereIndex::Keter,  SphereIndex::Chokmah, SphereIndex::Binah,     SphereIndex::Daat,
        SphereIndex::Chesed, SphereIndex::Gevurah, SphereIndex::Tiphereth, SphereIndex::Netzach,
        SphereIndex::Hod,    SphereIndex::Yesod,   SphereIndex::Malkhuth};

    explicit TreeOfLifeDrawing(QWidget* parent = nullptr);

    // nullptr for a name the drawing does not have.
    DrawingCircle* circle(SphereIndex sphere) const;
    DrawingLine* pathLine(const QString& name) const;
    SphereCaption* sphereCaption(SphereIndex sphere) const;
    const std::vector<DrawingLine*>& pathLines() const { return m_pathLines; }

    // The sphere under the focus ring, if there is one.
    std::optional<SphereIndex> ringSphere() const { return m_ringSphere; }
    // The reading's path when the ring is on it (P puts it there), else nullptr.
    DrawingLine* focusedPath() const { return m_onPath ? highlightedPath() : nullptr; }
    // The path line this reading highlights, or nullptr.
    DrawingLine* highlightedPath() const;
    // A circle or path line coloured by a reading's highlight.
    bool isHighlighted(const DrawingCircle* circle) const;
    bool isHighlighted(const DrawingLine* line) const;
    // "Path of Ayin", or "Path between 1 Keter and 2 Chokmah" for a path without a name.
    QString pathTitle(const DrawingLine* line) const;
    // The path's card and Hebrew letter where it has them.
    QString pathDescription(const DrawingLine* line) const;
    // The path line within reach of a point of the drawing, or nullptr.
    DrawingLine* pathLineAt(QPoint point) const;

signals:
    // The pointer moved inside the caption box of a sphere.
    void spherePointed(SphereIndex sphere);
    // The keyboard put the focus ring on a sphere, or took it away with Esc.
    void sphereFocused(SphereIndex sphere);
    void sphereFocusCleared();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void buildShapes();
    void buildCaptions();
    void moveRing(SphereIndex sphere);
    void moveRingToPath();
    // Tells assistive technology which sphere has the focus.
    void announceRing();

    std::vector<DrawingCircle*> m_circles;
    std::vector<DrawingLine*> m_pathLines;
    std::vector<DrawingLine*> m_leaderLines;
    std::vector<SphereCaption*> m_sphereCaptions;
    std::optional<SphereIndex> m_ringSphere;
    bool m_onPath = false;
};

} // namespace orvella
