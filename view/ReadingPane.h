#pragma once

#include "ReadingPaneLayout.h"

#include <QWidget>

namespace orvella {

// One pane of the reading view's tab control, built from its table in ReadingPaneLayout.h:
// the dark background, the line that divides it and every caption and field at its place.
// Static captions are named Label1, Label2, … in table order across the three panes.
class ReadingPane : public QWidget {
    Q_OBJECT

public:
    ReadingPane(int paneIndex, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const PaneLayout& m_layout;
};

} // namespace orvella
