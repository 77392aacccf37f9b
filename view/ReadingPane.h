#pragma once

#include "ReadingPaneLayout.h"

#include <QList>
#include <QWidget>
#include <utility>
#include <vector>

namespace orvella {

// One pane of the reading view's tab control, built from its table in ReadingPaneLayout.h:
// the dark background, the line that divides it and every caption and field at its place.
// Static captions are named Label1, Label2, … in table order across the three panes.
//
// Every field can take the keyboard's focus from Tab and tells assistive technology its
// caption as its name and its value as its text; a field on a pane divided by a line also
// says which part it belongs to.
class ReadingPane : public QWidget {
    Q_OBJECT

public:
    ReadingPane(int paneIndex, QWidget* parent);

    // The fields from top to bottom and, on one row, from left to right: the order Tab
    // visits them in.
    QList<QWidget*> fieldsInScreenOrder() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void
    labelFieldsByTheirCaptions(const std::vector<std::pair<const PaneElement*, QWidget*>>& built);

    const PaneLayout& m_layout;
    QList<QWidget*> m_fieldsInScreenOrder;
};

} // namespace orvella
