#pragma once

#include "SphereIndex.h"

#include <QLabel>

namespace orvella {

// The caption over a sphere of the Tree of Life ("   1   Keter"). Its box is the sphere's
// hover area: every pointer movement inside it is reported with the sphere's index and goes
// no further, so the drawing beneath never sees it.
class SphereCaption : public QLabel {
    Q_OBJECT

public:
    SphereCaption(SphereIndex sphere, const QString& text, QWidget* parent);

    SphereIndex sphereIndex() const { return m_index; }

    // The number part and the name part of a caption text, blanks trimmed. The number stands
    // on the first line and the name on the second, whatever the font's widths.
    static QStringList captionLines(const QString& text);

signals:
    void pointerMoved(SphereIndex sphere);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    SphereIndex m_index;
};

} // namespace orvella
